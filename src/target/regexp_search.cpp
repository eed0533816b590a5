// Searching a text with a compiled pattern.
//
// The dialect's search tries start positions from left to right and, at each,
// matches the elements in order; a repetition first takes as much as it can,
// then gives back one byte at a time until the rest of the pattern matches.
// Done literally, that backtracking costs up to length^k steps for k
// repetitions. But whether the rest of a pattern matches from a position
// depends only on the element and the position, never on how the position was
// reached, and the result is only the start position. So one pass over the
// text gives the same answers: at each byte it keeps, for every element, the
// earliest start from which that element is reached there. A repetition
// reaches its rest at every position its give-back would try: the boundaries of
// its longest run and the bytes inside its double-byte steps. "?" and the first
// repetition of "+" are taken whenever they match and never given back.
//
// Cost: at most (elements x (text length + 1)) steps, with elements below 128;
// nothing is allocated. Most titles cost less: a title without the pattern's
// longest plain literal run is passed over by one substring search, and the
// pass skips to the next byte that can begin a match.
#include <algorithm>
#include <bit>
#include <cstdint>

#include "target/regexp.h"

namespace keystrip {
namespace {

using Element = TRegexp::Element;
using Kind = TRegexp::Kind;
using Repeat = TRegexp::Repeat;

constexpr std::size_t kNone = SIZE_MAX;
constexpr std::size_t kMaxElements = TRegexp::kMaxUnits - 1;

enum Slot {
    kEntry,   // about to match the element; the entry after the last element is the match
    kRun,     // in a repetition, at a boundary of its run
    kWithin,  // in a repetition, inside a double-byte step
};

// The threads at one text position: for each element and slot, the earliest
// start position from which the match has got there. Only the slots of the
// elements marked live hold values; the others are stale.
struct Frame {
    std::size_t slots[3][kMaxElements + 1];
    std::uint64_t live[2];

    bool Any() const { return (live[0] | live[1]) != 0; }
    bool Has(std::size_t i) const { return (live[i / 64] >> (i % 64)) & 1; }
    // The first live element from i on; 128 when there is none.
    std::size_t NextLive(std::size_t i) const {
        while (i < 128) {
            if (const std::uint64_t rest = live[i / 64] >> (i % 64)) return i + std::countr_zero(rest);
            i = (i / 64 + 1) * 64;
        }
        return 128;
    }
};

class Matcher {
public:
    Matcher(std::span<const Element> elements, const LeadByteSet& leadBytes, std::string_view leadingBytes,
            std::string_view text)
        : elements_(elements), leadBytes_(leadBytes), leadingBytes_(leadingBytes), text_(text) {}

    std::optional<std::size_t> Run() {
        for (Frame& frame : frames_) frame.live[0] = frame.live[1] = 0;
        std::size_t nextStart = NextCandidate(0);
        std::size_t p = 0;
        while (true) {
            if (p == nextStart && p < Size() && best_ == kNone) {
                Reach(At(p), kEntry, 0, p);
                nextStart = NextCandidate(p + CharWidth(p));
            }
            Step(p);
            if (At(p + 1).Any() || At(p + 2).Any()) {
                ++p;
            } else if (best_ == kNone && nextStart < Size()) {
                p = nextStart;  // nothing can happen before it
            } else {
                break;
            }
        }
        if (best_ == kNone) return std::nullopt;
        return best_;
    }

private:
    std::size_t Size() const { return text_.size(); }
    unsigned char Byte(std::size_t p) const { return static_cast<unsigned char>(text_[p]); }
    Frame& At(std::size_t p) { return frames_[p % 3]; }

    void Reach(Frame& frame, Slot slot, std::size_t i, std::size_t start) {
        if (start >= best_) return;  // also drops kNone
        if (!frame.Has(i)) {
            frame.live[i / 64] |= std::uint64_t{1} << (i % 64);
            frame.slots[kEntry][i] = frame.slots[kRun][i] = frame.slots[kWithin][i] = kNone;
        }
        frame.slots[slot][i] = std::min(frame.slots[slot][i], start);
    }

    // One character: a lead byte takes the byte after it when there is one.
    std::size_t CharWidth(std::size_t p) const {
        return leadBytes_.Contains(Byte(p)) && p + 1 < Size() ? 2 : 1;
    }

    // How many bytes a character-taking element takes at p; 0 when it does not match.
    std::size_t Width(const Element& element, std::size_t p) const {
        if (p >= Size()) return 0;
        const unsigned char c = Byte(p);
        switch (element.kind) {
            case Kind::Literal:
                return c == element.byte ? 1 : 0;
            case Kind::DoubleByteLiteral:
                return c == element.byte && p + 1 < Size() && Byte(p + 1) == element.trail ? 2 : 0;
            case Kind::AnyChar:
                return c == '\n' ? 0 : CharWidth(p);
            case Kind::Class:
                return element.members[c & 0x7f] ? 1 : 0;
            case Kind::StartAnchor:
            case Kind::EndAnchor:
                break;
        }
        return 0;
    }

