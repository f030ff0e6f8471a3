#pragma once
// The settings dialog: shows the settings record in check boxes and text boxes, checks the
// chosen combination of triggers and actions, saves it, and picks the program to start.
// Modeless, created afresh on every opening.
#include <array>

#include "ui/forms/form.h"

namespace velkor {

class Program;

class PrgSettings : public Form {
  public:
    explicit PrgSettings(Program& program);

    void Form_Load() override;
    void VScroll1_Change();
    // Save and close.
    void Command1_Click();
    // Close without saving.
    void Command2_Click();
    // Program picker.
    void Command3_Click();

    void OnClick(Control& control) override;
    void OnChange(Control& control) override;

    std::array<Control*, 6> Check1;  // actions
    std::array<Control*, 5> Check2;  // triggers
    std::array<Control*, 5> Check3;  // options
    Control& Text1;                  // CPU percent
    Control& Text2;                  // CPU seconds
    Control& Text3;                  // free-memory threshold in KB
    Control& Text4;                  // program path
    Control& Text5;                  // date
    Control& Text6;                  // time
    Control& List1;                  // weekday
    Control& VScroll1;               // minute spinner beside the time box
    Control& Command1;
    Control& Command2;
    Control& Command3;

  private:
    void FillFromRecord();
    void CopyIntoRecord();

    Program& program_;
};

}  // namespace velkor
