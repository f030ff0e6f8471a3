#include "platform/win32/win32_os_version.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

namespace velkor::win32 {

// The record sizes the program asks for are the sizes of the 8-bit records (they hold no
// pointers, so they are the same in 32- and 64-bit builds).
static_assert(sizeof(OSVERSIONINFOEXA) == kOsVersionExtendedLength);
static_assert(sizeof(OSVERSIONINFOA) == kOsVersionPlainLength);
#if !defined(_WIN64)
static_assert(sizeof(OSVERSIONINFOEXA) == 156 && sizeof(OSVERSIONINFOA) == 148);
#endif

bool Win32OsVersion::GetVersionRecord(std::uint32_t recordLength, OsVersionRecord& record) {
    if (recordLength != kOsVersionExtendedLength && recordLength != kOsVersionPlainLength)
        return false;
    // Windows reports the version it presents to this program: without a manifest that names
    // newer versions, Windows 8.1 and later present themselves as 6.2.
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = recordLength;
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return false;

    record.majorVersion = info.dwMajorVersion;
    record.minorVersion = info.dwMinorVersion;
    record.buildNumber = info.dwBuildNumber;
    record.platformId = info.dwPlatformId;
    static_assert(sizeof(info.szCSDVersion) == std::tuple_size_v<decltype(record.servicePackText)>);
    std::copy(std::begin(info.szCSDVersion), std::end(info.szCSDVersion),
              record.servicePackText.begin());
    if (recordLength == kOsVersionExtendedLength) {
        record.servicePackMajor = info.wServicePackMajor;
        record.servicePackMinor = info.wServicePackMinor;
        record.suiteMask = info.wSuiteMask;
        record.productType = info.wProductType;
    }
    return true;
}

}  // namespace velkor::win32
