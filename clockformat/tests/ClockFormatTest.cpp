#include "clockformat/ClockFormat.h"

#include <climits>
#include <gtest/gtest.h>
#include <map>

namespace {

LocaleTexts FrenchTexts()
{
    LocaleTexts t;
    const char* longDays[7] = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
    const char* shortDays[7] = {"dim.", "lun.", "mar.", "mer.", "jeu.", "ven.", "sam."};
    const char* longMonths[12] = {"janvier", "fevrier", "mars",      "avril",   "mai",      "juin",
                                  "juillet", "aout",    "septembre", "octobre", "novembre", "decembre"};
    const char* shortMonths[12] = {"janv.", "fevr.", "mars",  "avr.", "mai",  "juin",
                                   "juil.", "aout",  "sept.", "oct.", "nov.", "dec."};
    for (int i = 0; i < 7; ++i) {
        t.longDayNames[i] = longDays[i];
        t.shortDayNames[i] = shortDays[i];
    }
    for (int i = 0; i < 12; ++i) {
        t.longMonthNames[i] = longMonths[i];
        t.shortMonthNames[i] = shortMonths[i];
    }
    t.amText = "am";
    t.pmText = "pm";
    t.eraText = "ap. J.-C.";
    t.thousandSeparator = " ";
    t.shortTimeFormat = "HH:mm";
    t.longTimeFormat = "HH:mm:ss";
    t.shortDateFormat = "dd/MM/yyyy";
    t.longDateFormat = "dddd d MMMM yyyy";
    return t;
}

class ClockFormatTest : public ::testing::Test {
protected:
    ClockFormatTest()
    {
        // Wednesday 9 February 2005, 15:04:05, Central European Time.
        moment.year = 2005;
        moment.month = 2;
        moment.day = 9;
        moment.weekday = 3;
        moment.dayOfYear = 40;
        moment.hour = 15;
        moment.minute = 4;
        moment.second = 5;
        moment.biasMinutes = -60;
        moment.zoneName = "W. Europe Standard Time";
        moment.utcSecondsOfDay = 14 * 3600 + 4 * 60 + 5;
        context.locale = &french;
        context.elements = [this](std::string_view name) -> const char* {
            auto found = elements.find(std::string(name));
            return found == elements.end() ? nullptr : found->second.c_str();
        };
        context.resources.physicalFreeKb = 15000;
        context.resources.memoryLoad = 80;
        context.resources.cpuUsage = 25;
    }

    // The lines joined by line feeds, alignment left out.
    std::string Render(std::string_view format) const
    {
        return JoinLines(RenderClockFormat(format, moment, context), "\n");
    }

    LocaleTexts french = FrenchTexts();
    ClockMoment moment;
    RenderContext context;
    std::map<std::string, std::string> elements;
};

TEST_F(ClockFormatTest, RendersDateElements)
{
    EXPECT_EQ(Render("d dd ddd dddd #"), "9 09 mer. mercredi 9th");
    EXPECT_EQ(Render("M MM MMM MMMM"), "2 02 fevr. fevrier");
    EXPECT_EQ(Render("y yy yyyy gg g"), "5 05 2005 ap. J.-C. ap. J.-C.");
    EXPECT_EQ(Render("w ww D DDD"), "7 07 40 040");
    french.eraText.clear();
    EXPECT_EQ(Render("gg"), "A.D.");
}

TEST_F(ClockFormatTest, RendersTimeElements)
{
    EXPECT_EQ(Render("h hh H HH m mm s ss t tt"), "3 03 15 15 4 04 5 05 p pm");
    EXPECT_EQ(Render("zz ZZ"), "+0100 W. Europe Standard Time");
    EXPECT_EQ(Render("@"), "@627");
}

TEST_F(ClockFormatTest, ShowsTwelveHourClockEdges)
{
    context.locale = nullptr;
    const struct {
        int hour;
        const char* text;
    } cases[] = {{0, "12 AM A"}, {1, "1 AM A"}, {11, "11 AM A"}, {12, "12 PM P"}, {13, "1 PM P"}, {23, "11 PM P"}};
    for (const auto& c : cases) {
        moment.hour = c.hour;
        EXPECT_EQ(Render("h tt t"), c.text) << c.hour;
    }
}

TEST_F(ClockFormatTest, CountsInternetTimeFromMidnightInBiel)
{
    const struct {
        int utcSeconds;
        const char* text;
    } cases[] = {{23 * 3600, "@000"}, {23 * 3600 - 1, "@999"}, {0, "@041"}, {86399, "@041"}, {11 * 3600, "@500"}};
    for (const auto& c : cases) {
        moment.utcSecondsOfDay = c.utcSeconds;
        EXPECT_EQ(Render("@"), c.text) << c.utcSeconds;
    }
}

TEST_F(ClockFormatTest, ShowsTheBiasAsOffsetFromUtc)
{
    const struct {
        int bias;
        const char* text;
    } cases[] = {{-60, "+0100"}, {300, "-0500"}, {0, "+0000"}, {-330, "+0530"}, {210, "-0330"}, {-765, "+1245"}};
    for (const auto& c : cases) {
        moment.biasMinutes = c.bias;
        EXPECT_EQ(Render("zz"), c.text) << c.bias;
    }
}

TEST_F(ClockFormatTest, RendersTheLocalePicturesWithoutNesting)
{
    EXPECT_EQ(Render("f|ff|fff|ffff"), "15:04\n15:04:05\n09/02/2005\nmercredi 9 fevrier 2005");
    french.shortTimeFormat = "f'x'|<HH";
    EXPECT_EQ(Render("f"), "x|<15");
    context.locale = nullptr;
    EXPECT_EQ(Render("f|ff|fff|ffff"), "3:04 PM\n3:04:05 PM\n2/9/2005\nWednesday, February 09, 2005");
}

TEST_F(ClockFormatTest, RendersResourceReadings)
{
    EXPECT_EQ(Render("r R L C S U G"), "15 000 14 80 25 -- -- --");
    context.resources = ResourceReadings{};
    EXPECT_EQ(Render("r R L C"), "-- -- -- --");
    context.locale = nullptr;
    const struct {
        long long kb;
        const char* text;
    } cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {LLONG_MAX, "9,223,372,036,854,775,807"}};
    for (const auto& c : cases) {
        context.resources.physicalFreeKb = c.kb;
        EXPECT_EQ(Render("r"), c.text);
    }
}

