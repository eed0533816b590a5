#include "ui/main_form.h"

#include <exception>

#include "app/config_file.h"
#include "ui/grid_layout.h"

namespace keystrip {

int ButtonWidth = 0;
int ButtonHeight = 0;

namespace {

BarWindowService& Bar() { return *ThePlatform().bar; }

// The platform's exception display: the bar goes on after it.
template <typename Handler>
void Guarded(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ThePlatform().dialogs->ShowException(AppTitle, error.what());
    }
}

}  // namespace

void TKeystripMainForm::FormCreate() {
    FormPlacement1.IniFileName = ConfigFile->FileName();
    Bar().SetCaption(AppTitle);
    Bar().SetApplicationTitle(AppTitle);
}

void TKeystripMainForm::FormResize() {
    if (!built_) return;
    const int columns = GridColumns(Bar().OuterWidth(), ButtonWidth);
    for (int i = 0; i < shownButtons_; ++i) {
        const PixelPoint cell = GridCell(i, columns, ButtonWidth, ButtonHeight);
        Bar().SetButtonBounds(i, cell.x, cell.y, ButtonWidth, ButtonHeight);
    }
}

void TKeystripMainForm::FormClose() {
    built_ = false;
    for (int i = 0; i < shownButtons_; ++i) Bar().RemoveButton(i);
    shownButtons_ = 0;
}

void TKeystripMainForm::OnCreate() {
    Guarded([this] { FormCreate(); });
}

void TKeystripMainForm::OnShow() { FormPlacement1.FormShow(); }

void TKeystripMainForm::OnCloseQuery() { FormPlacement1.FormCloseQuery(); }

void TKeystripMainForm::OnClose() {
    Guarded([this] { FormClose(); });
}

void TKeystripMainForm::OnDestroy() { FormPlacement1.FormDestroy(); }

void TKeystripMainForm::OnResize() {
    Guarded([this] { FormResize(); });
}

void TKeystripMainForm::OnButtonClick(int /*tag*/) {}

void RunMainForm() {
    Bar().SetApplicationTitle("Keystrip");
    TKeystripMainForm form;
    Bar().RunApplication(form);
}

}  // namespace keystrip
