// The bar's grid: buttons fill the form's width row by row, touching each other.
#pragma once

#include "platform/platform.h"

namespace keystrip {

// How many buttons fit side by side in the form's outer width; at least 1.
int GridColumns(int outerWidth, int buttonWidth);

// The client position of the button at that index.
PixelPoint GridCell(int index, int columns, int buttonWidth, int buttonHeight);

}  // namespace keystrip
