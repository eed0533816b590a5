#include "platform/x11/fltk_display.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include "platform/x11/x11_display.h"

namespace keystrip::x11 {

bool UseFltk() {
    static bool ready = false;
    if (ready) return true;
    Display* display = TheDisplay();
    if (!display) return false;
    fl_open_display(display);
    Fl::visual(FL_RGB);
    ready = true;
    return true;
}

}  // namespace keystrip::x11
