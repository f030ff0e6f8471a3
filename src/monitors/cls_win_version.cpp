#include "monitors/cls_win_version.h"

#include <array>

namespace velkor {

namespace {
// Suite mask flags and product types of the extended version record.
constexpr std::uint16_t kSuiteEnterprise = 0x0002;  // VER_SUITE_ENTERPRISE
constexpr std::uint16_t kSuiteDataCenter = 0x0080;  // VER_SUITE_DATACENTER
constexpr std::uint16_t kSuitePersonal = 0x0200;    // VER_SUITE_PERSONAL: Home Edition
constexpr std::uint8_t kProductWorkstation = 1;     // VER_NT_WORKSTATION
constexpr std::uint8_t kProductServer = 3;          // VER_NT_SERVER

constexpr std::string_view kProductOptionsKey =
    "SYSTEM\\CurrentControlSet\\Control\\ProductOptions";

constexpr std::array<std::string_view, 8> kInfoTexts = {
    "",  "Home Edition", "Professional", "Server", "Server Data Center", "Server Advanced", "OSR2",
    "SE"};

bool IsBlank(char c) { return c == 0 || c == 9 || c == 15 || c == 32; }

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The letter that marks a service release of Windows 95 and 98. Windows writes it after a
// blank (" B", " C", " A"), so the first character that is not blank counts.
char ServiceReleaseLetter(const OsVersionRecord& record) {
    const std::string letters = clsWinVersion::TrimLeftBlanks(record.ServicePackText());
    return letters.empty() ? '\0' : letters.front();
}
}  // namespace

clsWinVersion::clsWinVersion(OsVersion& os, Registry& registry, Wow64Query& wow64) : wow64_(wow64) {
    DetectVersion(os, registry);
}

std::string_view clsWinVersion::WindowsInfoText() const {
    if (windowsInfo_ < 0 || windowsInfo_ >= static_cast<std::int32_t>(kInfoTexts.size())) return {};
    return kInfoTexts[static_cast<std::size_t>(windowsInfo_)];
}

void clsWinVersion::DetectVersion(OsVersion& os, Registry& registry) {
    OsVersionRecord record;
    const bool extended = QueryOsVersion(os, record);
    switch (record.platformId) {
        case kPlatformWin32s:
            fullName_ = "Win32s ";
            windowsShortName_ = "Win32s";
            windowsType_ = windows_type::kWin32s;
            break;
        case kPlatformWindows9x:
            DetectWindows9x(record);
            break;
        case kPlatformNT:
            DetectNT(record, extended, registry);
            break;
        default:
            break;
    }
    windowsName_ = TrimAll(fullName_);
    windowsShortName_ = TrimAll(windowsShortName_);
}

void clsWinVersion::DetectWindows9x(const OsVersionRecord& record) {
    const char letter = ServiceReleaseLetter(record);
    if (record.majorVersion != 4) return;
    switch (record.minorVersion) {
        case 0:
            fullName_ = "Windows 95 ";
            windowsType_ = windows_type::k95;
            if (letter == 'B' || letter == 'C') AddEdition("OSR2 ", windows_info::kOSR2);
            windowsShortName_ = TrimAll(fullName_);
            break;
        case 10:
            fullName_ = "Windows 98 ";
            windowsType_ = windows_type::k98;
            if (letter == 'A') AddEdition("SE ", windows_info::kSE);
            windowsShortName_ = TrimAll(fullName_);
            break;
        case 90:
            fullName_ = "Windows Me ";
            windowsShortName_ = "Windows Me";
            windowsType_ = windows_type::kMe;
            break;
        default:
            break;
    }
}

void clsWinVersion::DetectNT(const OsVersionRecord& record, bool extended, Registry& registry) {
    const std::uint32_t major = record.majorVersion;
    const std::uint32_t minor = record.minorVersion;
    if (major < 4) {
        fullName_ = windowsShortName_ = "Windows NT 3";
        windowsType_ = windows_type::kNT3;
    } else if (major == 4) {
        fullName_ = windowsShortName_ = "Windows NT 4";
        windowsType_ = windows_type::kNT4;
    } else if (major == 5 && minor == 0) {
        fullName_ = "Windows 2000 ";
        windowsShortName_ = "Windows 2000";
        windowsType_ = windows_type::k2000;
    } else if (major == 5 && minor == 1) {
        fullName_ = "Windows XP ";
        windowsShortName_ = "Windows XP";
        windowsType_ = windows_type::kXP;
    }

    if (extended) {
        if (record.productType == kProductWorkstation) {
            if (record.suiteMask & kSuitePersonal)
                AddEdition("Home Edition ", windows_info::kHomeEdition);
            else
                AddEdition("Professional ", windows_info::kProfessional);
        } else if (record.productType == kProductServer) {
            if (record.suiteMask & kSuiteDataCenter)
                AddEdition("DataCenter Server ", windows_info::kDataCenterServer);
            else if (record.suiteMask & kSuiteEnterprise)
                AddEdition("Advanced Server ", windows_info::kAdvancedServer);
            else
                AddEdition("Server ", windows_info::kServer);
        }
    } else {
        const std::string productType =
            UpperAscii(ReadRegString(registry, kProductOptionsKey, "ProductType"));
        if (productType == "WINNT")
            AddEdition("Professional ", windows_info::kProfessional);
        else if (productType == "LANMANNT")
            AddEdition("Server ", windows_info::kServer);
        else if (productType == "SERVERNT")
            AddEdition("Advanced Server ", windows_info::kAdvancedServer);
    }

    ntBuild_ = std::to_string(record.buildNumber);
    if (major <= 4) {
        ntVersion_ = std::to_string(major) + "." + std::to_string(minor) +
                     std::string(record.ServicePackText());
        fullName_ += "version " + ntVersion_ + " (Build " + ntBuild_ + ")";
    } else {
        ntVersion_ = TrimAll(record.ServicePackText());
        fullName_ += ntVersion_ + " (Build " + ntBuild_ + ")";
    }
    servicePack_ =
        std::to_string(record.servicePackMajor) + "." + std::to_string(record.servicePackMinor);
    fullName_ += ", service pack " + servicePack_;
    isNT_ = true;
}

void clsWinVersion::AddEdition(std::string_view nameSuffix, std::int32_t code) {
    fullName_ += nameSuffix;
    windowsInfo_ = code;
}

std::string clsWinVersion::ReadRegString(Registry& registry, std::string_view keyPath,
                                         std::string_view valueName) {
    return registry.ReadText(RegistryRoot::LocalMachine, keyPath, valueName).value_or("");
}

std::string clsWinVersion::TrimAll(std::string_view text) {
    return TrimLeftBlanks(TrimRightBlanks(text));
}

std::string clsWinVersion::TrimLeftBlanks(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    return std::string(text.substr(first));
}

std::string clsWinVersion::TrimRightBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(0, end));
}

}  // namespace velkor
