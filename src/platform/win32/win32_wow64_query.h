#pragma once
#include "platform/wow64_query.h"

namespace velkor::win32 {

class Win32Wow64Query : public Wow64Query {
  public:
    bool IsWow64Process() override;
};

}  // namespace velkor::win32
