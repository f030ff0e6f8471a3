// Runs a fixed number of display and trigger ticks, for counting instructions under
// valgrind --tool=callgrind: tick_instructions display|trigger|none COUNT. "none" does the
// set-up only, so its count can be taken off.
#include <cstdlib>
#include <cstring>

#include "main_window_ticks.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const bool display = std::strcmp(argv[1], "display") == 0;
    const bool trigger = std::strcmp(argv[1], "trigger") == 0;
    const long count = std::atol(argv[2]);
    velkor::bench::TickingProgram ticking;
    for (long i = 0; i < count; ++i) {
        ticking.Advance();
        if (display) ticking.program->main.PrgTimer_Timer();
        if (trigger) ticking.program->main.SDTimer_Timer();
    }
    return 0;
}
