// The keystrip program for Linux: the bar on X11.
#include <string>
#include <vector>

#include "app/startup.h"
#include "platform/x11/x11_platform.h"

int main(int argc, char** argv) {
    static keystrip::x11::X11Platform platform;
    keystrip::InstallPlatform(platform.Services());
    return keystrip::KeystripMain(std::vector<std::string>(argv + 1, argv + argc));
}
