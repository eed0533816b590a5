// The bar's main form.
#pragma once

namespace keystrip {

// Creates the main form (its creation handler reads the configuration and builds
// the buttons), then runs the message loop until the form is closed.
void RunMainForm();

}  // namespace keystrip
