// The two numbers that the last word of a brace token gives, as in «ENTER 3»
// and «SLEEP 1.5». Malformed words are never an error: they read as 0.
#pragma once

#include <cstdint>
#include <string_view>

namespace keystrip {

// The word's leading decimal integer (white space skipped, optional sign), or 1
// when that is not above 0. A value too large for 32 bits reads as the largest
// one; the sequence's work limit bounds what it can cost.
std::int32_t ReadRepeatCount(std::string_view word);

// The word's leading decimal number (white space skipped, optional sign,
// digits, optional "." and fraction, optional exponent), or 1.0 when that is
// not above 0. Only this decimal form counts: «INF», «NAN» and hexadecimal
// forms read as 0 (from «0x1p3» only the "0"). A value too large for a double
// reads as infinity, a positive one too small as the smallest positive double.
double ReadRealArgument(std::string_view word);

}  // namespace keystrip
