// Cutting, comparing, splitting and searching GBK byte texts.
#include <climits>

#include <gtest/gtest.h>

#include "core/text.h"

namespace {

// One call and what it must give; `call` names the case in failures.
struct TextCase {
    const char* call;
    Text result;
    Text expected;
};

void ExpectAll(std::initializer_list<TextCase> cases)
{
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(c.result, c.expected);
    }
}

}  // namespace

TEST(TextCutting, CountsBytesAndStaysInsideTheText)
{
    ExpectAll({
        {"Left of ab, 1", TextLeft("ab", 1), "a"},
        {"Left of ab, 5", TextLeft("ab", 5), "ab"},
        {"Left of ab, INT_MAX", TextLeft("ab", INT_MAX), "ab"},
        {"Left of ab, 0", TextLeft("ab", 0), ""},
        {"Left of ab, -1", TextLeft("ab", -1), ""},
        {"Left of empty, 3", TextLeft("", 3), ""},
        {"Right of D:\\dir, 1", TextRight("D:\\dir", 1), "r"},
        {"Right of D:\\dir, 4", TextRight("D:\\dir", 4), "\\dir"},
        {"Right of ab, 5", TextRight("ab", 5), "ab"},
        {"Right of ab, INT_MAX", TextRight("ab", INT_MAX), "ab"},
        {"Right of ab, 0", TextRight("ab", 0), ""},
        {"Right of ab, -2", TextRight("ab", -2), ""},
        {"Mid of 12:34:56, 3, 1", TextMid("12:34:56", 3, 1), ":"},
        {"Mid of 12:34:56, 4, 2", TextMid("12:34:56", 4, 2), "34"},
        {"Mid of abc, 3, 1 (last byte)", TextMid("abc", 3, 1), "c"},
        {"Mid of abc, 4, 1 (past the end)", TextMid("abc", 4, 1), ""},
        {"Mid of abc, 0, 1", TextMid("abc", 0, 1), ""},
        {"Mid of abc, -1, 3", TextMid("abc", -1, 3), ""},
        {"Mid of abc, 1, 0", TextMid("abc", 1, 0), ""},
        {"Mid of abc, 2, -1", TextMid("abc", 2, -1), ""},
        {"Mid of abcdef, 5, 9", TextMid("abcdef", 5, 9), "ef"},
        {"Mid of abc, 2, INT_MAX", TextMid("abc", 2, INT_MAX), "bc"},
        // Cutting counts bytes, so it may halve a two-byte character.
        {"Left of 表俓, 1", TextLeft("表俓", 1), "\xB1"},
        {"Right of 表俓, 1", TextRight("表俓", 1), "\\"},
        {"Mid of 表俓, 2, 2", TextMid("表俓", 2, 2), "\xED\x82"},
    });
}

TEST(TextLength, CountsBytes)
{
    EXPECT_EQ(TextLength(""), 0);
    EXPECT_EQ(TextLength("D:\\a"), 4);
    EXPECT_EQ(TextLength("表俓.txt"), 8);
}

TEST(CharCode, IsTheFirstByteAsASignedValue)
{
    EXPECT_EQ(CharCode(""), 0);
    EXPECT_EQ(CharCode("9"), 57);
    EXPECT_EQ(CharCode("9x"), 57);
    EXPECT_EQ(CharCode("\x7F"), 127);
    EXPECT_EQ(CharCode("\x80"), -128);
    EXPECT_EQ(CharCode("表"), 0xB1 - 256);
}

TEST(JoinTexts, PutsThePartsOneAfterTheOther)
{
    ExpectAll({
        {"a, empty, 表, b", JoinTexts({"a", "", "表", "b"}), "a表b"},
        {"nothing", JoinTexts({}), ""},
        {"empty texts", JoinTexts({"", ""}), ""},
        {"Text parts", JoinTexts({Text("D:\\"), Text("x.txt")}), "D:\\x.txt"},
    });
}

TEST(CompareText, OrdersByUnsignedBytesWithAPrefixFirst)
{
    struct Case {
        Text a;
        Text b;
        int sign;
    };
    const Case cases[] = {
        {"", "", 0},        {"", Text(), 0},     {"abc", "abc", 0}, {"a", "b", -1},   {"b", "a", 1},
        {"ab", "abc", -1},  {"abc", "ab", 1},    {"", "a", -1},     {"Z", "a", -1},   {"a", "A", 1},
        {"表", "z", 1},     {"z", "表", -1},     {"表", "表俓", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a + " vs " + c.b);
        const int order = CompareText(c.a, c.b);
        EXPECT_EQ((order > 0) - (order < 0), c.sign);
    }
}

