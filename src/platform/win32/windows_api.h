// <windows.h> without the macros that would rename operations of the seam.
#pragma once

#include <windows.h>

#undef AnsiToOem
#undef FindWindow
#undef WriteProfileString
