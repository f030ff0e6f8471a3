#pragma once
// A version record to hand out, and whether the extended or the plain size is accepted; every
// call's record size is recorded.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/os_version.h"

namespace velkor::fakes {

class FakeOsVersion : public OsVersion {
  public:
    OsVersionRecord record;
    bool extendedAccepted = true;  // false plays a system older than NT 4 SP6 or Windows 2000
    bool plainAccepted = true;
    std::vector<std::uint32_t> calls;  // the record size of each call

    bool GetVersionRecord(std::uint32_t recordLength, OsVersionRecord& out) override {
        calls.push_back(recordLength);
        if (recordLength == kOsVersionExtendedLength && extendedAccepted) {
            out = record;
            return true;
        }
        if (recordLength == kOsVersionPlainLength && plainAccepted) {
            const OsVersionRecord extendedFields = out;
            out = record;
            out.servicePackMajor = extendedFields.servicePackMajor;
            out.servicePackMinor = extendedFields.servicePackMinor;
            out.suiteMask = extendedFields.suiteMask;
            out.productType = extendedFields.productType;
            return true;
        }
        return false;
    }

    // A record in one line: FakeOsVersion::Record(2, 5, 1, 2600, "Service Pack 2").
    static OsVersionRecord Record(std::uint32_t platformId, std::uint32_t major,
                                  std::uint32_t minor, std::uint32_t build,
                                  std::string_view servicePackText) {
        OsVersionRecord r;
        r.platformId = platformId;
        r.majorVersion = major;
        r.minorVersion = minor;
        r.buildNumber = build;
        servicePackText.copy(r.servicePackText.data(), r.servicePackText.size());
        return r;
    }
};

}  // namespace velkor::fakes
