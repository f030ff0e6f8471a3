#pragma once
#include "platform/processor_times.h"

namespace velkor::win32 {

class Win32ProcessorTimes : public ProcessorTimes {
  public:
    std::optional<ProcessorTimesRecord> Read() override;
};

}  // namespace velkor::win32
