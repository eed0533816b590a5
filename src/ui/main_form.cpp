#include "ui/main_form.h"

#include "app/config_file.h"
#include "keys/push_keys.h"
#include "target/button_click.h"
#include "target/button_records.h"
#include "ui/bar_catalogue.h"
#include "ui/button_size.h"
#include "ui/exception_display.h"
#include "ui/grid_layout.h"

namespace keystrip {

int ButtonWidth = 0;
int ButtonHeight = 0;

namespace {

BarWindowService& Bar() { return *ThePlatform().bar; }

}  // namespace

void TKeystripMainForm::FormCreate() {
    FormPlacement1.IniFileName = ConfigFile->FileName();
    Bar().SetCaption(AppTitle);
    Bar().SetApplicationTitle(AppTitle);

    const BarCatalogue catalogue = ReadBarCatalogue(*ConfigFile);
    Bar().SetShowHints(catalogue.ShowHints);
    CutAndPasteMode = catalogue.CutAndPaste;
    KeyDelay = catalogue.Sleep;
    Bar().SetStayOnTop(catalogue.StayOnTop);
    if (!catalogue.TaskbarButton) Bar().HideTaskbarEntry();
    ButtonWidth = catalogue.ButtonSize;
    ButtonHeight = catalogue.ButtonSize;

    ButtonCount = static_cast<int>(catalogue.Buttons.size());
    if (ButtonCount == 0) {
        ThePlatform().dialogs->ShowMessageBox(AppTitle, kButtonCountMissingMessage);
        Bar().Close();
        return;
    }
    Buttons.assign(catalogue.Buttons.size(), TKeystripButton{});
    for (int i = 0; i < ButtonCount; ++i) {
        const ButtonDescription& button = catalogue.Buttons[static_cast<std::size_t>(i)];
        Buttons[static_cast<std::size_t>(i)] = TKeystripButton{button.InsertText, button.Destination};
        Bar().AddButton(i, button.Caption, BarFontOf(button.Font), button.Hint);
        ++shownButtons_;
        FitButtonSizeToCaption(button.Caption, button.Font);
    }
    for (int i = 0; i < ButtonCount; ++i) Bar().SetButtonBounds(i, 0, 0, ButtonWidth, ButtonHeight);
    built_ = true;
}

void TKeystripMainForm::FormResize() {
    if (!built_) return;
    const int columns = GridColumns(Bar().OuterWidth(), ButtonWidth);
    for (int i = 0; i < ButtonCount; ++i) {
        const PixelPoint cell = GridCell(i, columns, ButtonWidth, ButtonHeight);
        Bar().SetButtonBounds(i, cell.x, cell.y, ButtonWidth, ButtonHeight);
    }
}

void TKeystripMainForm::FormClose() {
    built_ = false;
    for (int i = 0; i < shownButtons_; ++i) Bar().RemoveButton(i);
    shownButtons_ = 0;
    Buttons.clear();
    ButtonCount = 0;
}

void TKeystripMainForm::OnCreate() {
    ShowingExceptions([this] { FormCreate(); });
}

void TKeystripMainForm::OnShow() { FormPlacement1.FormShow(); }

void TKeystripMainForm::OnCloseQuery() { FormPlacement1.FormCloseQuery(); }

void TKeystripMainForm::OnClose() {
    ShowingExceptions([this] { FormClose(); });
}

void TKeystripMainForm::OnDestroy() { FormPlacement1.FormDestroy(); }

void TKeystripMainForm::OnResize() {
    ShowingExceptions([this] { FormResize(); });
}

void TKeystripMainForm::OnButtonClick(int tag) {
    if (!built_ || tag < 0 || tag >= ButtonCount) return;
    ShowingExceptions([tag] { ButtonClick(tag); });
}

void RunMainForm() {
    Bar().SetApplicationTitle("Keystrip");
    TKeystripMainForm form;
    Bar().RunApplication(form);
}

}  // namespace keystrip
