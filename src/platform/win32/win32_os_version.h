#pragma once
#include "platform/os_version.h"

namespace velkor::win32 {

class Win32OsVersion : public OsVersion {
  public:
    bool GetVersionRecord(std::uint32_t recordLength, OsVersionRecord& record) override;
};

}  // namespace velkor::win32
