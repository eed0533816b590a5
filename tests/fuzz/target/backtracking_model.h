// The search of the window pattern language done the slow, literal way: try
// each start position, match the elements in order, and let a repetition take
// all it can and give back one byte at a time. The fuzz target checks the
// linear-time search against it. Exponential in the number of repetitions, so
// it gives up after a budget of steps.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "target/regexp.h"

namespace keystrip::fuzz {

class BacktrackingModel {
public:
    BacktrackingModel(const TRegexp& regexp, std::string_view text, long budget)
        : elements_(regexp.Elements()),
          leadBytes_(regexp.LeadBytes()),
          text_(UpToZeroByte(text)),
          budget_(budget) {}

    // The leftmost match; nullopt in `result` when there is none. False when the budget ran out.
    bool Search(std::optional<std::size_t>& result) {
        result.reset();
        const std::size_t n = text_.size();
        if (n == 0) {
            const bool onlyAnchors =
                (elements_.size() == 1 && IsAnchor(elements_[0])) ||
                (elements_.size() == 2 && elements_[0].kind == TRegexp::Kind::StartAnchor &&
                 elements_[1].kind == TRegexp::Kind::EndAnchor);
            if (onlyAnchors) result = 0;
            return true;
        }
        for (std::size_t start = 0; start < n; start += CharWidth(start)) {
            if (MatchHere(0, start)) {
                result = start;
                return true;
            }
            if (budget_ < 0) return false;
        }
        return budget_ >= 0;
    }

private:
    using Kind = TRegexp::Kind;
    using Repeat = TRegexp::Repeat;

    static bool IsAnchor(const TRegexp::Element& e) {
        return e.kind == Kind::StartAnchor || e.kind == Kind::EndAnchor;
    }

    unsigned char Byte(std::size_t p) const { return static_cast<unsigned char>(text_[p]); }

    std::size_t CharWidth(std::size_t p) const {
        return leadBytes_.Contains(Byte(p)) && p + 1 < text_.size() ? 2 : 1;
    }

    std::size_t Width(const TRegexp::Element& e, std::size_t p) const {
        if (p >= text_.size()) return 0;
        switch (e.kind) {
            case Kind::Literal:
                return Byte(p) == e.byte ? 1 : 0;
            case Kind::DoubleByteLiteral:
                return Byte(p) == e.byte && p + 1 < text_.size() && Byte(p + 1) == e.trail ? 2 : 0;
            case Kind::AnyChar:
                return Byte(p) == '\n' ? 0 : CharWidth(p);
            case Kind::Class:
                return e.members[Byte(p) & 0x7f] ? 1 : 0;
            default:
                return 0;
        }
    }

    // Longest first, then one byte back at a time, down to `lowest`.
    bool GiveBack(std::size_t i, std::size_t lowest) {
        std::size_t end = lowest;
        while (const std::size_t w = Width(elements_[i], end)) end += w;
        for (std::size_t at = end;; --at) {
            if (MatchHere(i + 1, at)) return true;
            if (at == lowest || budget_ < 0) return false;
        }
    }

    bool MatchHere(std::size_t i, std::size_t p) {
        if (--budget_ < 0) return false;
        if (i == elements_.size()) return true;
        const TRegexp::Element& e = elements_[i];
        switch (e.repeat) {
            case Repeat::Once:
                if (e.kind == Kind::StartAnchor) return p == 0 && MatchHere(i + 1, p);
                if (e.kind == Kind::EndAnchor)
                    return (p == text_.size() || Byte(p) == '\n') && MatchHere(i + 1, p);
                if (const std::size_t w = Width(e, p)) return MatchHere(i + 1, p + w);
                return false;
            case Repeat::ZeroOrOne:
                return MatchHere(i + 1, p + Width(e, p));
            case Repeat::ZeroOrMore:
                return GiveBack(i, p);
            case Repeat::OneOrMore:
                if (const std::size_t w = Width(e, p)) return GiveBack(i, p + w);
                return false;
        }
        return false;
    }

    std::span<const TRegexp::Element> elements_;
    const LeadByteSet& leadBytes_;
    std::string_view text_;
    long budget_;
};

}  // namespace keystrip::fuzz
