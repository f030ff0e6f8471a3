#pragma once
// A Windows session that records the token steps and power requests instead of making them.
#include <memory>
#include <optional>
#include <string>

#include "call_log.h"
#include "platform/session_control.h"

namespace velkor::fakes {

class FakeSessionControl : public SessionControl {
public:
    static constexpr PrivilegeId kShutdownPrivilege = 0x13;

    explicit FakeSessionControl(CallLog& log) : log_(log) {}

    std::optional<std::uint32_t> platformId = 2;  // VER_PLATFORM_WIN32_NT
    bool tokenOpens = true;
    bool lookupSucceeds = true;
    bool adjustmentSucceeds = true;

    std::optional<std::uint32_t> QueryPlatformId() override { return platformId; }

    std::unique_ptr<ProcessToken> OpenProcessToken(std::uint32_t access) override {
        log_.push_back("OpenProcessToken(" + Hex(access) + ")");
        if (!tokenOpens) return nullptr;
        return std::make_unique<Token>(log_, adjustmentSucceeds);
    }

    PrivilegeId LookupPrivilegeId(std::string_view name) override {
        log_.push_back("LookupPrivilegeValue(" + std::string(name) + ")");
        return lookupSucceeds && name == "SeShutdownPrivilege" ? kShutdownPrivilege : 0;
    }

    bool RequestExit(std::uint32_t flags) override {
        log_.push_back("ExitWindowsEx(" + std::to_string(flags) + ", 0)");
        return true;
    }

    bool SetSuspendState(bool hibernate, bool force, bool wakeupEventsDisabled) override {
        log_.push_back("SetSuspendState(" + std::to_string(hibernate) + ", " +
                       std::to_string(force) + ", " + std::to_string(wakeupEventsDisabled) + ")");
        return true;
    }

private:
    class Token : public ProcessToken {
    public:
        Token(CallLog& log, bool adjustmentSucceeds)
            : log_(log), adjustmentSucceeds_(adjustmentSucceeds) {}
        ~Token() override { log_.push_back("CloseHandle(token)"); }
        bool EnablePrivilege(PrivilegeId privilege) override {
            log_.push_back("AdjustTokenPrivileges(enable " + Hex(privilege) + ")");
            return adjustmentSucceeds_;
        }

    private:
        CallLog& log_;
        bool adjustmentSucceeds_;
    };

    CallLog& log_;
};

}  // namespace velkor::fakes