    // The first start position from `from` on (itself a start position) at
    // which the pattern's first element can match; the text's size when there is none.
    std::size_t NextCandidate(std::size_t from) const {
        if (from >= Size()) return Size();
        const Element& first = elements_.front();
        if (first.repeat == Repeat::ZeroOrMore || first.repeat == Repeat::ZeroOrOne) return from;
        if (first.kind == Kind::StartAnchor) return from == 0 ? 0 : Size();
        if (first.kind != Kind::Literal && first.kind != Kind::DoubleByteLiteral) return from;
        if (leadBytes_.Empty()) {
            // Every byte is a start position: look for the literals the pattern begins with.
            const std::size_t found = leadingBytes_.empty() ? text_.find(static_cast<char>(first.byte), from)
                                                            : text_.find(leadingBytes_, from);
            return std::min(found, Size());
        }
        for (std::size_t p = from; p < Size(); p += CharWidth(p))
            if (Byte(p) == first.byte) return p;
        return Size();
    }

    // A repetition at p: its rest may start here; its run may go on.
    void Repetition(std::size_t i, std::size_t p, Frame* const frames[3], std::size_t run,
                    std::size_t within) {
        Reach(*frames[0], kEntry, i + 1, std::min(run, within));
        if (run == kNone) return;
        const std::size_t width = Width(elements_[i], p);
        if (width == 1) {
            Reach(*frames[1], kRun, i, run);
        } else if (width == 2) {
            Reach(*frames[1], kWithin, i, run);
            Reach(*frames[2], kRun, i, run);
        }
    }

    void Step(std::size_t p) {
        // This position and the next two, the farthest a character reaches.
        Frame* const frames[3] = {&At(p), &At(p + 1), &At(p + 2)};
        Frame& here = *frames[0];
        const std::size_t count = elements_.size();
        // Moves within this position go to later elements, which the loop reaches after.
        for (std::size_t i = here.NextLive(0); i < count; i = here.NextLive(i + 1)) {
            const Element& element = elements_[i];
            const std::size_t start = here.slots[kEntry][i];
            switch (element.repeat) {
                case Repeat::Once: {
                    if (element.kind == Kind::StartAnchor) {
                        if (p == 0) Reach(here, kEntry, i + 1, start);
                    } else if (element.kind == Kind::EndAnchor) {
                        if (p == Size() || Byte(p) == '\n') Reach(here, kEntry, i + 1, start);
                    } else if (const std::size_t width = Width(element, p)) {
                        Reach(*frames[width], kEntry, i + 1, start);
                    }
                    break;
                }
                case Repeat::ZeroOrOne:
                    Reach(*frames[Width(element, p)], kEntry, i + 1, start);
                    break;
                case Repeat::OneOrMore:
                    if (const std::size_t width = start == kNone ? 0 : Width(element, p))
                        Reach(*frames[width], kRun, i, start);
                    Repetition(i, p, frames, here.slots[kRun][i], here.slots[kWithin][i]);
                    break;
                case Repeat::ZeroOrMore:
                    Repetition(i, p, frames, std::min(start, here.slots[kRun][i]), here.slots[kWithin][i]);
                    break;
            }
        }
        if (here.Has(count)) best_ = std::min(best_, here.slots[kEntry][count]);
        here.live[0] = here.live[1] = 0;
    }

    std::span<const Element> elements_;
    const LeadByteSet& leadBytes_;
    std::string_view leadingBytes_;
    std::string_view text_;
    std::size_t best_ = kNone;
    Frame frames_[3];
};

// The empty text has no start position; only "^", "$" and "^$" match it.
bool MatchesEmptyText(std::span<const Element> elements) {
    if (elements.size() == 1)
        return elements[0].kind == Kind::StartAnchor || elements[0].kind == Kind::EndAnchor;
    return elements.size() == 2 && elements[0].kind == Kind::StartAnchor &&
           elements[1].kind == Kind::EndAnchor;
}

}  // namespace

std::optional<std::size_t> TRegexp::Search(std::string_view text) const {
    if (!compiled_) return std::nullopt;
    text = UpToZeroByte(text);
    if (text.empty()) {
        if (MatchesEmptyText(elements_)) return 0;
        return std::nullopt;
    }
    if (text.find(requiredBytes_) == std::string_view::npos) return std::nullopt;
    return Matcher(elements_, leadBytes_, leadingBytes_, text).Run();
}

}  // namespace keystrip
