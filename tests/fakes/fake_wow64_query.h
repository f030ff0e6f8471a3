#pragma once
#include "platform/wow64_query.h"

namespace velkor::fakes {

class FakeWow64Query : public Wow64Query {
  public:
    bool answer = false;
    int calls = 0;

    bool IsWow64Process() override {
        ++calls;
        return answer;
    }
};

}  // namespace velkor::fakes
