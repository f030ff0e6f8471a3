#pragma once
// The first-start window: a progress sequence of about ten seconds while the main window is
// disabled, then the default settings file is written and the main window opened anew.
#include <cstdint>

#include "ui/forms/form.h"

namespace velkor {

class Program;

class Loade : public Form {
  public:
    explicit Loade(Program& program);

    void Form_Load() override;
    // The first tick runs the whole sequence.
    void Timer1_Timer();
    void DisableCloseButton(std::uintptr_t hWnd);

    void OnTimer(FormTimer& timer) override;

    Control& Label1;
    Control& Label2;  // the status line
    Control& pges1;
    FormTimer& Timer1;

  private:
    void RunSequence();

    Program& program_;
    bool sequenceRunning_ = false;
};

}  // namespace velkor
