#include "engine/cp1252.h"

#include <gtest/gtest.h>

using namespace kalvor;

TEST(Cp1252, MalformedUtf8BecomesAQuestionMarkPerSequence) {
    const std::pair<std::string, std::string> cases[] = {{"a\xff"
                                                          "b",
                                                          "a?b"},
                                                         {"\xe2\x82", "?"},
                                                         {"\xc3\xa9\x80", "\xe9?"}};
    for (const auto& [utf8, bytes] : cases) {
        bool lossless = true;
        EXPECT_EQ(utf8ToCp1252(utf8, &lossless), bytes);
        EXPECT_FALSE(lossless);
    }
    EXPECT_EQ(cp1252ToUtf8(std::string("\0\x80\xff", 3)), std::string("\0\xe2\x82\xac\xc3\xbf", 6));
}
