// horaset.exe run as a child process against a DDE server of the test's own.
// Its standard output is compared byte for byte: as on Windows, the C runtime
// writes each "\n" to the pipe as "\r\n".
#include "taskbar/testing/ChildProcess.h"
#include "taskbar/testing/RecordingDdeServer.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace testkit;

const char kUsage[] = "HORASET 1.4  Element setter of the decimal time package\r\n"
                      "Sets the value of a user-defined Horalume format element.\r\n"
                      "Requires Horalume version 1.4 or later.\r\n"
                      "\r\n"
                      "Usage:  horaset element=[value] [...]\r\n"
                      "\r\n"
                      "Returns:\r\n"
                      "  ERRORLEVEL 2 if connection to Horalume failed\r\n"
                      "  ERRORLEVEL 1 if no elements were set\r\n"
                      "  ERRORLEVEL 0 if at least one element was set\r\n"
                      "\r\n"
                      "User-defined elements in Horalume's format strings must be enclosed in '%'\r\n"
                      "symbols (such as %MYITEM%), but you must not include the '%' symbols here!\r\n";

ChildResult RunHoraset(const std::vector<std::string>& arguments)
{
    return RunChild(WindowsPath(HORASET_EXE), arguments);
}

std::string WithZero(const std::string& text)
{
    return text + '\0';
}

class HorasetWithServer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Running()); }
    RecordingDdeServer server;
};

TEST_F(HorasetWithServer, UsageWithoutArgumentsOrOnAHelpSwitchAnywhere)
{
    const std::vector<std::vector<std::string>> commandLines = {
        {}, {"/?"}, {"-?"}, {"MYITEM=1", "/?"}, {"-x", "A=1", "-?more"}};
    for (const auto& arguments : commandLines) {
        const ChildResult result = RunHoraset(arguments);
        EXPECT_EQ(result.output, kUsage) << arguments.size() << " arguments";
        EXPECT_EQ(result.errors, "");
        EXPECT_EQ(result.exitCode, 1u);
    }
    EXPECT_TRUE(server.Connects().empty()) << "help is given before connecting";
    EXPECT_TRUE(server.Pokes().empty());
}

TEST_F(HorasetWithServer, SwitchAloneConnectsAndSetsNothing)
{
    const ChildResult result = RunHoraset({"-x"});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_TRUE(WaitUntil([&] { return server.Connects().size() == 1; }));
    EXPECT_TRUE(server.Pokes().empty());
}

TEST_F(HorasetWithServer, PokesEachElementAsTextWithItsZero)
{
    const std::string longValue(30000, 'v');
    const ChildResult result = RunHoraset({"MYITEM=Hello", "%X%=a=b%c%", "EMPTY", "/skip=1", "LONGELEMENTNAME=1",
                                           "%%%=1", "", "NA=\xE9t\xE9", "BIG=" + longValue});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_TRUE(WaitUntil([&] { return server.Connects().size() == 1; })) << "one conversation for all arguments";

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"MYITEM", WithZero("Hello")}, {"X", WithZero("a=b%c%")},     {"EMPTY", WithZero("")},
        {"LONGELEM", WithZero("1")},   {"NA", WithZero("\xE9t\xE9")}, {"BIG", WithZero(longValue)}};
    const std::vector<RecordedPoke> pokes = server.Pokes();
    ASSERT_EQ(pokes.size(), expected.size());
    for (std::size_t i = 0; i < pokes.size(); ++i) {
        EXPECT_EQ(pokes[i].item, expected[i].first);
        EXPECT_EQ(pokes[i].bytes, expected[i].second) << pokes[i].item;
        EXPECT_EQ(pokes[i].format, static_cast<UINT>(CF_TEXT));
    }
}

TEST_F(HorasetWithServer, OnlyUnusableNamesSetNothing)
{
    const ChildResult result = RunHoraset({"%%%=1", "=", ""});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_TRUE(server.Pokes().empty());
}

TEST(HorasetWithoutServer, ReportsTheMissingLink)
{
    const ChildResult result = RunHoraset({"MYITEM=1"});
    EXPECT_EQ(result.output, "Cannot establish link with Horalume\r\n");
    EXPECT_EQ(result.exitCode, 2u);
}

struct Refusal {
    std::set<std::string> unanswered;
    std::vector<std::string> arguments;
    const char* output;
    DWORD exitCode;
};

class HorasetRefused : public ::testing::TestWithParam<Refusal> {};

TEST_P(HorasetRefused, ReportsEachRefusedNameAndGoesOn)
{
    const Refusal& refusal = GetParam();
    RecordingDdeServer server(refusal.unanswered);
    ASSERT_TRUE(server.Running());
    const ChildResult result = RunHoraset(refusal.arguments);
    EXPECT_EQ(result.output, refusal.output);
    EXPECT_EQ(result.exitCode, refusal.exitCode);
    EXPECT_EQ(server.Pokes().size(), refusal.arguments.size()) << "every element is still tried";
}

INSTANTIATE_TEST_SUITE_P(
    Pokes, HorasetRefused,
    ::testing::Values(Refusal{{"A"}, {"A=1", "B=2"}, "Cannot set value of 'A'\r\n", 0},
                      Refusal{{"A", "B"}, {"A=1", "B=2"}, "Cannot set value of 'A'\r\nCannot set value of 'B'\r\n", 1},
                      Refusal{{"LONGELEM"}, {"%LONGELEMENTNAME%=1"}, "Cannot set value of 'LONGELEM'\r\n", 1}));

} // namespace
