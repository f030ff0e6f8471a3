// Windows version detection: names, codes and editions from the version record, the product
// type in the registry when the record has no extended part, and the blank trimming.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fake_os_version.h"
#include "fake_registry.h"
#include "fake_wow64_query.h"
#include "monitors/cls_win_version.h"

namespace velkor {
namespace {

using fakes::FakeOsVersion;

const std::string kProductOptions = "SYSTEM\\CurrentControlSet\\Control\\ProductOptions";

struct Expected {
    std::string name, shortName;
    std::int32_t type, info;
    std::string infoText;
    bool isNT;
    std::string ntVersion, ntBuild, servicePack;
};

struct VersionCase {
    const char* name;
    OsVersionRecord record;
    bool extended;                           // whether the system fills the extended record
    std::optional<std::string> productType;  // the registry's ProductType, when it has one
    Expected expected;
    friend void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.name; }
};

OsVersionRecord Nt(std::uint32_t major, std::uint32_t minor, std::uint32_t build,
                   const char* servicePackText, std::uint16_t spMajor, std::uint8_t productType,
                   std::uint16_t suiteMask) {
    OsVersionRecord r = FakeOsVersion::Record(kPlatformNT, major, minor, build, servicePackText);
    r.servicePackMajor = spMajor;
    r.productType = productType;
    r.suiteMask = suiteMask;
    return r;
}

OsVersionRecord Win9x(std::uint32_t minor, const char* servicePackText) {
    return FakeOsVersion::Record(kPlatformWindows9x, 4, minor, 0, servicePackText);
}

class WinVersionTable : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WinVersionTable, DescribesTheRecord) {
    const VersionCase& c = GetParam();
    FakeOsVersion os;
    os.record = c.record;
    os.extendedAccepted = c.extended;
    fakes::FakeRegistry registry;
    if (c.productType)
        registry.Set(RegistryRoot::LocalMachine, kProductOptions, "ProductType", *c.productType);
    fakes::FakeWow64Query wow64;

    const clsWinVersion version(os, registry, wow64);

