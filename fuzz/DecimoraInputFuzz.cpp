// Fuzzes Decimora's input field: the number read from any text, and the
// result texts of every unit and direction for it. Where the text holds no
// hexadecimal, infinity or NaN spelling, the reading must agree with the C
// library's own strtod, which stops at the same place.
#include "decimora/UnitConversion.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

bool HasOtherSpelling(const std::string& text)
{
    return text.find_first_of("xXiInNpP") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = ParseInputValue(text);
    Check(!std::isnan(value));
    // strtod reads a C string: compare only texts without an early NUL.
    if (!HasOtherSpelling(text) && text.find('\0') == std::string::npos) {
        const double reference = std::strtod(text.c_str(), nullptr);
        Check(value == reference);
    }
    const double input = IsAcceptedInput(value) ? value : 1.0;
    for (int unit = 0; unit < kConversionUnitCount; ++unit) {
        for (int direction : {MetricToStandard, StandardToMetric}) {
            std::string result = ConversionResultText(input, unit, direction);
            Check(!result.empty() && result.size() <= static_cast<std::size_t>(kMaxResultLength));
            Check(result.find("nan") == std::string::npos);
        }
    }
    return 0;
}
