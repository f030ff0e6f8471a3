#pragma once
// Which Windows this is: version, edition and service pack, named and coded. Detected once,
// when the object is made; only IsWow64 asks the system again.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/os_version.h"
#include "platform/registry.h"
#include "platform/wow64_query.h"

namespace velkor {

// Version codes (clsWinVersion::WindowsType).
namespace windows_type {
inline constexpr std::int32_t kUnknown = 0;
inline constexpr std::int32_t kNT3 = 1;
inline constexpr std::int32_t kNT4 = 2;
inline constexpr std::int32_t k2000 = 3;
inline constexpr std::int32_t kXP = 4;
inline constexpr std::int32_t k95 = 5;
inline constexpr std::int32_t k98 = 6;
inline constexpr std::int32_t kMe = 7;
inline constexpr std::int32_t kWin32s = 8;
}  // namespace windows_type

// Edition codes (clsWinVersion::WindowsInfo).
namespace windows_info {
inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kHomeEdition = 1;
inline constexpr std::int32_t kProfessional = 2;
inline constexpr std::int32_t kServer = 3;
inline constexpr std::int32_t kDataCenterServer = 4;
inline constexpr std::int32_t kAdvancedServer = 5;
inline constexpr std::int32_t kOSR2 = 6;
inline constexpr std::int32_t kSE = 7;
}  // namespace windows_info

class clsWinVersion {
  public:
    clsWinVersion(OsVersion& os, Registry& registry, Wow64Query& wow64);
    clsWinVersion(const clsWinVersion&) = delete;
    clsWinVersion& operator=(const clsWinVersion&) = delete;

    bool IsNT() const { return isNT_; }
    const std::string& NTVersion() const { return ntVersion_; }
    const std::string& ServicePack() const { return servicePack_; }
    const std::string& NTBuild() const { return ntBuild_; }
    const std::string& WindowsName() const { return windowsName_; }
    const std::string& WindowsShortName() const { return windowsShortName_; }
    std::int32_t WindowsType() const { return windowsType_; }
    std::int32_t WindowsInfo() const { return windowsInfo_; }
    std::string_view WindowsInfoText() const;
    bool Windows32s() const { return windowsType_ == windows_type::kWin32s; }
    bool Windows95() const { return windowsType_ == windows_type::k95; }
    bool Windows98() const { return windowsType_ == windows_type::k98; }
    bool WindowsME() const { return windowsType_ == windows_type::kMe; }
    bool WindowsNT3() const { return windowsType_ == windows_type::kNT3; }
    bool WindowsNT4() const { return windowsType_ == windows_type::kNT4; }
    bool Windows2000() const { return windowsType_ == windows_type::k2000; }
    bool WindowsXP() const { return windowsType_ == windows_type::kXP; }
    // Asks the system on every read; false whenever it cannot tell.
    bool IsWow64() { return wow64_.IsWow64Process(); }

    // Blanks are the characters 0, 9, 15 and 32 (15, not 13).
    static std::string TrimAll(std::string_view text);
    static std::string TrimLeftBlanks(std::string_view text);
    static std::string TrimRightBlanks(std::string_view text);

  private:
    void DetectVersion(OsVersion& os, Registry& registry);
    void DetectWindows9x(const OsVersionRecord& record);
    void DetectNT(const OsVersionRecord& record, bool extended, Registry& registry);
    void AddEdition(std::string_view nameSuffix, std::int32_t code);
    static std::string ReadRegString(Registry& registry, std::string_view keyPath,
                                     std::string_view valueName);

    Wow64Query& wow64_;
    std::string fullName_;  // built up during detection; WindowsName is its trimmed form
    std::string windowsName_;
    std::string windowsShortName_;
    std::int32_t windowsType_ = windows_type::kUnknown;
    std::int32_t windowsInfo_ = windows_info::kNone;
    bool isNT_ = false;
    std::string servicePack_;
    std::string ntVersion_;
    std::string ntBuild_;
};

}  // namespace velkor