TEST(SplitText, KeepsInnerEmptyPiecesAndMatchesOnlyAtCharacterBoundaries)
{
    struct Case {
        Text text;
        Text separator;
        TextList pieces;
    };
    const Case cases[] = {
        {"12:34:56", ":", {"12", "34", "56"}},
        {"12:34:", ":", {"12", "34"}},
        {":a::b:", ":", {"", "a", "", "b"}},
        {"::", ":", {"", ""}},
        {"", ":", {}},
        {"abc", "", {"abc"}},
        {"abc", ":", {"abc"}},
        {"a", "abc", {"a"}},
        {"a\\\\b", "\\", {"a", "", "b"}},
        {"a<>b<><>c<>", "<>", {"a", "b", "", "c"}},
        {"2013年7月", "年", {"2013", "7月"}},
        // 俓 is 0x82 0x5C: its second byte is never a separator.
        {"表俓\\x", "\\", {"表俓", "x"}},
        {"俓俓", "\\", {"俓俓"}},
        {"D:\\俓\\a", "\\", {"D:", "俓", "a"}},
        // 表表 is B1 ED B1 ED: ED B1 stands at no boundary.
        {"表表", "\xED\xB1", {"表表"}},
        // A lead byte at the very end ends the scan and stays in its piece.
        {"ab\xB1", "\\", {"ab\xB1"}},
        {"a\\\xB1", "\\", {"a", "\xB1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("split \"" + c.text + "\" at \"" + c.separator + "\"");
        EXPECT_EQ(SplitText(c.text, c.separator), c.pieces);
    }
}

TEST(SplitText, SplitsAtCommasByDefault)
{
    EXPECT_EQ(SplitText("a,b,,c,"), (TextList{"a", "b", "", "c"}));
}

TEST(RemoveLeadingText, TakesOffOnlyAnExactPrefix)
{
    ExpectAll({
        {"root folder", RemoveLeadingText("D:\\data\\a.txt", "D:\\data\\"), "a.txt"},
        {"leading backslash", RemoveLeadingText("\\a\\b\\c.txt", "\\"), "a\\b\\c.txt"},
        {"other case", RemoveLeadingText("D:\\data\\a.txt", "d:\\data\\"), "D:\\data\\a.txt"},
        {"empty prefix", RemoveLeadingText("D:\\data\\a.txt", ""), "D:\\data\\a.txt"},
        {"longer prefix", RemoveLeadingText("ab", "abc"), "ab"},
        {"whole text", RemoveLeadingText("abc", "abc"), ""},
        {"not at the start", RemoveLeadingText("xabc", "abc"), "xabc"},
        {"GBK prefix", RemoveLeadingText("D:\\表俓\\a.txt", "D:\\表俓\\"), "a.txt"},
    });
}

TEST(FindLastText, GivesTheLastMatchAtACharacterBoundary)
{
    struct Case {
        Text text;
        Text search;
        bool caseInsensitive;
        int position;
    };
    const Case cases[] = {
        {"D:\\a\\b.txt", "\\", false, 5},
        {"abc", "\\", false, -1},
        {"", "\\", false, -1},
        {"abc", "", false, 1},
        {"", "", false, -1},
        {"ab", "abc", false, -1},
        {"abab", "ab", false, 3},
        {"aaa", "aa", false, 2},
        {"表俓.txt", "\\", false, -1},
        {"D:\\俓", "\\", false, 3},
        {"D:\\表俓\\a.txt", "\\", false, 8},
        {"表表", "\xED\xB1", false, -1},
        {"aXbx", "X", false, 2},
        {"aXbx", "X", true, 4},
        {"ABCabc", "bc", true, 5},
        {"ABCabc", "BC", false, 2},
        // 丄 is 0x81 0x41: the case of its second byte is never folded.
        {"丄", "A", true, -1},
        {"丄", "\x81\x61", true, -1},
        {"丄a", "丄A", true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.search + "\" in \"" + c.text + "\"" + (c.caseInsensitive ? " (any case)" : ""));
        EXPECT_EQ(FindLastText(c.text, c.search, c.caseInsensitive), c.position);
    }
}
