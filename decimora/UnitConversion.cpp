#include "decimora/UnitConversion.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

// The C runtime of Windows rounds "%f" and reads numbers differently from
// glibc; mingw-w64's own printf and strtod give the same results as glibc.
#if defined(__MINGW32__) && !__USE_MINGW_ANSI_STDIO
#error "Build with __USE_MINGW_ANSI_STDIO so that results read and print as on every other platform"
#endif

// Each the double nearest to the exact quotient in its comment. A standard
// week is 7 days and a standard year 364 days; the minutes row is a constant
// of its own, not 100 times the seconds row.
static constexpr double kFactors[kConversionUnitCount][2] = {
    {0.8661516, 1.1545323012738187},          // 1 / 0.8661516
    {1.43586, 0.6964467287897149},            // 1 / 1.43586
    {2.3931, 0.41786803727382893},            // 1 / 2.3931
    {0.997125, 1.0028832894571895},           // 1 / 0.997125
    {1.4244642857142857, 0.7020183026200326}, // 9.97125 / 7, 7 / 9.97125
    {0.2739354395604396, 3.6504951736241695}, // 99.7125 / 364, 364 / 99.7125
};

static bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the run of digits at `at`.
static std::size_t DigitsAt(std::string_view text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    return end - at;
}

// The part of the text that forms a number by the rules above; empty when
// there is none. Scanned by hand so that no locale and no "inf", "nan" or
// hexadecimal form that strtod would accept can take part.
static std::string_view NumberPrefix(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
        ++at;
    }
    const std::size_t start = at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    std::size_t digits = DigitsAt(text, at);
    at += digits;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fraction = DigitsAt(text, at + 1);
        if (digits > 0 || fraction > 0) {
            at += 1 + fraction;
            digits += fraction;
        }
    }
    if (digits == 0) {
        return {};
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentDigits = DigitsAt(text, exponent);
        if (exponentDigits > 0) {
            at = exponent + exponentDigits;
        }
    }
    return text.substr(start, at - start);
}

double ConversionFactor(int unitIndex, int direction)
{
    if (unitIndex < 0 || unitIndex >= kConversionUnitCount) {
        return 0.0;
    }
    if (direction != MetricToStandard && direction != StandardToMetric) {
        return 0.0;
    }
    return kFactors[unitIndex][direction];
}

double ParseInputValue(std::string_view text)
{
    const std::string number(NumberPrefix(text));
    if (number.empty()) {
        return 0.0;
    }
    // The prefix is a complete number in the "C" locale's form, which is the
    // locale of a program that never calls setlocale; overflow gives +-HUGE_VAL.
    return std::strtod(number.c_str(), nullptr);
}

bool IsAcceptedInput(double value)
{
    return value >= 0.0;
}

std::string FormatResult(double value)
{
    char text[kMaxResultLength + 1];
    const int length = std::snprintf(text, sizeof text, "%f", value);
    if (length < 0 || length > kMaxResultLength) {
        std::snprintf(text, sizeof text, "%.6e", value);
    }
    return text;
}

std::string ConversionResultText(double input, int unitIndex, int direction)
{
    return FormatResult(input * ConversionFactor(unitIndex, direction));
}
