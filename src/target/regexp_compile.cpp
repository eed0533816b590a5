// Compiling a window pattern into its elements.
//
// Choices of this dialect where the pattern language leaves room:
// - An escape that yields code 0 ("\0", "\x" without digits, "\400") compiles
//   like any other literal or class member. A text ends at its first zero byte,
//   so such a literal never matches; under "*" or "?" it matches as zero
//   repetitions, and the rest of the pattern keeps its meaning.
// - "\^" with nothing after it (end of pattern, or a newline outside a class)
//   is a literal "^".
// - A "-" as the last character of an unclosed class is the member "-".
// - Range ends are read with the escape rules like any other member, so
//   "[\x41-\x5a]" holds "A" to "Z" and "[+-\]]" holds "+" to "]".
// - A backslash followed by a newline outside a class is a backslash at the end
//   of the pattern (the newline ends the pattern), as is a lead byte followed by
//   a newline a lead byte at the end.
// - "\^x" upper-cases ASCII letters only, whatever the code page.
// - The double-byte rule applies to every literal, also one written as an escape.
#include <new>

#include "target/regexp.h"

namespace keystrip {
namespace {

using Element = TRegexp::Element;
using Kind = TRegexp::Kind;
using Repeat = TRegexp::Repeat;

constexpr int kClassUnits = 17;  // a set of 128 members and its marker

Element ElementOf(Kind kind) {
    Element element;
    element.kind = kind;
    return element;
}

int UnitsOfByte(unsigned char code) { return code < 128 ? 1 : 2; }

int UnitsOf(const Element& element) {
    switch (element.kind) {
        case Kind::Literal:
            return UnitsOfByte(element.byte);
        case Kind::DoubleByteLiteral:
            return UnitsOfByte(element.byte) + UnitsOfByte(element.trail);
        case Kind::Class:
            return kClassUnits;
        case Kind::AnyChar:
        case Kind::StartAnchor:
        case Kind::EndAnchor:
            break;
    }
    return 1;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

unsigned char UpperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

// Reads the pattern from left to right; outside a class a newline ends it.
class PatternReader {
public:
    explicit PatternReader(std::string_view pattern) : pattern_(pattern) {}

    bool AtEnd(bool inClass) const {
        return next_ >= pattern_.size() || (!inClass && pattern_[next_] == '\n');
    }
    unsigned char Peek() const { return static_cast<unsigned char>(pattern_[next_]); }
    unsigned char Take() { return static_cast<unsigned char>(pattern_[next_++]); }

    // The code an escape yields; the backslash has been taken.
    unsigned char Escape(bool inClass) {
        if (AtEnd(inClass)) return '\\';
        const unsigned char c = Take();
        switch (c) {
            case 'b':
            case 'B':
                return 8;
            case 'e':
            case 'E':
                return 27;
            case 'f':
            case 'F':
                return 12;
            case 'n':
            case 'N':
                return 10;
            case 'r':
            case 'R':
                return 13;
            case 's':
            case 'S':
                return 32;
            case 't':
            case 'T':
                return 9;
            case 'x':
            case 'X': {
                unsigned value = 0;
                for (int digits = 0; digits < 3 && !AtEnd(inClass) && HexDigitValue(Peek()) >= 0; ++digits)
                    value = value * 16 + static_cast<unsigned>(HexDigitValue(Take()));
                return static_cast<unsigned char>(value);
            }
            case '^':
                if (AtEnd(inClass)) return '^';
                return static_cast<unsigned char>(UpperAscii(Take()) - 64);
            default:
                break;
        }
        if (!IsOctalDigit(c)) return c;
        unsigned value = c - '0';
        for (int digits = 1; digits < 3 && !AtEnd(inClass) && IsOctalDigit(Peek()); ++digits)
            value = value * 8 + (Take() - '0');
        return static_cast<unsigned char>(value);
    }

    // One class member: an escape or the byte as it stands.
    unsigned char Member() {
        const unsigned char c = Take();
        return c == '\\' ? Escape(true) : c;
    }

private:
    std::string_view pattern_;
    std::size_t next_ = 0;
};

void AddMember(Element& element, unsigned char code) { element.members.set(code & 0x7f); }

// Every code between the two ends, compared as signed 8-bit values.
void AddRange(Element& element, unsigned char from, unsigned char to) {
    int low = static_cast<signed char>(from);
    int high = static_cast<signed char>(to);
    if (low > high) std::swap(low, high);
    for (int code = low; code <= high; ++code) AddMember(element, static_cast<unsigned char>(code));
}

// The class after its "[", up to and including its "]".
Element ReadClass(PatternReader& reader) {
    Element element = ElementOf(Kind::Class);
    bool negated = false;
    if (!reader.AtEnd(true) && reader.Peek() == '^') {
        reader.Take();
        negated = true;
    }
    bool closed = false;
    if (!reader.AtEnd(true) && reader.Peek() == ']') {
        reader.Take();
        closed = true;
    }
    // The member a following "-" starts its range from.
    unsigned char previous = '-';
    if (!closed && !reader.AtEnd(true) && reader.Peek() == '-') AddMember(element, reader.Take());
    while (!closed && !reader.AtEnd(true)) {
        if (reader.Peek() == ']') {
            reader.Take();
            closed = true;
        } else if (reader.Peek() == '-') {
            reader.Take();
            if (reader.AtEnd(true)) {
                AddMember(element, '-');
            } else {
                const unsigned char end = reader.Member();  // even "]" ends the range
                AddRange(element, previous, end);
                previous = end;
            }
        } else {
            previous = reader.Member();
            AddMember(element, previous);
        }
    }
    if (negated) element.members.flip();
    return element;
}

Repeat RepeatOf(unsigned char c) {
    return c == '*' ? Repeat::ZeroOrMore : c == '+' ? Repeat::OneOrMore : Repeat::ZeroOrOne;
}

class Compiler {
public:
    Compiler(std::vector<Element>& elements, const LeadByteSet& leadBytes)
        : elements_(elements), leadBytes_(leadBytes) {}

    bool Run(std::string_view pattern) {
        if (pattern.empty()) return false;
        const char first = pattern.front();
        if (first == '\n' || first == '*' || first == '+' || first == '?') return false;
        PatternReader reader(pattern);
        while (!reader.AtEnd(false)) {
            const unsigned char c = reader.Take();
            bool fits = true;
            switch (c) {
                case '.':
                    fits = Add(ElementOf(Kind::AnyChar));
                    break;
                case '^':
                    fits = elements_.empty() ? Add(ElementOf(Kind::StartAnchor)) : AddLiteral(c, reader);
                    break;
                case '$':
                    fits = reader.AtEnd(false) ? Add(ElementOf(Kind::EndAnchor)) : AddLiteral(c, reader);
                    break;
                case '[':
                    fits = Add(ReadClass(reader));
                    break;
                case '*':
                case '+':
                case '?':
                    fits = AddRepeat(RepeatOf(c));
                    break;
                case '\\':
                    fits = AddLiteral(reader.Escape(false), reader);
                    break;
                default:
                    fits = AddLiteral(c, reader);
                    break;
            }
            if (!fits) return false;
        }
        return true;
    }

private:
    bool Fits(int units) const { return units_ + units + 1 <= TRegexp::kMaxUnits; }

    bool Add(const Element& element) {
        const int units = UnitsOf(element);
        if (!Fits(units)) return false;
        units_ += units;
        elements_.push_back(element);
        return true;
    }

    // A lead byte takes the next pattern byte as it stands as its trail byte.
    bool AddLiteral(unsigned char code, PatternReader& reader) {
        Element element = ElementOf(Kind::Literal);
        element.byte = code;
        if (leadBytes_.Contains(code) && !reader.AtEnd(false)) {
            element.kind = Kind::DoubleByteLiteral;
            element.trail = reader.Take();
        }
        return Add(element);
    }

    bool AddRepeat(Repeat repeat) {
        Element& last = elements_.back();  // the pattern does not begin with an operator
        if (last.kind == Kind::StartAnchor || last.repeat != Repeat::Once || !Fits(1)) return false;
        units_ += 1;
        last.repeat = repeat;
        return true;
    }

    std::vector<Element>& elements_;
    const LeadByteSet& leadBytes_;
    int units_ = 0;
};

bool IsPlainLiteral(const Element& element) {
    return (element.kind == Kind::Literal || element.kind == Kind::DoubleByteLiteral) &&
           element.repeat == Repeat::Once;
}

void AppendBytes(std::string& bytes, const Element& literal) {
    bytes += static_cast<char>(literal.byte);
    if (literal.kind == Kind::DoubleByteLiteral) bytes += static_cast<char>(literal.trail);
}

// Consecutive literals that are not repeated match consecutive bytes of the text.
std::string LongestLiteralRun(const std::vector<Element>& elements) {
    std::string longest;
    std::string run;
    for (const Element& element : elements) {
        if (!IsPlainLiteral(element)) {
            run.clear();
            continue;
        }
        AppendBytes(run, element);
        if (run.size() > longest.size()) longest = run;
    }
    return longest;
}

std::string LeadingLiteralRun(const std::vector<Element>& elements) {
    std::string run;
    for (const Element& element : elements) {
        if (!IsPlainLiteral(element)) break;
        AppendBytes(run, element);
    }
    return run;
}

}  // namespace

std::string_view UpToZeroByte(std::string_view text) { return text.substr(0, text.find('\0')); }

TRegexp::TRegexp(std::string_view pattern) : TRegexp(pattern, CodePageLeadBytes()) {}

TRegexp::TRegexp(std::string_view pattern, const LeadByteSet& leadBytes) { Assign(pattern, leadBytes); }

TRegexp& TRegexp::operator=(std::string_view pattern) {
    Assign(pattern, CodePageLeadBytes());
    return *this;
}

void TRegexp::Assign(std::string_view pattern, const LeadByteSet& leadBytes) {
    elements_ = {};
    requiredBytes_.clear();
    leadingBytes_.clear();
    leadBytes_ = leadBytes;
    compiled_ = Compile(UpToZeroByte(pattern));
    if (!compiled_) elements_ = {};
}

bool TRegexp::Compile(std::string_view pattern) {
    try {
        elements_.reserve(kMaxUnits - 1);
        if (!Compiler(elements_, leadBytes_).Run(pattern)) return false;
        requiredBytes_ = LongestLiteralRun(elements_);
        leadingBytes_ = LeadingLiteralRun(elements_);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace keystrip
