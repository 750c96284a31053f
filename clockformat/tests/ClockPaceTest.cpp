#include "clockformat/ClockPace.h"

#include <gtest/gtest.h>

namespace {

constexpr long long kMinute = 60 * 1000;
constexpr long long kHour = 60 * kMinute;

// Milliseconds since 1970-01-01 of a UTC date and time.
long long UtcMs(int year, int month, int day, int hour, int minute, int second)
{
    year -= month <= 2;
    long long era = (year >= 0 ? year : year - 399) / 400;
    long long yearOfEra = year - era * 400;
    long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long long days = era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear - 719468;
    return ((days * 24 + hour) * 60 + minute) * 60000LL + second * 1000LL;
}

// Central European time: UTC+1, and UTC+2 from 01:00 UTC on the last Sunday
// of March to 01:00 UTC on the last Sunday of October (here 2021: 28 March,
// 31 October).
int CentralEurope(long long utc)
{
    bool summer = utc >= UtcMs(2021, 3, 28, 1, 0, 0) && utc < UtcMs(2021, 10, 31, 1, 0, 0);
    return summer ? 120 : 60;
}

TEST(ClockPaceTest, PaceFollowsTheElementsThatShow)
{
    LocaleTexts locale;
    locale.shortTimeFormat = "HH:mm";
    locale.longTimeFormat = "HH:mm:ss";
    locale.longDateFormat = "dddd d MMMM yyyy";
    struct Case {
        const char* format;
        FormatPace pace;
    } cases[] = {
        {"ddd, d MMM yyyy  HH:mm:ss", {ClockUnit::Second, false}},
        {"HH:mm", {ClockUnit::Minute, false}},
        {"ddd d MMM", {ClockUnit::Day, false}},
        {"%X%", {ClockUnit::None, false}},
        {"%s%'ss' gg", {ClockUnit::None, false}},                          // a name and quoted text are no elements
        {"%%s", {ClockUnit::Second, false}},                               // %% is a '%', then an element
        {"d|<ZZ", {ClockUnit::Hour, false}},                               // every line counts
        {"@ d", {ClockUnit::Day, true}},                                   // beats beside the date
        {"f", {ClockUnit::Minute, false}},                                 // through the locale's pictures
        {"ffff|ff", {ClockUnit::Second, false}},                           // the default tooltip
        {"C%", {ClockUnit::Second, false}},                                // readings, sampled each second
        {"a|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|s", {ClockUnit::Minute, false}}, // past line 16 nothing shows
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PaceOf(c.format, locale), c.pace) << c.format;
    }
    EXPECT_EQ(Finer({ClockUnit::Hour, true}, {ClockUnit::Minute, false}), (FormatPace{ClockUnit::Minute, true}));
}

TEST(ClockPaceTest, NextChangeOfEachPaceInLocalTime)
{
    auto utcPlusOne = [](long long) { return 60; };
    // 2021-06-15 13:59:59.250 local (UTC+1).
    long long now = UtcMs(2021, 6, 15, 12, 59, 59) + 250;
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Second, false}, now, utcPlusOne), 750);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Minute, false}, now, utcPlusOne), 750);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Hour, false}, now + 1000, utcPlusOne), kHour - 250);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Day, false}, now, utcPlusOne), 10 * kHour + 750);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::None, false}, now, utcPlusOne), 10 * kHour + 750);

    // An offset of half an hour moves the hour's turn, not the minute's.
    auto india = [](long long) { return 330; };
    long long indiaNow = UtcMs(2021, 6, 15, 12, 10, 0);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Hour, false}, indiaNow, india), 20 * kMinute);

    // Month end and year end, local time.
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Day, false}, UtcMs(2021, 4, 30, 22, 59, 30), utcPlusOne), 30000);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Day, false}, UtcMs(2020, 12, 31, 22, 0, 0), utcPlusOne), kHour);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Hour, false}, UtcMs(2020, 12, 31, 22, 30, 0), utcPlusOne),
              30 * kMinute);

    // Beat 541 (12:59:02.4 UTC+1) shows from the whole second 12:59:03; the
    // minute's turn comes later, so the beat wins.
    long long beatNow = UtcMs(2021, 6, 15, 11, 58, 59);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::None, true}, beatNow, utcPlusOne), 4000);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Minute, true}, beatNow, utcPlusOne), 1000);
    // Beat 999 turns into beat 0 at midnight UTC+1.
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::None, true}, UtcMs(2021, 6, 15, 22, 59, 59), utcPlusOne), 1000);
}

TEST(ClockPaceTest, DaysOfTwentyThreeAndTwentyFiveHours)
{
    // Spring: local midnight to midnight is 23 hours, and 01:30 turns into
    // 03:00 half an hour later.
    long long springMidnight = UtcMs(2021, 3, 27, 23, 0, 0);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Day, false}, springMidnight, CentralEurope), 23 * kHour);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Hour, false}, springMidnight + 90 * kMinute, CentralEurope),
              30 * kMinute);
    // Autumn: 25 hours; the hour shown wakes at 03:00 summer time, which
    // turns back to 02:00 (the offset shown changes).
    long long autumnMidnight = UtcMs(2021, 10, 30, 22, 0, 0);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Day, false}, autumnMidnight, CentralEurope), 25 * kHour);
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Hour, false}, autumnMidnight + 150 * kMinute, CentralEurope),
              30 * kMinute);

    // A zone that springs from 23:00 straight to 00:00 starts the new day at
    // the jump.
    long long jump = UtcMs(2021, 3, 28, 3, 0, 0);
    auto atMidnight = [jump](long long utc) { return utc < jump ? -240 : -180; };
    EXPECT_EQ(MillisecondsToNextChange({ClockUnit::Day, false}, jump - 30 * kMinute, atMidnight), 30 * kMinute);
}

} // namespace
