#pragma once
// A DLL from the system directory, loaded at run time so that Velkor.exe still starts on a
// Windows without it; freed once when the object goes.
#include <windows.h>

#include <type_traits>
#include <utility>

namespace velkor::win32 {

class SystemLibrary {
public:
    // Only the system directory is searched, never the program's folder or the current one.
    explicit SystemLibrary(const wchar_t* name);
    ~SystemLibrary() {
        if (module_) FreeLibrary(module_);
    }
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;
    SystemLibrary(SystemLibrary&& other) noexcept
        : module_(std::exchange(other.module_, nullptr)) {}
    SystemLibrary& operator=(SystemLibrary&&) = delete;

    bool loaded() const { return module_ != nullptr; }

    // The exported function as `Function` (a pointer type, e.g. decltype(&::InternetHangUp)),
    // or null when the library or the function is missing.
    template <typename Function>
    Function Find(const char* name) const {
        static_assert(std::is_pointer_v<Function>);
        if (!module_) return nullptr;
        // Through void(*)(), which converts to any function pointer without a cast warning.
        return reinterpret_cast<Function>(
            reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};

}  // namespace velkor::win32
