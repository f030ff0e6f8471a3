// The version record, the registry and WOW64 as Windows (here: Wine) reports them, and what
// the version detection makes of them.
#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <string>

#include "monitors/cls_win_version.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_os_version.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_wow64_query.h"

namespace velkor::win32 {
namespace {

TEST(OsVersionOnWindows, FillsTheExtendedAndThePlainRecord) {
    Win32OsVersion os;
    OsVersionRecord extended;
    ASSERT_TRUE(os.GetVersionRecord(kOsVersionExtendedLength, extended));
    EXPECT_EQ(extended.platformId, kPlatformNT);
    EXPECT_GE(extended.majorVersion, 5u);
    EXPECT_NE(extended.productType, 0);

    OsVersionRecord plain;
    ASSERT_TRUE(os.GetVersionRecord(kOsVersionPlainLength, plain));
    EXPECT_EQ(plain.majorVersion, extended.majorVersion);
    EXPECT_EQ(plain.buildNumber, extended.buildNumber);
    EXPECT_EQ(plain.ServicePackText(), extended.ServicePackText());
    EXPECT_EQ(plain.productType, 0);  // the extended fields stay as they were

    OsVersionRecord untouched;
    untouched.majorVersion = 77;
    EXPECT_FALSE(os.GetVersionRecord(100, untouched));
    EXPECT_EQ(untouched.majorVersion, 77u);
}

TEST(WinVersionOnWindows, DescribesTheRunningSystem) {
    Win32OsVersion os;
    Win32Registry registry;
    Win32Wow64Query wow64;
    clsWinVersion version(os, registry, wow64);
    OsVersionRecord record;
    ASSERT_TRUE(os.GetVersionRecord(kOsVersionExtendedLength, record));

    std::cout << "WindowsName \"" << version.WindowsName() << "\"\nWindowsShortName \""
              << version.WindowsShortName() << "\"\nWindowsType " << version.WindowsType()
              << ", WindowsInfo " << version.WindowsInfo() << " \"" << version.WindowsInfoText()
              << "\"\nNTVersion \"" << version.NTVersion() << "\", NTBuild " << version.NTBuild()
              << ", ServicePack " << version.ServicePack() << ", IsNT " << version.IsNT()
              << ", IsWow64 " << version.IsWow64() << "\nrecord " << record.majorVersion << "."
              << record.minorVersion << " product type " << int(record.productType)
              << " suite mask 0x" << std::hex << record.suiteMask << std::dec << "\n";

    EXPECT_TRUE(version.IsNT());
    EXPECT_EQ(version.NTBuild(), std::to_string(record.buildNumber));
    EXPECT_EQ(version.ServicePack(), std::to_string(record.servicePackMajor) + "." +
                                         std::to_string(record.servicePackMinor));
    EXPECT_NE(version.WindowsName().find("(Build " + version.NTBuild() + "), service pack " +
                                         version.ServicePack()),
              std::string::npos);
    if (record.majorVersion > 5 || (record.majorVersion == 5 && record.minorVersion > 1)) {
        EXPECT_EQ(version.WindowsType(), 0);  // no name of its own for NT newer than XP
    }
    EXPECT_FALSE(version.IsWow64());  // a 64-bit process is never a WOW64 one
}

// A key of our own under HKEY_LOCAL_MACHINE, removed again afterwards.
class RegistryOnWindows : public ::testing::Test {
  protected:
    static constexpr const char* kKey = "SOFTWARE\\Velkor registry test";

    void SetUp() override {
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, Widen(kKey).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, Widen(kKey).c_str());
    }
    void Set(const wchar_t* name, DWORD type, const void* data, DWORD length) {
        ASSERT_EQ(RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), length),
                  ERROR_SUCCESS);
    }

    HKEY key_ = nullptr;
    Win32Registry registry_;
};

TEST_F(RegistryOnWindows, ReadsNumbersOfFourBytes) {
    const DWORD number = 0x12345678;
    const unsigned char binary[4] = {42, 0, 0, 0};
    const unsigned long long wide = 7;
    Set(L"dword", REG_DWORD, &number, sizeof number);
    Set(L"binary", REG_BINARY, binary, sizeof binary);
    Set(L"qword", REG_QWORD, &wide, sizeof wide);

    const auto root = RegistryRoot::LocalMachine;
    EXPECT_EQ(registry_.ReadNumber(root, kKey, "dword").value, 0x12345678u);
    EXPECT_EQ(registry_.ReadNumber(root, kKey, "binary").value, 42u);
    const RegistryNumber tooLong = registry_.ReadNumber(root, kKey, "qword");
    EXPECT_TRUE(tooLong.keyOpened);
    EXPECT_FALSE(tooLong.value.has_value());
    const RegistryNumber missing = registry_.ReadNumber(root, kKey, "missing");
    EXPECT_TRUE(missing.keyOpened);
    EXPECT_FALSE(missing.value.has_value());
    EXPECT_FALSE(registry_.ReadNumber(root, "SOFTWARE\\Velkor no such key", "dword").keyOpened);
}

TEST_F(RegistryOnWindows, ReadsTextUpToItsFirstZero) {
    const wchar_t plain[] = L"WinNT";
    const wchar_t unterminated[] = {L'L', L'a', L'n'};
    const wchar_t twoParts[] = L"first\0second";
    const std::wstring umlaut = L"Gr\u00FC\u00DFe";
    const DWORD number = 1;
    Set(L"plain", REG_SZ, plain, sizeof plain);
    Set(L"unterminated", REG_SZ, unterminated, sizeof unterminated);
    Set(L"twoParts", REG_SZ, twoParts, sizeof twoParts);
    Set(L"umlaut", REG_SZ, umlaut.c_str(), static_cast<DWORD>((umlaut.size() + 1) * 2));
    Set(L"number", REG_DWORD, &number, sizeof number);

    const auto root = RegistryRoot::LocalMachine;
    EXPECT_EQ(registry_.ReadText(root, kKey, "plain"), "WinNT");
    EXPECT_EQ(registry_.ReadText(root, kKey, "unterminated"), "Lan");
    EXPECT_EQ(registry_.ReadText(root, kKey, "twoParts"), "first");
    EXPECT_EQ(registry_.ReadText(root, kKey, "umlaut"),
              "Gr\xC3\xBC\xC3\x9F"
              "e");
    EXPECT_EQ(registry_.ReadText(root, kKey, "number"), "");
    EXPECT_EQ(registry_.ReadText(root, kKey, "missing"), "");
    EXPECT_EQ(registry_.ReadText(root, "SOFTWARE\\Velkor no such key", "plain"), std::nullopt);
}

TEST_F(RegistryOnWindows, SystemValuesTheProgramReads) {
    const auto productType =
        registry_.ReadText(RegistryRoot::LocalMachine,
                           "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", "ProductType");
    ASSERT_TRUE(productType.has_value());
    std::cout << "ProductType \"" << *productType << "\"\n";
    EXPECT_FALSE(productType->empty());

    // The dynamic statistics exist only on Windows 95/98/Me; asking for them elsewhere is safe.
    const RegistryNumber usage =
        registry_.ReadNumber(RegistryRoot::DynamicData, "PerfStats\\StatData", "KERNEL\\CPUUsage");
    std::cout << "HKEY_DYN_DATA statistics opened: " << usage.keyOpened << "\n";
}

}  // namespace
}  // namespace velkor::win32
