#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <array>

#include "platform/win32/wide_text.h"

namespace velkor::win32 {

namespace {
constexpr std::size_t kMaxNameLength = 512;  // characters, with the terminating zero
using NameBuffer = std::array<wchar_t, kMaxNameLength>;

// Converts into a buffer on the stack, so that a reading allocates nothing. UTF-16 never needs
// more characters than UTF-8 has bytes.
bool WidenInto(std::string_view utf8, NameBuffer& out) {
    if (utf8.size() >= out.size()) return false;
    int length = 0;
    if (!utf8.empty()) {
        length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                     static_cast<int>(utf8.size()), out.data(),
                                     static_cast<int>(out.size() - 1));
        if (length <= 0) return false;
    }
    out[static_cast<std::size_t>(length)] = L'\0';
    return true;
}

HKEY RootKey(RegistryRoot root) {
    return root == RegistryRoot::DynamicData ? HKEY_DYN_DATA : HKEY_LOCAL_MACHINE;
}

// An open registry key, closed once.
class UniqueKey {
  public:
    UniqueKey() = default;
    ~UniqueKey() {
        if (key_) RegCloseKey(key_);
    }
    UniqueKey(const UniqueKey&) = delete;
    UniqueKey& operator=(const UniqueKey&) = delete;

    // Opens the key for reading; false when it does not exist or may not be read.
    bool Open(RegistryRoot root, std::string_view keyPath) {
        NameBuffer path;
        if (key_ || !WidenInto(keyPath, path)) return false;
        HKEY key = nullptr;
        if (RegOpenKeyExW(RootKey(root), path.data(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        key_ = key;
        return true;
    }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};
}  // namespace

RegistryNumber Win32Registry::ReadNumber(RegistryRoot root, std::string_view keyPath,
                                         std::string_view valueName) {
    RegistryNumber result;
    UniqueKey key;
    if (!key.Open(root, keyPath)) return result;
    result.keyOpened = true;
    NameBuffer name;
    if (!WidenInto(valueName, name)) return result;
    DWORD data = 0;
    DWORD length = sizeof data;
    if (RegQueryValueExW(key.get(), name.data(), nullptr, nullptr, reinterpret_cast<BYTE*>(&data),
                         &length) == ERROR_SUCCESS &&
        length == sizeof data)
        result.value = data;
    return result;
}

std::optional<std::string> Win32Registry::ReadText(RegistryRoot root, std::string_view keyPath,
                                                   std::string_view valueName) {
    UniqueKey key;
    if (!key.Open(root, keyPath)) return std::nullopt;
    NameBuffer name;
    if (!WidenInto(valueName, name)) return std::string();
    std::wstring text;
    // The value may grow between asking for its size and reading it: ask again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD length = 0;  // bytes
        if (RegQueryValueExW(key.get(), name.data(), nullptr, &type, nullptr, &length) !=
                ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::string();
        text.assign(length / sizeof(wchar_t) + 1, L'\0');
        length = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status = RegQueryValueExW(key.get(), name.data(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(text.data()), &length);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::string();
        // Stored text need not end in a zero character; the buffer has one to spare.
        text.resize(length / sizeof(wchar_t));
        const std::size_t end = text.find(L'\0');
        if (end != std::wstring::npos) text.resize(end);
        return Narrow(text);
    }
    return std::string();
}

}  // namespace velkor::win32
