// The processor load meter on the system's real processor times: near 0 when the machine is
// idle, clearly higher while this test keeps one processor busy.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "monitors/cls_cpu_load.h"
#include "platform/win32/win32_os_version.h"
#include "platform/win32/win32_processor_times.h"
#include "platform/win32/win32_registry.h"

namespace velkor::win32 {
namespace {

std::uint64_t Units(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Processor time this process has used so far, in 100 ns units.
std::uint64_t OwnProcessorTime() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return Units(kernel) + Units(user);
}

std::uint64_t Now() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return Units(now);
}

// The machine's load as the host reports it, when the test runs under Wine: Wine shows the
// host's root as drive Z:, and its /proc/stat is the truth the meter must follow even when
// other programs load the host. Nothing on real Windows.
struct HostTimes {
    std::uint64_t busy = 0, idle = 0;
};
std::optional<HostTimes> ReadHostTimes() {
    std::ifstream stat("Z:\\proc\\stat");
    std::string cpu;
    std::uint64_t user, nice, system, idle, iowait, irq, softirq, steal;
    if (!(stat >> cpu >> user >> nice >> system >> idle >> iowait >> irq >> softirq >> steal) ||
        cpu != "cpu")
        return std::nullopt;
    return HostTimes{user + nice + system + irq + softirq + steal, idle + iowait};
}

// The host's load between two readings, in percent.
double HostLoad(const HostTimes& before, const HostTimes& after) {
    const double busy = static_cast<double>(after.busy - before.busy);
    const double idle = static_cast<double>(after.idle - before.idle);
    return busy + idle > 0 ? 100.0 * busy / (busy + idle) : 0.0;
}

struct Measurement {
    std::int32_t meter;          // the mean of four readings, half a second apart
    std::optional<double> host;  // the host's load over the same two seconds
    double ownShare;             // this process's share of all processors meanwhile
};

class CpuLoadOnWindows : public ::testing::Test {
  protected:
    Measurement MeasureTwoSeconds() {
        meter_.Value();  // ends the interval before: the window starts from here
        meter_.StackSize(4);
        const auto hostBefore = ReadHostTimes();
        const std::uint64_t ownBefore = OwnProcessorTime();
        const std::uint64_t wallBefore = Now();
        Measurement m{};
        for (int i = 0; i < 4; ++i) {
            Sleep(500);
            m.meter = meter_.Value();
        }
        const auto hostAfter = ReadHostTimes();
        if (hostBefore && hostAfter) m.host = HostLoad(*hostBefore, *hostAfter);
        m.ownShare = 100.0 * static_cast<double>(OwnProcessorTime() - ownBefore) /
                     static_cast<double>(Now() - wallBefore) / Processors();
        return m;
    }

    static double Processors() {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        return system.dwNumberOfProcessors;
    }

    static void Print(const char* what, const Measurement& m) {
        std::cout << what << ": meter " << m.meter << " %, host "
                  << (m.host ? std::to_string(*m.host) + " %" : "unknown") << ", this process "
                  << m.ownShare << " % of " << Processors() << " processors\n";
    }

    Win32OsVersion os_;
    Win32ProcessorTimes times_;
    Win32Registry registry_;
    clsCPULoad meter_{os_, times_, registry_};
};

TEST_F(CpuLoadOnWindows, ProcessorTimesMove) {
    const auto before = times_.Read();
    ASSERT_TRUE(before.has_value());
    Sleep(300);
    const auto after = times_.Read();
    ASSERT_TRUE(after.has_value());
    const std::uint64_t elapsed = (after->kernel - before->kernel) + (after->user - before->user);
    EXPECT_GT(elapsed, 0u);
    EXPECT_GE(after->idle, before->idle);
    EXPECT_LE(after->idle - before->idle, elapsed);
}

TEST_F(CpuLoadOnWindows, ReadsNearZeroWhenIdle) {
    EXPECT_EQ(meter_.Value(), 0);  // the first reading only sets the starting point
    const Measurement idle = MeasureTwoSeconds();
    Print("idle", idle);
    if (idle.host) {
        // Other programs may keep the host busy: the meter has to say what the host says.
        EXPECT_NEAR(idle.meter, *idle.host, 15);
        if (*idle.host < 5) {
            EXPECT_LE(idle.meter, 15);
        }
    } else {
        EXPECT_LE(idle.meter, 25);
    }
}

TEST_F(CpuLoadOnWindows, ReadsClearlyHigherWhileOneProcessorIsBusy) {
    const Measurement before = MeasureTwoSeconds();
    std::atomic<bool> stop{false};
    std::thread busy([&stop] {
        volatile std::uint64_t spin = 0;
        while (!stop.load(std::memory_order_relaxed)) spin = spin + 1;
    });
    Sleep(200);
    const Measurement loaded = MeasureTwoSeconds();
    stop = true;
    busy.join();
    Print("before", before);
    Print("one processor busy", loaded);

    EXPECT_LE(loaded.meter, 100);
    // The machine is at least as busy as this process, whatever else runs on it.
    EXPECT_GE(loaded.meter, loaded.ownShare - 10);
    if (loaded.host) {
        EXPECT_NEAR(loaded.meter, *loaded.host, 15);
    }
    // On a quiet machine the busy processor alone shows clearly.
    if (before.meter <= 10) {
        EXPECT_GE(loaded.meter, before.meter + 100 / Processors() / 2);
    }
}

}  // namespace
}  // namespace velkor::win32
