#pragma once
// Reading single values from the Windows registry. Every read opens the key for reading, reads
// the one value and closes the key again; nothing is ever written. Key paths and value names
// are UTF-8, with "\" between the parts of a path.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

enum class RegistryRoot {
    LocalMachine,  // HKEY_LOCAL_MACHINE
    DynamicData,   // HKEY_DYN_DATA: the dynamic statistics of Windows 95/98/Me only
};

struct RegistryNumber {
    bool keyOpened = false;              // the key exists and could be opened for reading
    std::optional<std::uint32_t> value;  // set when the value exists and holds exactly 4 bytes
};

class Registry {
  public:
    virtual ~Registry() = default;

    // A 32-bit number (4 bytes of data, of any value type, low byte first). Allocates nothing.
    virtual RegistryNumber ReadNumber(RegistryRoot root, std::string_view keyPath,
                                      std::string_view valueName) = 0;

    // A text value (REG_SZ or REG_EXPAND_SZ, not expanded) up to its first zero character.
    // Nothing when the key cannot be opened; an empty text when the value is missing or is
    // not text.
    virtual std::optional<std::string> ReadText(RegistryRoot root, std::string_view keyPath,
                                                std::string_view valueName) = 0;
};

}  // namespace velkor
