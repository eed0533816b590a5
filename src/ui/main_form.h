// The bar's main form.
#pragma once

#include "platform/platform.h"
#include "ui/form_placement.h"

namespace keystrip {

// The width and height of every button: 0 until the bar is built, then the
// largest of ButtonSize and every caption's extent plus 4.
extern int ButtonWidth;
extern int ButtonHeight;

// The main form's behaviour. The platform carries its events here; every
// exception of a handler is shown with the exception display, and the bar goes on.
class TKeystripMainForm final : public BarEvents {
public:
    // Reads the configuration, builds the buttons and gives them their common size.
    void FormCreate();
    // Lays the buttons out in rows that fill the form's width.
    void FormResize();
    // Destroys the buttons.
    void FormClose();

    void OnCreate() override;
    void OnShow() override;
    void OnCloseQuery() override;
    void OnClose() override;
    void OnDestroy() override;
    void OnResize() override;
    void OnButtonClick(int tag) override;

private:
    TFormPlacement FormPlacement1;
    // Buttons exist from the end of FormCreate until FormClose.
    bool built_ = false;
    // How many buttons the platform shows.
    int shownButtons_ = 0;
};

// Creates the main form (its creation handler reads the configuration and builds
// the buttons), then runs the message loop until the form is closed.
void RunMainForm();

}  // namespace keystrip
