#include "target/lead_bytes.h"

#include <optional>

namespace keystrip {
namespace {
std::optional<LeadByteSet> codePageLeadBytes;
}

LeadByteSet::LeadByteSet(const std::vector<LeadByteRange>& ranges) {
    for (const LeadByteRange& range : ranges)
        for (unsigned byte = range.first; byte <= range.last; ++byte) bytes_.set(byte);
}

const LeadByteSet& CodePageLeadBytes() {
    if (!codePageLeadBytes) {
        WindowService* windows = ThePlatform().windows;
        // Without a platform there is no code page to ask yet: single-byte, not kept.
        static const LeadByteSet none;
        if (!windows) return none;
        codePageLeadBytes = LeadByteSet(windows->LeadByteRanges());
    }
    return *codePageLeadBytes;
}

void ForgetCodePageLeadBytes() { codePageLeadBytes.reset(); }

}  // namespace keystrip
