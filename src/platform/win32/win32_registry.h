#pragma once
#include "platform/registry.h"

namespace velkor::win32 {

// Key paths and value names may be up to 511 UTF-16 characters long; longer ones cannot be
// opened or read.
class Win32Registry : public Registry {
  public:
    RegistryNumber ReadNumber(RegistryRoot root, std::string_view keyPath,
                              std::string_view valueName) override;
    std::optional<std::string> ReadText(RegistryRoot root, std::string_view keyPath,
                                        std::string_view valueName) override;
};

}  // namespace velkor::win32