    const Expected& e = c.expected;
    EXPECT_EQ(version.WindowsName(), e.name);
    EXPECT_EQ(version.WindowsShortName(), e.shortName);
    EXPECT_EQ(version.WindowsType(), e.type);
    EXPECT_EQ(version.WindowsInfo(), e.info);
    EXPECT_EQ(version.WindowsInfoText(), e.infoText);
    EXPECT_EQ(version.IsNT(), e.isNT);
    EXPECT_EQ(version.NTVersion(), e.ntVersion);
    EXPECT_EQ(version.NTBuild(), e.ntBuild);
    EXPECT_EQ(version.ServicePack(), e.servicePack);
    const std::array<bool, 8> flags = {
        version.WindowsNT3(), version.WindowsNT4(), version.Windows2000(), version.WindowsXP(),
        version.Windows95(),  version.Windows98(),  version.WindowsME(),   version.Windows32s()};
    for (std::int32_t code = 1; code <= 8; ++code)
        EXPECT_EQ(flags[static_cast<std::size_t>(code - 1)], e.type == code) << "code " << code;
    // The registry is asked only when the record has no extended part, and only on NT.
    const bool asksRegistry = !c.extended && c.record.platformId == kPlatformNT;
    EXPECT_EQ(registry.calls.size(), asksRegistry ? 1u : 0u);
    EXPECT_EQ(wow64.calls, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WinVersionTable,
    ::testing::Values(
        VersionCase{"xp_professional",
                    Nt(5, 1, 2600, "Service Pack 2", 2, 1, 0x0100),
                    true,
                    {},
                    {"Windows XP Professional Service Pack 2 (Build 2600), service pack 2.0",
                     "Windows XP", 4, 2, "Professional", true, "Service Pack 2", "2600", "2.0"}},
        VersionCase{"xp_home",
                    Nt(5, 1, 2600, "Service Pack 1", 1, 1, 0x0300),
                    true,
                    {},
                    {"Windows XP Home Edition Service Pack 1 (Build 2600), service pack 1.0",
                     "Windows XP", 4, 1, "Home Edition", true, "Service Pack 1", "2600", "1.0"}},
        VersionCase{"w2000_server",
                    Nt(5, 0, 2195, "", 0, 3, 0),
                    true,
                    {},
                    {"Windows 2000 Server  (Build 2195), service pack 0.0", "Windows 2000", 3, 3,
                     "Server", true, "", "2195", "0.0"}},
        VersionCase{
            "w2000_datacenter",
            Nt(5, 0, 2195, "Service Pack 4", 4, 3, 0x0082),
            true,
            {},
            {"Windows 2000 DataCenter Server Service Pack 4 (Build 2195), service pack 4.0",
             "Windows 2000", 3, 4, "Server Data Center", true, "Service Pack 4", "2195", "4.0"}},
        VersionCase{"w2000_advanced",
                    Nt(5, 0, 2195, "", 0, 3, 0x0002),
                    true,
                    {},
                    {"Windows 2000 Advanced Server  (Build 2195), service pack 0.0", "Windows 2000",
                     3, 5, "Server Advanced", true, "", "2195", "0.0"}},
        // A domain controller (product type 2) gets no edition.
        VersionCase{"w2000_domain_controller",
                    Nt(5, 0, 2195, "Service Pack 4", 4, 2, 0),
                    true,
                    {},
                    {"Windows 2000 Service Pack 4 (Build 2195), service pack 4.0", "Windows 2000",
                     3, 0, "", true, "Service Pack 4", "2195", "4.0"}},
        VersionCase{
            "nt4_extended",
            Nt(4, 0, 1381, "Service Pack 6", 6, 1, 0),
            true,
            {},
            {"Windows NT 4Professional version 4.0Service Pack 6 (Build 1381), service pack "
             "6.0",
             "Windows NT 4", 2, 2, "Professional", true, "4.0Service Pack 6", "1381", "6.0"}},
        // Without the extended record the service pack numbers stay 0 even when the system
        // knows them, and the edition comes from the registry, compared in upper case.
        VersionCase{
            "nt4_plain_winnt",
            Nt(4, 0, 1381, "Service Pack 3", 3, 1, 0),
            false,
            "WinNT",
            {"Windows NT 4Professional version 4.0Service Pack 3 (Build 1381), service pack "
             "0.0",
             "Windows NT 4", 2, 2, "Professional", true, "4.0Service Pack 3", "1381", "0.0"}},
        VersionCase{"nt4_plain_lanmannt",
                    Nt(4, 0, 1381, "", 0, 0, 0),
                    false,
                    "LanmanNT",
                    {"Windows NT 4Server version 4.0 (Build 1381), service pack 0.0",
                     "Windows NT 4", 2, 3, "Server", true, "4.0", "1381", "0.0"}},
        VersionCase{"nt4_plain_servernt",
                    Nt(4, 0, 1381, "", 0, 0, 0),
                    false,
                    "servernt",
                    {"Windows NT 4Advanced Server version 4.0 (Build 1381), service pack 0.0",
                     "Windows NT 4", 2, 5, "Server Advanced", true, "4.0", "1381", "0.0"}},
        VersionCase{"nt4_plain_unknown_product",
                    Nt(4, 0, 1381, "", 0, 0, 0),
                    false,
                    "WinNT ",
                    {"Windows NT 4version 4.0 (Build 1381), service pack 0.0", "Windows NT 4", 2, 0,
                     "", true, "4.0", "1381", "0.0"}},
        VersionCase{"nt351_plain_no_product_key",
                    Nt(3, 51, 1057, "Service Pack 5", 0, 0, 0),
                    false,
                    {},
                    {"Windows NT 3version 3.51Service Pack 5 (Build 1057), service pack 0.0",
                     "Windows NT 3", 1, 0, "", true, "3.51Service Pack 5", "1057", "0.0"}},
        // Newer NT versions have no name of their own but keep the NT details.
        VersionCase{"nt60_workstation",
                    Nt(6, 0, 6001, "Service Pack 1", 1, 1, 0),
                    true,
                    {},
                    {"Professional Service Pack 1 (Build 6001), service pack 1.0", "", 0, 2,
                     "Professional", true, "Service Pack 1", "6001", "1.0"}},
        VersionCase{"nt52_server",
                    Nt(5, 2, 3790, "Service Pack 2", 2, 3, 0),
                    true,
                    {},
                    {"Server Service Pack 2 (Build 3790), service pack 2.0", "", 0, 3, "Server",
                     true, "Service Pack 2", "3790", "2.0"}},
        VersionCase{"w98_se_as_written",
                    Win9x(10, "A"),
                    true,
                    {},
                    {"Windows 98 SE", "Windows 98 SE", 6, 7, "SE", false, "", "", ""}},
        // Windows itself writes the release letter after a blank.
        VersionCase{"w98_se_as_windows_writes_it",
                    Win9x(10, " A "),
                    true,
                    {},
                    {"Windows 98 SE", "Windows 98 SE", 6, 7, "SE", false, "", "", ""}},
        VersionCase{"w98_first_edition",
                    Win9x(10, ""),
                    true,
                    {},
                    {"Windows 98", "Windows 98", 6, 0, "", false, "", "", ""}},
        VersionCase{"w95_osr2_b",
                    Win9x(0, "B"),
                    true,
                    {},
                    {"Windows 95 OSR2", "Windows 95 OSR2", 5, 6, "OSR2", false, "", "", ""}},
        VersionCase{"w95_osr25_c",
                    Win9x(0, " C"),
                    false,
                    {},
                    {"Windows 95 OSR2", "Windows 95 OSR2", 5, 6, "OSR2", false, "", "", ""}},
        VersionCase{"w95_a_is_no_osr2",
                    Win9x(0, " a"),
                    false,
                    {},
                    {"Windows 95", "Windows 95", 5, 0, "", false, "", "", ""}},
        VersionCase{"w_me",
                    Win9x(90, " "),
                    true,
                    {},
                    {"Windows Me", "Windows Me", 7, 0, "", false, "", "", ""}},
        VersionCase{
            "w9x_unknown_minor", Win9x(3, "A"), true, {}, {"", "", 0, 0, "", false, "", "", ""}},
        VersionCase{"win32s",
                    FakeOsVersion::Record(kPlatformWin32s, 1, 30, 0, ""),
                    false,
                    {},
                    {"Win32s", "Win32s", 8, 0, "", false, "", "", ""}},
        VersionCase{"unknown_platform",
                    FakeOsVersion::Record(3, 10, 0, 0, ""),
                    true,
                    {},
                    {"", "", 0, 0, "", false, "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WinVersion, AsksForTheRecordOnceAndForWow64OnEveryRead) {
    FakeOsVersion os;
    os.record = Nt(10, 0, 19045, "", 0, 1, 0);
    os.extendedAccepted = false;
    fakes::FakeRegistry registry;
    fakes::FakeWow64Query wow64;
    clsWinVersion version(os, registry, wow64);
    EXPECT_EQ(os.calls, (std::vector<std::uint32_t>{156, 148}));
    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{"ReadText HKLM " + kProductOptions + " ProductType"}));

    EXPECT_FALSE(version.IsWow64());
    wow64.answer = true;
    EXPECT_TRUE(version.IsWow64());
    EXPECT_EQ(wow64.calls, 2);
    EXPECT_EQ(os.calls.size(), 2u);
}

TEST(WinVersion, TrimsTheBlankCharactersZeroTabFifteenAndSpace) {
    using V = clsWinVersion;
    const std::string blanks("\0\t\x0F ", 4);
    struct Case {
        std::string text, all, left, right;
    };
    const std::vector<Case> cases = {
        {"  Word  ", "Word", "Word  ", "  Word"},
        {blanks + "a b" + blanks, "a b", "a b" + blanks, blanks + "a b"},
        {blanks, "", "", ""},
        {"", "", "", ""},
        {"\r\nx\r\n", "\r\nx\r\n", "\r\nx\r\n", "\r\nx\r\n"},  // 13 and 10 are not blanks
    };
    for (const Case& c : cases) {
        EXPECT_EQ(V::TrimAll(c.text), c.all) << c.text;
        EXPECT_EQ(V::TrimLeftBlanks(c.text), c.left) << c.text;
        EXPECT_EQ(V::TrimRightBlanks(c.text), c.right) << c.text;
    }
}

}  // namespace
}  // namespace velkor