TEST_F(ClockFormatTest, ShowsQuotedTextLiterally)
{
    EXPECT_EQ(Render("d MMM ''yy (ddd)"), "9 fevr. '05 (mer.)");
    EXPECT_EQ(Render("HH'h'mm"), "15h04");
    EXPECT_EQ(Render("'CPU='C'%'"), "CPU=25%");
    EXPECT_EQ(Render("'it''s' dd"), "it's 09");
    EXPECT_EQ(Render("''''"), "''");
    EXPECT_EQ(Render("'a|b'"), "a|b");
    EXPECT_EQ(Render("'never closed|dd"), "never closed|dd");
}

TEST_F(ClockFormatTest, RendersTheDefaultFormat)
{
    context.locale = nullptr;
    EXPECT_EQ(Render("ddd, d MMM yyyy  HH:mm:ss"), "Wed, 9 Feb 2005  15:04:05");
}

TEST_F(ClockFormatTest, RunsLettersGreedilyAndSplitsThemAtTheHiddenSeparator)
{
    EXPECT_EQ(Render("ddddd"), "mercredi9");
    EXPECT_EQ(Render("yyy yyyyy DD HHH"), "055 20055 4040 1515");
    EXPECT_EQ(Render("d~d H~H ~"), "99 1515 ");
    EXPECT_EQ(Render("z Z xyz; Wk!"), "z Z x5z; Wk!");
}

TEST_F(ClockFormatTest, ShowsUserElementsVerbatim)
{
    elements["DC"] = "4::17::32";
    elements["X"] = "dd '%DC%' |";
    EXPECT_EQ(Render("%DC% %DD%."), "4::17::32 .");
    EXPECT_EQ(Render("%X%"), "dd '%DC%' |");
    EXPECT_EQ(Render("%dc%"), ""); // case is the lookup's business
    EXPECT_EQ(Render("C%%"), "25%");
    EXPECT_EQ(Render("HH %DC"), "15 %DC");
    EXPECT_EQ(Render("%DC|%DC%"), "%DC\n4::17::32");
    context.elements = nullptr;
    EXPECT_EQ(Render("[%DC%]"), "[]");
}

TEST_F(ClockFormatTest, SplitsLinesAndReadsTheirAlignment)
{
    auto lines = RenderClockFormat("<HH|>mm|ss|a<b>|", moment, context);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].text, "15");
    EXPECT_EQ(lines[0].align, LineAlign::Left);
    EXPECT_EQ(lines[1].align, LineAlign::Right);
    EXPECT_EQ(lines[2].align, LineAlign::Centre);
    EXPECT_EQ(lines[3].text, "a<b>");
    EXPECT_EQ(lines[4].text, "");
    EXPECT_EQ(JoinLines(lines, "\r\n"), "15\r\n04\r\n05\r\na<b>\r\n");
    EXPECT_EQ(Render(""), "");
    EXPECT_EQ(RenderClockFormat("", moment, context).size(), 1u);
}

TEST_F(ClockFormatTest, ReusesTheLinesOfAnEarlierRender)
{
    std::vector<RenderedLine> lines;
    RenderClockFormat("<a|b|c", moment, context, lines);
    RenderClockFormat("HH", moment, context, lines);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, "15");
    EXPECT_EQ(lines[0].align, LineAlign::Centre);
}

TEST_F(ClockFormatTest, BoundsLinesAndTheirLength)
{
    elements["LONG"] = std::string(5000, 'x');
    auto lines = RenderClockFormat("%LONG%%LONG%|ffff", moment, context);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, std::string(kMaxLineBytes, 'x'));
    EXPECT_EQ(RenderClockFormat(std::string(100, '|'), moment, context).size(), kMaxLines);
}

TEST_F(ClockFormatTest, LeavesNamesEmptyForFieldsOutOfRange)
{
    moment.weekday = 7;
    moment.month = 0;
    moment.hour = INT_MIN;
    moment.biasMinutes = INT_MIN;
    moment.utcSecondsOfDay = INT_MIN;
    EXPECT_EQ(Render("[ddd][MMMM]"), "[][]");
    EXPECT_EQ(Render("H h"), "-2147483648 4");
    EXPECT_EQ(Render("zz"), "+3579139408");
}

} // namespace
