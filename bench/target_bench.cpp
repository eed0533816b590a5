// The destination lookup's cost: compiling one pattern and searching many
// window titles with it, and the worst patterns for the give-back rule.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "target/destination_window.h"
#include "target/regexp.h"

namespace keystrip {
namespace {

constexpr int kWindowCount = 10'000;

// Titles as a busy desktop shows them, 15 to 80 bytes; none of them ends in
// "- Editor" or begins with "Untitled", so a typical pattern examines them all
// and matches only the last window, which the benchmark appends.
std::vector<std::string> DesktopTitles() {
    static const char* const kForms[] = {
        "Report %d.docx - Word Processor",
        "Inbox (%d) - someone@example.org - Mail",
        "Budget %d.xlsx - Spreadsheet",
        "Project %d - Editor - Debugging",
        "Search results for \"window title %d\" - Web Browser",
        "C:\\Users\\someone\\Documents\\Notes %d",
        "Calculator %d",
        "Terminal - build %d - 80x24",
        "Meeting notes %d - Untitled draft",
        "Photo_%d.jpg (1920x1080) - Image Viewer",
    };
    std::vector<std::string> titles;
    char title[128];
    for (int i = 0; i < kWindowCount - 1; ++i) {
        std::snprintf(title, sizeof title, kForms[i % 10], i);
        titles.push_back(title);
    }
    return titles;
}

// Serves the titles as top-level windows, handle i + 1 for titles[i], at the
// cost of an array lookup: the lookup's own work is what is measured.
class TitleWindows final : public WindowService {
public:
    explicit TitleWindows(std::vector<std::string> titles) : titles_(std::move(titles)) {}

    void EnumerateTopLevelWindows(const std::function<bool(WindowHandle)>& visit) override {
        for (std::size_t i = 0; i < titles_.size(); ++i)
            if (!visit(i + 1)) return;
    }
    bool IsWindow(WindowHandle w) override { return w >= 1 && w <= titles_.size(); }
    int TitleLength(WindowHandle w) override { return static_cast<int>(titles_[w - 1].size()); }
    std::string Title(WindowHandle w, int n) override { return titles_[w - 1].substr(0, n); }
    void Activate(WindowHandle) override {}
    bool ActivateRunningInstance(const std::string&, const std::string&) override { return false; }
    WindowHandle FindWindow(const std::string&, const std::string&) override { return 0; }
    void RequestClose(WindowHandle) override {}
    std::vector<LeadByteRange> LeadByteRanges() override { return {}; }

private:
    std::vector<std::string> titles_;
};

const char* const kTypicalPatterns[] = {"- Editor$", "^Untitled", "Calculator 9999", "[0-9]+x[0-9]+ - Image"};
const char* const kLastTitles[] = {"Untitled - Editor", "Untitled - Editor", "Calculator 9999",
                                   "Screen 800x600 - Image Viewer"};

// Compile once, search every title until the last one matches.
void BM_SearchTenThousandTitles(benchmark::State& state) {
    std::vector<std::string> titles = DesktopTitles();
    titles.push_back(kLastTitles[state.range(0)]);
    const char* pattern = kTypicalPatterns[state.range(0)];
    for (auto _ : state) {
        const TRegexp regexp(pattern, LeadByteSet());
        std::size_t found = titles.size();
        for (std::size_t i = 0; i < titles.size(); ++i) {
            if (regexp.Search(titles[i])) {
                found = i;
                break;
            }
        }
        if (found != titles.size() - 1) state.SkipWithError("the last title should be the first match");
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(pattern);
}
BENCHMARK(BM_SearchTenThousandTitles)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// The whole lookup through the window service: enumeration, validity, title copies.
void BM_FindDestinationWindowAmongTenThousand(benchmark::State& state) {
    std::vector<std::string> titles = DesktopTitles();
    titles.push_back(kLastTitles[state.range(0)]);
    TitleWindows windows(std::move(titles));
    InstallPlatform(Platform{nullptr, nullptr, &windows, nullptr, nullptr});
    const char* pattern = kTypicalPatterns[state.range(0)];
    for (auto _ : state) {
        if (FindDestinationWindow(pattern) != kWindowCount) state.SkipWithError("wrong window");
    }
    InstallPlatform(Platform{});
    ForgetCodePageLeadBytes();
    state.SetLabel(pattern);
}
BENCHMARK(BM_FindDestinationWindowAmongTenThousand)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

std::string Times(int count, const std::string& piece) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

// The worst cases for the give-back rule: as many repetitions as 128 units
// allow, then a literal that the title holds, but not where the pattern needs
// it, so that no shortcut applies. A literal backtracking search would try
// about length^62 / 62! ways at each start; this search costs at most
// elements x length steps.
struct WorstCase {
    const char* name;
    std::string pattern;
    std::string filler;  // the title is made of it, with one "x" in the middle
    bool codePage932;
};
const WorstCase kWorstCases[] = {
    {"62 x \".*\" then x$", Times(62, ".*") + "x$", "a", false},
    {"62 x \"a*\" then x$", Times(62, "a*") + "x$", "a", false},
    {"62 x \".+\" then x$", Times(62, ".+") + "x$", "a", false},
    {"6 x \"[a-z]*\" then x$", Times(6, "[a-z]*") + "x$", "a", false},
    {"62 x \".*\" then x$, double-byte title", Times(62, ".*") + "x$", "\x82\xa0", true},
};

void BM_WorstCaseTitle(benchmark::State& state) {
    const WorstCase& worst = kWorstCases[state.range(0)];
    const std::size_t half = static_cast<std::size_t>(state.range(1)) / 2 / worst.filler.size();
    const std::string title =
        Times(static_cast<int>(half), worst.filler) + "x" + Times(static_cast<int>(half), worst.filler);
    const LeadByteSet leadBytes =
        worst.codePage932 ? LeadByteSet({{0x81, 0x9f}, {0xe0, 0xfc}}) : LeadByteSet();
    const TRegexp regexp(worst.pattern, leadBytes);
    if (!regexp.Compiled()) state.SkipWithError("does not compile");
    for (auto _ : state) {
        if (regexp.Search(title)) state.SkipWithError("should not match");
    }
    state.SetComplexityN(static_cast<std::int64_t>(title.size()));
    state.SetLabel(worst.name);
}
BENCHMARK(BM_WorstCaseTitle)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {64, 256, 1024, 4096}})
    ->Unit(benchmark::kMicrosecond);

// Elements are as costly as the title length: the two together bound a search.
void BM_WorstCaseScaling(benchmark::State& state) {
    const std::string title = std::string(static_cast<std::size_t>(state.range(0)), 'a') + "x" + "a";
    const TRegexp regexp(Times(62, ".*") + "x$", LeadByteSet());
    for (auto _ : state) benchmark::DoNotOptimize(regexp.Search(title));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WorstCaseScaling)
    ->RangeMultiplier(4)
    ->Range(64, 16384)
    ->Complexity()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keystrip
