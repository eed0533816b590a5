// The exception family that the bar catches and shows with its exception display.
#pragma once

#include <stdexcept>
#include <string>

namespace keystrip {

class KeystripError : public std::runtime_error {
public:
    explicit KeystripError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace keystrip
