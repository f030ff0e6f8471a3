#pragma once
// The info window: product name, version and the maker's lines. Laid out as a start-up
// splash (no OK button, a timer that hands over to the main window after two seconds); the
// program always opens it in info state, where it stays until OK is pressed.
#include "ui/forms/forms.h"

namespace velkor {

class frmSplash : public Form {
public:
    frmSplash(Forms& forms, Form& mainWindow);

    // Loads the window if needed, shows OK, stops Timer1 and shows it without blocking.
    void OpenInfo();

    void OK_Click();
    void Timer1_Timer();

    void OnClick(Control& control) override;
    void OnTimer(FormTimer& timer) override;

    Control& OK;
    FormTimer& Timer1;

private:
    Forms& forms_;
    Form& mainWindow_;
};

}  // namespace velkor
