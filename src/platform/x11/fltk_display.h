// FLTK on the process's X connection.
#pragma once

namespace keystrip::x11 {

// Hands the X connection to FLTK once; false when there is no display.
bool UseFltk();

}  // namespace keystrip::x11
