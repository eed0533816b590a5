#include "target/button_records.h"

namespace keystrip {

std::vector<TKeystripButton> Buttons;
int ButtonCount = 0;
bool CutAndPasteMode = false;

}  // namespace keystrip
