// Checks a function against a table of arguments and the results they must give.
#pragma once

#include <utility>
#include <vector>

#include <gtest/gtest.h>

template <typename Argument, typename Result, typename Function>
void ExpectEach(Function function, const std::vector<std::pair<Argument, Result>>& cases)
{
    for (const auto& [argument, expected] : cases) {
        SCOPED_TRACE(::testing::PrintToString(argument));
        EXPECT_EQ(function(argument), expected);
    }
}
