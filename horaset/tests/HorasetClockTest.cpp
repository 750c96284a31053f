// horaset.exe against the clock component in the stand-in taskbar: values are
// read back from the component (XTYP_REQUEST) and from the clock's text.
#include "clockhook/model/ElementTable.h"
#include "hookapi/ClockDefaults.h"
#include "horaset/CommandLine.h"
#include "taskbar/testing/ChildProcess.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace testkit;

namespace {

const std::string kDll = HORALUME_DLL_PATH;

ChildResult RunHoraset(const std::vector<std::string>& arguments)
{
    return RunChild(WindowsPath(HORASET_EXE), arguments);
}

class HorasetWithClock : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(taskbar_.Start());
        ASSERT_TRUE(InstallClockComponent(kDll));
    }
    void TearDown() override
    {
        RemoveClockComponent(kDll);
        taskbar_.Stop();
    }

    StandInTaskbar taskbar_;
};

TEST_F(HorasetWithClock, SetsTheElementTheClockShows)
{
    ClockSettings settings = DefaultClockSettings();
    std::strcpy(settings.clockFormatString, "'<'%MYITEM%'>'");
    ASSERT_TRUE(PushSettings(settings));

    const ChildResult result = RunHoraset({"MYITEM=Hello"});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(RequestElement("MYITEM"), "Hello");
    std::string shown;
    EXPECT_TRUE(WaitForClockText("<Hello>", 5000, &shown)) << shown;
}

// horaset's cut of a name and the clock's own limit are two different bounds.
static_assert(kArgumentNameLength < kMaxElementNameLength, "horaset cuts names the clock would take whole");

TEST_F(HorasetWithClock, SetsEveryElementOfOneRunAsCleanedUp)
{
    ASSERT_TRUE(PokeElement("LONGELEMENTNAME", "whole"));
    const ChildResult result = RunHoraset({"a=1", "%P%=Q=R%", "-x", "LONGELEMENTNAME=cut", "%%%=none", "B=x", "B="});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(RequestElement("A"), "1") << "names compare regardless of case";
    EXPECT_EQ(RequestElement("P"), "Q=R%");
    EXPECT_EQ(RequestElement("LONGELEM"), "cut");
    EXPECT_EQ(RequestElement("LONGELEMENTNAME"), "whole") << "the clock keeps the longer name apart";
    EXPECT_EQ(RequestElement("B"), "") << "the later empty value wins";
}

TEST_F(HorasetWithClock, ComponentRemovedLeavesNoLink)
{
    ASSERT_TRUE(RemoveClockComponent(kDll));
    const ChildResult result = RunHoraset({"MYITEM=Hello"});
    EXPECT_EQ(result.output, "Cannot establish link with Horalume\r\n");
    EXPECT_EQ(result.exitCode, 2u);
}

} // namespace
