#include "ui/grid_layout.h"

#include <algorithm>

namespace keystrip {

int GridColumns(int outerWidth, int buttonWidth) { return std::max(1, outerWidth / buttonWidth); }

PixelPoint GridCell(int index, int columns, int buttonWidth, int buttonHeight) {
    return {index % columns * buttonWidth, index / columns * buttonHeight};
}

}  // namespace keystrip
