// Headless scripts: every line is checked before anything runs; errors name the line; a
// line whose first character other than a space is '#' is a comment, elsewhere '#' is text.
#include <gtest/gtest.h>

#include <sstream>

#include "host/Script.h"

namespace {

TEST(Script, AcceptsEveryActionWithCommentsAndBlankLinesAndNamesTheFirstBadLine) {
    auto parse = [](const std::string& text, std::string& error) {
        std::istringstream in(text);
        return emu::Script::parse(in, "s.txt", error);
    };
    std::string error;
    auto script = parse("# start\n\ntap 10 20\n  # pen down\ndown 1 2\nmove -5 300\nup 1 2\nkey app4\n"
                        "wait 300\nscreenshot out.png\nexit\nreset\nopen \\Windows\\My #1.txt\n",
                        error);
    ASSERT_TRUE(script) << error;
    ASSERT_EQ(script->actions().size(), 10u);
    EXPECT_EQ(script->actions()[0].verb, "tap");
    EXPECT_EQ(script->actions()[0].line, 3);
    EXPECT_EQ(script->actions()[1].args, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(script->actions()[2].args, (std::vector<std::string>{"-5", "300"}));
    EXPECT_EQ(script->actions()[9].args, std::vector<std::string>{"\\Windows\\My #1.txt"});
    for (auto [text, expected] : {std::pair{"tap 1 2\ntapp 1 2\n", "s.txt:2: unknown action 'tapp'"},
                                  {"tap 1\n", "s.txt:1: 'tap' takes 2 argument(s)"},
                                  {"tap 1 2 # not a comment\n", "s.txt:1: 'tap' takes 2 argument(s)"},
                                  {"\n\nwait soon\n", "s.txt:3: 'soon' is not a number"},
                                  {"key app9\n", "s.txt:1: unknown key 'app9'"},
                                  {"wait -1\n", "s.txt:1: '-1' is out of range"},
                                  {"exit now\n", "s.txt:1: 'exit' takes 0 argument(s)"}}) {
        EXPECT_FALSE(parse(text, error)) << text;
        EXPECT_EQ(error, expected);
    }
}

}  // namespace
