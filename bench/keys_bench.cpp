// The keystroke engine's own cost: whole 1023-character sequences typed over
// a platform that discards every event, so only parsing, matching and the
// order of calls are measured.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "keys/push_keys.h"
#include "platform/platform.h"

namespace keystrip {
namespace {

class DiscardingPlatform final : public KeyboardService, public SystemService {
public:
    std::uint64_t calls = 0;

    void SendKeyEvent(std::uint8_t, std::uint8_t, bool) override { ++calls; }
    std::uint16_t VirtualKeyOfChar(unsigned char ch) override { return ch; }
    unsigned char AnsiToOem(unsigned char ch) override { return ch; }
    std::uint32_t ScanCodeOfOemChar(unsigned char oem) override { return oem; }
    std::uint32_t ScanCodeOfVirtualKey(std::uint32_t vk) override { return vk; }
    void Pause(std::uint32_t) override { ++calls; }
    bool OpenClipboard() override { return true; }
    void EmptyClipboard() override {}
    void CloseClipboard() override {}
    bool LaunchCommand(const std::string&) override { return true; }
    void BeepExclamation() override {}
};

// Whole pieces up to 1023 characters, then plain text to fill.
std::string Fill(const std::string& piece) {
    std::string keys;
    while (keys.size() + piece.size() <= 1023) keys += piece;
    while (keys.size() < 1023) keys += 'x';
    return keys;
}

void TypeSequence(benchmark::State& state, const std::string& keys) {
    DiscardingPlatform sink;
    Platform platform;
    platform.keyboard = &sink;
    platform.system = &sink;
    InstallPlatform(platform);
    KeyDelay = 0;
    for (auto _ : state) PushKeys(keys.c_str());
    benchmark::DoNotOptimize(sink.calls);
    state.counters["calls"] = benchmark::Counter(static_cast<double>(sink.calls) / state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
    InstallPlatform(Platform{});
}

void PlainText(benchmark::State& state) {
    TypeSequence(state, Fill("The quick brown fox jumps over the lazy dog, 1234567890 times. "));
}

void GroupsAndTokens(benchmark::State& state) {
    TypeSequence(state, Fill("^(+a)%{F4}+(hello){ENTER 2}{tab}~{{}{}}}{BS 3}^c+{a 2}{NUMPAD+}{PGDN}A(b)"));
}

BENCHMARK(PlainText);
BENCHMARK(GroupsAndTokens);

}  // namespace
}  // namespace keystrip
