// Trigger evaluation and timer control.
#include "app/main_form.h"
#include "app/program.h"

namespace velkor {

void Main::shTOff_Click() {}
void Main::mnuTimerOn_Click() {}
void Main::mnuTimerOff_Click() {}
void Main::SDTimer_Timer() {}
void Main::t2_Timer() {}

}  // namespace velkor
