// The bar's events show their own errors: the platform's exception display
// (caption AppTitle, the message and ".") and then the bar goes on.
#pragma once

#include <exception>

#include "app/config_file.h"
#include "platform/platform.h"

namespace keystrip {

template <typename Handler>
void ShowingExceptions(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ThePlatform().dialogs->ShowException(AppTitle, error.what());
    }
}

}  // namespace keystrip
