#pragma once
// A whole program on the fake platform, started with the default settings and the trigger
// timer on, for measuring what one display tick and one trigger tick cost our own code.
#include <memory>

#include "app/program.h"
#include "fake_platform.h"

namespace velkor::bench {

struct TickingProgram {
    fakes::FakePlatform platform;
    std::unique_ptr<Program> program;

    TickingProgram() {
        platform.WriteSettingsWith([](SettingsRecord& s) { s.TimeValue = "22:30:00"; });
        platform.clock.SetLocal(2026, 12, 24, 8, 0, 0);
        program = std::make_unique<Program>(platform.services);
        program->Start();
        program->main.shTOn_Click();
    }

    // Half a second passes, as between two ticks; the fakes forget what they recorded.
    void Advance() {
        platform.clock.Advance(500);
        platform.processorTimes.PassAtPermille(120);
        if (platform.windows.changes.size() > 4096) platform.windows.changes.clear();
    }
};

}  // namespace velkor::bench
