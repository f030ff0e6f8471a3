#pragma once
// Whether this process is a 32-bit process running on 64-bit Windows (WOW64).
namespace velkor {

class Wow64Query {
  public:
    virtual ~Wow64Query() = default;
    // Asks the system on every call; false whenever it cannot tell (no IsWow64Process, or the
    // call fails).
    virtual bool IsWow64Process() = 0;
};

}  // namespace velkor
