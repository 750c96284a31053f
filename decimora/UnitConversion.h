// The upper half of the converter: quantities of six units between decimal
// ("metric") and standard time, and the texts the input and result fields hold.
#pragma once

#include <string>
#include <string_view>

enum ConversionUnit { Seconds, Minutes, Hours, Days, Weeks, Years, kConversionUnitCount };

enum ConversionDirection { MetricToStandard, StandardToMetric };

// What the input field holds at start and after input that is not accepted.
constexpr const char* kDefaultInputText = "1.0";

// The longest text the result field is given; "%f" needs more from 10^121 on.
constexpr int kMaxResultLength = 128;

// The stored factor of a unit and direction; 0 for values outside the table.
double ConversionFactor(int unitIndex, int direction);

// The number at the start of the text: leading white space, an optional sign,
// digits with an optional "." and fraction, an optional exponent. Reading
// stops at the first character that does not fit (so "1,5" gives 1), "."
// is the decimal separator whatever the locale, and no number gives 0.
double ParseInputValue(std::string_view text);

// Negative input (and anything not comparable to 0) is replaced by 1.0.
bool IsAcceptedInput(double value);

// "%f" of the value, six decimals rounded; a value whose "%f" text would be
// longer than kMaxResultLength gets the bounded "%.6e" text instead.
std::string FormatResult(double value);

// The result field's text for an input value, unit and direction.
std::string ConversionResultText(double input, int unitIndex, int direction);
