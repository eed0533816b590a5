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
// nothing is allocated.
#include <algorithm>
#include <cstdint>

#include "target/regexp.h"

namespace keystrip {
namespace {

using Element = TRegexp::Element;
using Kind = TRegexp::Kind;
using Repeat = TRegexp::Repeat;

constexpr std::size_t kNone = SIZE_MAX;
constexpr std::size_t kMaxElements = TRegexp::kMaxUnits - 1;

// The threads at one text position: for each element, the earliest start
// position from which the match has got there, or kNone.
struct Frame {
    std::size_t entry[kMaxElements + 1];  // about to match element i; entry[count]: matched
    std::size_t run[kMaxElements];        // in a repetition, at a boundary of its run
    std::size_t within[kMaxElements];     // in a repetition, inside a double-byte step
    bool live;                            // any thread here
};

class Matcher {
public:
    Matcher(std::span<const Element> elements, const LeadByteSet& leadBytes, std::string_view text)
        : elements_(elements), leadBytes_(leadBytes), text_(text) {}

    std::optional<std::size_t> Run() {
        for (Frame& frame : frames_) Clear(frame);
        std::size_t nextStart = NextCandidate(0);
        std::size_t p = 0;
        while (true) {
            if (p == nextStart && p < Size() && best_ == kNone) {
                Reach(At(p), At(p).entry[0], p);
                nextStart = NextCandidate(p + CharWidth(p));
            }
            Step(p);
            if (At(p + 1).live || At(p + 2).live) {
                ++p;
            } else if (best_ == kNone && nextStart < text_.size()) {
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

    void Clear(Frame& frame) {
        std::fill_n(frame.entry, elements_.size() + 1, kNone);
        std::fill_n(frame.run, elements_.size(), kNone);
        std::fill_n(frame.within, elements_.size(), kNone);
        frame.live = false;
    }

    void Reach(Frame& frame, std::size_t& slot, std::size_t start) {
        if (start < best_ && start < slot) {
            slot = start;
            frame.live = true;
        }
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
    // which the first element can match; the text's size when there is none.
    std::size_t NextCandidate(std::size_t from) const {
        if (from >= Size()) return Size();
        const Element& first = elements_.front();
        if (first.repeat == Repeat::ZeroOrMore || first.repeat == Repeat::ZeroOrOne) return from;
        if (first.kind == Kind::StartAnchor) return from == 0 ? 0 : Size();
        if (first.kind != Kind::Literal && first.kind != Kind::DoubleByteLiteral) return from;
        const char wanted = static_cast<char>(first.byte);
        if (leadBytes_.Empty()) return std::min(text_.find(wanted, from), Size());
        for (std::size_t p = from; p < Size(); p += CharWidth(p))
            if (text_[p] == wanted) return p;
        return Size();
    }

    // A repetition at p: its rest may start here; its run may go on.
    void Repetition(std::size_t i, std::size_t p, std::size_t run, std::size_t within) {
        Frame& here = At(p);
        Reach(here, here.entry[i + 1], std::min(run, within));
        if (run == kNone) return;
        const std::size_t width = Width(elements_[i], p);
        if (width == 1) {
            Reach(At(p + 1), At(p + 1).run[i], run);
        } else if (width == 2) {
            Reach(At(p + 1), At(p + 1).within[i], run);
            Reach(At(p + 2), At(p + 2).run[i], run);
        }
    }

    void Step(std::size_t p) {
        Frame& here = At(p);
        for (std::size_t i = 0; i < elements_.size(); ++i) {
            const Element& element = elements_[i];
            const std::size_t start = here.entry[i];
            switch (element.repeat) {
                case Repeat::Once: {
                    if (start == kNone) break;
                    if (element.kind == Kind::StartAnchor) {
                        if (p == 0) Reach(here, here.entry[i + 1], start);
                    } else if (element.kind == Kind::EndAnchor) {
                        if (p == Size() || Byte(p) == '\n') Reach(here, here.entry[i + 1], start);
                    } else if (const std::size_t width = Width(element, p)) {
                        Reach(At(p + width), At(p + width).entry[i + 1], start);
                    }
                    break;
                }
                case Repeat::ZeroOrOne: {
                    if (start == kNone) break;
                    const std::size_t width = Width(element, p);
                    Reach(At(p + width), At(p + width).entry[i + 1], start);
                    break;
                }
                case Repeat::OneOrMore: {
                    if (start != kNone) {
                        if (const std::size_t width = Width(element, p))
                            Reach(At(p + width), At(p + width).run[i], start);
                    }
                    Repetition(i, p, here.run[i], here.within[i]);
                    break;
                }
                case Repeat::ZeroOrMore:
                    Repetition(i, p, std::min(start, here.run[i]), here.within[i]);
                    break;
            }
        }
        best_ = std::min(best_, here.entry[elements_.size()]);
        Clear(here);
    }

    std::span<const Element> elements_;
    const LeadByteSet& leadBytes_;
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
    return Matcher(elements_, leadBytes_, text).Run();
}

}  // namespace keystrip
