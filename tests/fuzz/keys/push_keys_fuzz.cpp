// Feeds arbitrary byte strings to PushKeys over the recording platform and
// checks, besides memory safety, what every sequence must leave behind: every
// modifier key the driver pressed is released (and none released before it was
// pressed), the latches are clear, and the sequence stayed within its limits.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "keys/push_keys.h"
#include "keys/sequence_limits.h"
#include "platform/recording/recording_platform.h"

namespace keystrip {
namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "push_keys_fuzz: %s\n", what);
    std::abort();
}

// Answers lookups and the clipboard and launch calls from the recording
// platform, and keeps the figures to check of the key events and pauses.
class CheckingPlatform final : public KeyboardService, public SystemService {
public:
    explicit CheckingPlatform(recording::RecordingPlatform& recorded) : recorded_(recorded) {}

    void Reset() {
        for (int& held : modifiersDown) held = 0;
        keyEvents = 0;
        pauseTotal = 0;
        recorded_.ClearTrace();
    }

    int modifiersDown[3] = {};  // Shift, Ctrl, Alt
    long keyEvents = 0;
    std::uint64_t pauseTotal = 0;

    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed) override {
        ++keyEvents;
        if (virtualKey >= 0x10 && virtualKey <= 0x12) {
            int& held = modifiersDown[virtualKey - 0x10];
            held += pressed ? 1 : -1;
            if (held < 0) Fail("a modifier was released that was not pressed");
        }
        // Not recorded: a sequence may send tens of thousands of events, and
        // writing each as a trace line would slow the fuzzer tenfold.
        (void)scanCode;
    }
    std::uint16_t VirtualKeyOfChar(unsigned char ch) override { return recorded_.VirtualKeyOfChar(ch); }
    unsigned char AnsiToOem(unsigned char ch) override { return recorded_.AnsiToOem(ch); }
    std::uint32_t ScanCodeOfOemChar(unsigned char oem) override { return recorded_.ScanCodeOfOemChar(oem); }
    std::uint32_t ScanCodeOfVirtualKey(std::uint32_t vk) override {
        return recorded_.ScanCodeOfVirtualKey(vk);
    }

    void Pause(std::uint32_t milliseconds) override {
        if (milliseconds > kMaxPauseMilliseconds) Fail("a pause longer than the longest one");
        pauseTotal += milliseconds;
    }
    bool OpenClipboard() override { return recorded_.OpenClipboard(); }
    void EmptyClipboard() override { recorded_.EmptyClipboard(); }
    void CloseClipboard() override { recorded_.CloseClipboard(); }
    bool LaunchCommand(const std::string& commandLine) override {
        return recorded_.LaunchCommand(commandLine);
    }
    void BeepExclamation() override { recorded_.BeepExclamation(); }

private:
    recording::RecordingPlatform& recorded_;
};

recording::RecordingPlatform& Recorded() {
    static recording::RecordingPlatform recorded;
    return recorded;
}

CheckingPlatform& Checking() {
    static CheckingPlatform checking(Recorded());
    return checking;
}

}  // namespace
}  // namespace keystrip

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace keystrip;
    CheckingPlatform& checking = Checking();
    Platform platform = Recorded().Services();
    platform.keyboard = &checking;
    platform.system = &checking;
    InstallPlatform(platform);
    checking.Reset();
    KeyDelay = 0;

    // The sequence ends at the first NUL, as a C string does.
    const std::string keys(reinterpret_cast<const char*>(data), size);
    PushKeys(keys.c_str());

    for (int held : checking.modifiersDown)
        if (held != 0) Fail("a modifier is still down after PushKeys returned");
    if (ShiftLatched != 0 || CtrlLatched != 0 || AltLatched != 0) Fail("a latch is still set");
    if (checking.keyEvents > 4L * kSequenceWorkUnits) Fail("more key events than the sequence's work allows");
    if (checking.pauseTotal > kMaxSequencePauseMilliseconds) Fail("longer pauses than a sequence allows");
    return 0;
}
