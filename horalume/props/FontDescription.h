// The two-line description of the clock font shown on the Clock page.
#pragma once

#include "hookapi/ClockSettings.h"

#include <string>

// "Face\nNpt" followed by " bold", " italic" and " underline" as they apply.
// The size in points is rounded from a negative (character) height at the
// given pixels per inch; a zero or positive height gives 0pt.
std::string DescribeFont(const FontRecord& font, int pixelsPerInch);
