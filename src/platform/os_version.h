#pragma once
// The Windows version record (OSVERSIONINFOEXA, 8-bit form) as GetVersionExA fills it.
#include <array>
#include <cstdint>
#include <string_view>

namespace velkor {

// Values of OsVersionRecord::platformId.
inline constexpr std::uint32_t kPlatformWin32s = 0;
inline constexpr std::uint32_t kPlatformWindows9x = 1;  // Windows 95, 98, Me
inline constexpr std::uint32_t kPlatformNT = 2;

// Sizes of the record in bytes: the extended record and the plain one without the fields from
// servicePackMajor on.
inline constexpr std::uint32_t kOsVersionExtendedLength = 156;
inline constexpr std::uint32_t kOsVersionPlainLength = 148;

struct OsVersionRecord {
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 0;
    std::array<char, 128> servicePackText{};  // zero-terminated unless all 128 are used
    // The extended fields: 0 when only the plain record was filled.
    std::uint16_t servicePackMajor = 0;
    std::uint16_t servicePackMinor = 0;
    std::uint16_t suiteMask = 0;
    std::uint8_t productType = 0;

    // The service-pack text up to its first zero character.
    std::string_view ServicePackText() const {
        std::size_t length = 0;
        while (length < servicePackText.size() && servicePackText[length] != '\0') ++length;
        return {servicePackText.data(), length};
    }
};

class OsVersion {
  public:
    virtual ~OsVersion() = default;
    // GetVersionExA with the record's size set to `recordLength` (kOsVersionExtendedLength or
    // kOsVersionPlainLength). On success fills `record` (the extended fields only for the
    // extended length) and returns true; on failure returns false and leaves `record` as it was.
    virtual bool GetVersionRecord(std::uint32_t recordLength, OsVersionRecord& record) = 0;
};

// Asks for the extended record and, when the system refuses it, for the plain one (whose
// extended fields then stay as they were). Returns whether the extended record was filled.
inline bool QueryOsVersion(OsVersion& os, OsVersionRecord& record) {
    if (os.GetVersionRecord(kOsVersionExtendedLength, record)) return true;
    os.GetVersionRecord(kOsVersionPlainLength, record);
    return false;
}

}  // namespace velkor
