#pragma once
// The upgrade window: shown while a settings file of the previous version is converted into
// the current format, and for three seconds after.
#include "ui/forms/form.h"

namespace velkor {

class Program;

class Update : public Form {
  public:
    explicit Update(Program& program);

    // Converts the file before the window's opening returns.
    void Form_Load() override;

    Control& Label1;

  private:
    Program& program_;
};

}  // namespace velkor
