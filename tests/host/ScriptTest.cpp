// Headless scripts: every line is checked before anything runs; errors name the line.
#include <gtest/gtest.h>

#include <sstream>

#include "host/Script.h"

namespace {

std::string ParseError(const std::string& text) {
    std::istringstream in(text);
    std::string error;
    auto script = emu::Script::parse(in, "s.txt", error);
    return script ? "" : error;
}

}  // namespace

TEST(Script, AcceptsEveryActionWithCommentsAndBlankLines) {
    std::istringstream in("# start\n\ntap 10 20\n  # pen down\ndown 1 2\nmove -5 300\nup 1 2\nkey app4\n"
                          "wait 300\nscreenshot out.png\nexit\nreset\n");
    std::string error;
    auto script = emu::Script::parse(in, "s.txt", error);
    ASSERT_TRUE(script) << error;
    ASSERT_EQ(script->actions().size(), 9u);
    EXPECT_EQ(script->actions()[0].verb, "tap");
    EXPECT_EQ(script->actions()[0].line, 3);
    EXPECT_EQ(script->actions()[2].args, (std::vector<std::string>{"-5", "300"}));
}

TEST(Script, RejectsMalformedLinesNamingThem) {
    EXPECT_EQ(ParseError("tap 1 2\ntapp 1 2\n"), "s.txt:2: unknown action 'tapp'");
    EXPECT_EQ(ParseError("tap 1\n"), "s.txt:1: 'tap' takes 2 argument(s)");
    EXPECT_EQ(ParseError("\n\nwait soon\n"), "s.txt:3: 'soon' is not a number");
    EXPECT_EQ(ParseError("key app9\n"), "s.txt:1: unknown key 'app9'");
    EXPECT_EQ(ParseError("wait -1\n"), "s.txt:1: '-1' is out of range");
    EXPECT_EQ(ParseError("exit now\n"), "s.txt:1: 'exit' takes 0 argument(s)");
}
