// The window pattern language: a small, byte-oriented regular expression
// dialect that destination patterns are written in.
#pragma once

#include <bitset>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "target/lead_bytes.h"

namespace keystrip {

// One compiled pattern. Patterns and texts are 8-bit text; each ends at its end
// or at its first zero byte, whichever comes first, as a window title does.
class TRegexp {
public:
    // The compiled form is at most this many units long, end marker included.
    static constexpr int kMaxUnits = 128;

    enum class Kind : unsigned char {
        Literal,            // one byte
        DoubleByteLiteral,  // a lead byte and its trail byte
        AnyChar,            // any character but newline
        Class,              // one byte whose 7-bit code is a member
        StartAnchor,
        EndAnchor,
    };
    enum class Repeat : unsigned char {
        Once,
        ZeroOrMore,  // "*": longest first, then given back byte by byte
        OneOrMore,   // "+": as "*", but the first repetition is kept
        ZeroOrOne,   // "?": taken when it matches, never given back
    };
    struct Element {
        Kind kind = Kind::Literal;
        Repeat repeat = Repeat::Once;
        unsigned char byte = 0;   // a literal's byte; a double-byte literal's lead byte
        unsigned char trail = 0;  // a double-byte literal's trail byte
        std::bitset<128> members;
    };

    // The empty pattern, which does not compile.
    TRegexp() = default;
    // Compiles with the lead bytes of the platform's code page.
    explicit TRegexp(std::string_view pattern);
    TRegexp(std::string_view pattern, const LeadByteSet& leadBytes);

    // Drops the compiled form and compiles the new pattern.
    TRegexp& operator=(std::string_view pattern);
    void Assign(std::string_view pattern, const LeadByteSet& leadBytes);

    // Whether the last compile succeeded. A pattern that failed matches nothing.
    bool Compiled() const { return compiled_; }
    // The compiled elements, end marker left out; empty after a failed compile.
    std::span<const Element> Elements() const { return elements_; }
    const LeadByteSet& LeadBytes() const { return leadBytes_; }

    // The byte position at which the leftmost match in text begins.
    // Allocates nothing; time grows linearly with the text's length.
    std::optional<std::size_t> Search(std::string_view text) const;

private:
    bool Compile(std::string_view pattern);

    std::vector<Element> elements_;
    LeadByteSet leadBytes_;
    bool compiled_ = false;
    // The longest run of bytes that every match contains, taken from the
    // pattern's plain literals: a title without it is passed over at once.
    std::string requiredBytes_;
    // The run of plain literals the pattern begins with: where a match can start.
    std::string leadingBytes_;
};

// A pattern or text as far as its first zero byte.
std::string_view UpToZeroByte(std::string_view text);

}  // namespace keystrip
