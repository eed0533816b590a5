// Compiles an arbitrary pattern and searches arbitrary texts with it, with and
// without the lead bytes of code page 932, and checks every answer against the
// literal backtracking search.
//
// Input: one byte of options (bit 0: code page 932), then the pattern, then the
// texts, each ended by a zero byte (a pattern and a title end there anyway).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "backtracking_model.h"
#include "target/regexp.h"

namespace {

using keystrip::LeadByteSet;
using keystrip::TRegexp;

constexpr long kModelBudget = 20'000;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "regexp_fuzz: %s\n", what);
    std::abort();
}

int UnitsOf(const TRegexp::Element& e) {
    auto byteUnits = [](unsigned char c) { return c < 128 ? 1 : 2; };
    int units = e.repeat == TRegexp::Repeat::Once ? 0 : 1;
    switch (e.kind) {
        case TRegexp::Kind::Literal:
            return units + byteUnits(e.byte);
        case TRegexp::Kind::DoubleByteLiteral:
            return units + byteUnits(e.byte) + byteUnits(e.trail);
        case TRegexp::Kind::Class:
            return units + 17;
        default:
            return units + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const LeadByteSet codePage932({{0x81, 0x9f}, {0xe0, 0xfc}});
    const LeadByteSet& leadBytes = (data[0] & 1) ? codePage932 : LeadByteSet();
    std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::size_t patternEnd = std::min(input.find('\0'), input.size());
    const TRegexp regexp(input.substr(0, patternEnd), leadBytes);
    input.remove_prefix(std::min(patternEnd + 1, input.size()));

    int units = 1;
    for (const TRegexp::Element& e : regexp.Elements()) units += UnitsOf(e);
    if (regexp.Compiled() && units > TRegexp::kMaxUnits) Fail("compiled form over 128 units");
    if (!regexp.Compiled() && !regexp.Elements().empty()) Fail("failed compile left elements");

    while (true) {
        const std::size_t textEnd = std::min(input.find('\0'), input.size());
        const std::string_view text = input.substr(0, textEnd);
        const std::optional<std::size_t> found = regexp.Search(text);
        if (found && !regexp.Compiled()) Fail("a pattern that did not compile matched");
        if (found && *found >= std::max<std::size_t>(text.size(), 1)) Fail("match beyond the text");

        std::optional<std::size_t> expected;
        keystrip::fuzz::BacktrackingModel model(regexp, text, kModelBudget);
        if (regexp.Compiled() && model.Search(expected) && expected != found)
            Fail("differs from backtracking");

        if (textEnd >= input.size()) break;
        input.remove_prefix(textEnd + 1);
    }
    return 0;
}
