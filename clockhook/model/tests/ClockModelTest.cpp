// The clock model fed as the component feeds it: records as WM_COPYDATA
// brings them, pokes as DDE brings them, ticks; read back as the surfaces
// read it.
#include "clockhook/model/ClockModel.h"
#include "hookapi/ClockDefaults.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Recorder : ClockObserver {
    void OnClockChanged(ClockChange change) override { changes.push_back(change); }
    std::vector<ClockChange> changes;
};

ClockMoment Noon()
{
    ClockMoment moment;
    moment.year = 2026;
    moment.month = 12;
    moment.day = 8;
    moment.weekday = 2;
    moment.hour = 12;
    return moment;
}

ClockSettings WithFormat(const char* format)
{
    ClockSettings settings = DefaultClockSettings();
    std::strncpy(settings.clockFormatString, format, sizeof settings.clockFormatString - 1);
    return settings;
}

std::string Clock(const ClockModel& model)
{
    return model.Render(model.Settings().clockFormatString, Noon(), "\n");
}

TEST(ClockModel, TakesExactlyOneRecordAndTellsItsObservers)
{
    ClockModel model;
    Recorder recorder;
    model.AddObserver(recorder);
    EXPECT_EQ(Clock(model), "Tue, 8 Dec 2026  12:00:00") << "an empty registry's format until a record comes";

    ClockSettings settings = WithFormat("'second'");
    unsigned char larger[kClockSettingsSize + 1] = {};
    std::memcpy(larger, &settings, sizeof settings);
    EXPECT_FALSE(model.AcceptRecord(0, &settings, kClockSettingsSize - 1));
    EXPECT_FALSE(model.AcceptRecord(0, larger, sizeof larger));
    EXPECT_FALSE(model.AcceptRecord(1, &settings, kClockSettingsSize));
    EXPECT_FALSE(model.AcceptRecord(0, nullptr, kClockSettingsSize));
    EXPECT_TRUE(recorder.changes.empty());
    EXPECT_EQ(Clock(model), "Tue, 8 Dec 2026  12:00:00");

    EXPECT_TRUE(model.AcceptRecord(0, &settings, kClockSettingsSize));
    EXPECT_EQ(recorder.changes, std::vector<ClockChange>{ClockChange::Settings});
    EXPECT_EQ(Clock(model), "second");
}

TEST(ClockModel, TextFieldsOfARecordEndInsideTheirField)
{
    ClockSettings settings = DefaultClockSettings();
    // A quote opens literal text that runs to the end of the field; the
    // next field would follow at once if the model read past it.
    std::memset(settings.clockFormatString, 'A', sizeof settings.clockFormatString);
    settings.clockFormatString[0] = '\'';
    std::memset(settings.tooltipFormatString, 'B', sizeof settings.tooltipFormatString);
    std::memset(settings.copyFormatString, 'C', sizeof settings.copyFormatString);
    std::memset(settings.customFont.faceName, 'F', sizeof settings.customFont.faceName);
    std::memset(settings.calendarFont.faceName, 'G', sizeof settings.calendarFont.faceName);
    ClockModel model;
    ASSERT_TRUE(model.AcceptRecord(0, &settings, sizeof settings));
    EXPECT_EQ(Clock(model), std::string(kFormatFieldSize - 2, 'A'));
    EXPECT_EQ(std::strlen(model.Settings().copyFormatString), kFormatFieldSize - 1);
    EXPECT_EQ(std::strlen(model.Settings().calendarFont.faceName), sizeof settings.calendarFont.faceName - 1);
}

TEST(ClockModel, PokedElementsShowAndOnlyChangesAreTold)
{
    ClockModel model;
    ClockSettings settings = WithFormat("%DC%|%raw%!");
    ASSERT_TRUE(model.AcceptRecord(0, &settings, sizeof settings));
    Recorder recorder;
    model.AddObserver(recorder);

    EXPECT_TRUE(model.PokeElement("DC", "5::12::34", 10));
    const char raw[] = {'a', 'b', 'c'};
    EXPECT_TRUE(model.PokeElement("RAW", raw, sizeof raw)) << "no NUL: taken to its length";
    EXPECT_EQ(Clock(model), "5::12::34\nabc!");
    EXPECT_TRUE(model.PokeElement("dc", "5::12::34", 10)) << "the same value is taken";
    EXPECT_FALSE(
        model.PokeElement("DC", std::string(kMaxElementValueLength + 1, 'x').c_str(), kMaxElementValueLength + 2));
    EXPECT_STREQ(model.FindElement("dc"), "5::12::34") << "a refused value leaves the old one";
    EXPECT_EQ(recorder.changes, (std::vector<ClockChange>{ClockChange::Elements, ClockChange::Elements}));

    model.RemoveObserver(recorder);
    model.PokeElement("DC", "", 1);
    EXPECT_EQ(recorder.changes.size(), 2u) << "a removed observer hears nothing";
    EXPECT_EQ(Clock(model), "\nabc!");
}

TEST(ClockModel, TicksCarryReadingsAndResetStartsAfresh)
{
    ClockModel model;
    ClockSettings settings = WithFormat("L C|%A%");
    ASSERT_TRUE(model.AcceptRecord(0, &settings, sizeof settings));
    Recorder first, second;
    model.AddObserver(first);
    model.AddObserver(second);
    ResourceReadings readings;
    readings.memoryLoad = 42;
    readings.cpuUsage = 7;
    model.Tick(readings);
    EXPECT_EQ(first.changes, std::vector<ClockChange>{ClockChange::Tick});
    EXPECT_EQ(second.changes, std::vector<ClockChange>{ClockChange::Tick});
    model.PokeElement("A", "x", 2);
    EXPECT_EQ(Clock(model), "42 7\nx");

    model.Reset();
    EXPECT_EQ(model.FindElement("A"), nullptr);
    EXPECT_EQ(Clock(model), "Tue, 8 Dec 2026  12:00:00");
    EXPECT_EQ(model.Readings().memoryLoad, -1);
}

} // namespace
