#include "horaset/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Split {
    const char* argument;
    const char* name;
    const char* value;
};

class ElementArgumentSplit : public ::testing::TestWithParam<Split> {};

TEST_P(ElementArgumentSplit, GivesNameAndValue)
{
    const Split& split = GetParam();
    const auto element = ParseElementArgument(split.argument);
    ASSERT_TRUE(element.has_value()) << split.argument;
    EXPECT_EQ(element->name, split.name);
    EXPECT_EQ(element->value, split.value);
}

INSTANTIATE_TEST_SUITE_P(Table, ElementArgumentSplit,
                         ::testing::Values(Split{"MYITEM=Hello", "MYITEM", "Hello"},
                                           Split{"%MYITEM%=Hello", "MYITEM", "Hello"}, //
                                           Split{"MYITEM=", "MYITEM", ""},             //
                                           Split{"MYITEM", "MYITEM", ""},              //
                                           Split{"=MYITEM", "MYITEM", ""},             //
                                           Split{"P=Q=R", "P", "Q=R"},                 //
                                           Split{"LONGELEMENTNAME=1", "LONGELEM", "1"}));

INSTANTIATE_TEST_SUITE_P(
    OwnCases, ElementArgumentSplit,
    ::testing::Values(Split{"ABCDEFGH=8", "ABCDEFGH", "8"},             // exactly 8: kept
                      Split{"ABCDEFGHI=9", "ABCDEFGH", "9"},            // 9: cut
                      Split{"%%%LONGELEMENTNAME%%=x", "LONGELEM", "x"}, // '%' removed before the cut
                      Split{"ABCDEFG%%X=1", "ABCDEFG%", "1"},           // inner '%' kept, then cut
                      Split{"A%B=1", "A%B", "1"},                       //
                      Split{"===A==B", "A", "=B"},                      // leading '=' skipped, rest is value
                      Split{"X=%DC% 100%", "X", "%DC% 100%"},           // value keeps its '%'
                      Split{"X=\xE9t\xE9=\xFF", "X", "\xE9t\xE9=\xFF"}, // bytes above 127 pass through
                      Split{"\xC4\xD6\xDC=1", "\xC4\xD6\xDC", "1"}));   //

TEST(ElementArgument, WithoutUsableNameGivesNoElement)
{
    for (const char* argument : {"", "=", "====", "%", "%%%", "%%%=1", "=%%=1", "%="}) {
        EXPECT_FALSE(ParseElementArgument(argument).has_value()) << '"' << argument << '"';
    }
}

TEST(ElementArgument, ValueIsTheArgumentsTailWithItsTerminatingZero)
{
    // The poke sends value.size() + 1 bytes straight from the argument.
    for (const char* argument : {"A=xyz", "A", "A=", "==A==="}) {
        const auto element = ParseElementArgument(argument);
        ASSERT_TRUE(element.has_value());
        const char* end = argument + std::char_traits<char>::length(argument);
        EXPECT_EQ(element->value.data() + element->value.size(), end) << argument;
    }
}

TEST(ElementArgument, VeryLongValueIsKeptWhole)
{
    const std::string value(100000, 'v');
    const std::string argument = "LONG=" + value;
    const auto element = ParseElementArgument(argument.c_str());
    ASSERT_TRUE(element.has_value());
    EXPECT_EQ(element->name, "LONG");
    EXPECT_EQ(element->value.size(), value.size());
    EXPECT_EQ(element->value, value);
}

TEST(CommandLineSwitches, HelpIsSlashOrDashFollowedByQuestionMark)
{
    for (const char* argument : {"/?", "-?", "/?x", "-??"}) {
        EXPECT_TRUE(IsHelpRequest(argument)) << argument;
    }
    for (const char* argument : {"", "?", "/", "-", "/x?", "x/?", "=/?"}) {
        EXPECT_FALSE(IsHelpRequest(argument)) << argument;
    }
    EXPECT_TRUE(IsSwitch("-x"));
    EXPECT_TRUE(IsSwitch("/"));
    EXPECT_FALSE(IsSwitch("x-"));
    EXPECT_FALSE(IsSwitch(""));
}

TEST(CommandLineSwitches, HelpRequestAnywhereAfterTheProgramName)
{
    const char* const asksLate[] = {"horaset", "MYITEM=1", "B=2", "/?"};
    EXPECT_TRUE(AnyHelpRequest(4, asksLate));
    const char* const programNameOnly[] = {"/?"};
    EXPECT_FALSE(AnyHelpRequest(1, programNameOnly));
    const char* const noHelp[] = {"horaset", "MYITEM=/?", "-x"};
    EXPECT_FALSE(AnyHelpRequest(3, noHelp));
}

} // namespace
