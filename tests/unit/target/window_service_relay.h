// A window service that relays every call to the recording platform and lets a
// test close windows at the moments a real window system could: while the
// windows are being listed, or right after.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/recording/recording_platform.h"

namespace keystrip {

class WindowServiceRelay final : public WindowService {
public:
    explicit WindowServiceRelay(recording::RecordingPlatform& platform) : platform_(platform) {}

    // Runs when the listing reaches a window, before the lookup sees it.
    std::function<void(WindowHandle)> onVisit;
    // Runs when the listing has ended.
    std::function<void()> afterListing;
    std::vector<WindowHandle> visited;

    void EnumerateTopLevelWindows(const std::function<bool(WindowHandle)>& visit) override {
        platform_.EnumerateTopLevelWindows([&](WindowHandle h) {
            visited.push_back(h);
            if (onVisit) onVisit(h);
            return visit(h);
        });
        if (afterListing) afterListing();
    }
    bool IsWindow(WindowHandle w) override { return platform_.IsWindow(w); }
    int TitleLength(WindowHandle w) override { return platform_.TitleLength(w); }
    std::string Title(WindowHandle w, int n) override { return platform_.Title(w, n); }
    void Activate(WindowHandle w) override { platform_.Activate(w); }
    bool ActivateRunningInstance(const std::string& c, const std::string& t) override {
        return platform_.ActivateRunningInstance(c, t);
    }
    WindowHandle FindWindow(const std::string& c, const std::string& t) override {
        return platform_.FindWindow(c, t);
    }
    void RequestClose(WindowHandle w) override { platform_.RequestClose(w); }
    std::vector<LeadByteRange> LeadByteRanges() override { return platform_.LeadByteRanges(); }

    // Closes a window without recording it, as its own program would.
    void Vanish(WindowHandle w) {
        std::erase_if(platform_.windows, [w](const recording::RecordedWindow& r) { return r.handle == w; });
    }

private:
    recording::RecordingPlatform& platform_;
};

}  // namespace keystrip
