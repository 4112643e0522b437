// The program's texts are GBK bytes at run time, whatever the source encoding.
#include <gtest/gtest.h>

#include "core/text.h"

TEST(GbkLiterals, ChineseTextsAreCompiledToGbkBytes)
{
    EXPECT_EQ(Text("开始寻找"), Text("\xBF\xAA\xCA\xBC\xD1\xB0\xD5\xD2"));
    EXPECT_EQ(Text("年月日"), Text("\xC4\xEA\xD4\xC2\xC8\xD5"));
    EXPECT_EQ(Text("：！"), Text("\xA3\xBA\xA3\xA1"));
}

TEST(GbkLiterals, SecondByteMayBeTheBackslashCode)
{
    const Text text = "表俓";
    ASSERT_EQ(text.size(), 4u);
    EXPECT_EQ(text, Text("\xB1\xED\x82\x5C"));
    EXPECT_EQ(text[3], '\\');
}
