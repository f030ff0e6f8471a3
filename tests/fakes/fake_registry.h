#pragma once
// Registry values in memory. Keys exist when they are listed in `keys` or hold a value; every
// read is recorded as "ReadNumber <root> <key> <value>".
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "platform/registry.h"

namespace velkor::fakes {

class FakeRegistry : public Registry {
  public:
    using Key = std::pair<RegistryRoot, std::string>;
    using Data = std::variant<std::uint32_t, std::string>;

    std::set<Key> keys;
    std::map<std::tuple<RegistryRoot, std::string, std::string>, Data> values;
    std::vector<std::string> calls;

    void Set(RegistryRoot root, const std::string& key, const std::string& name, Data data) {
        keys.insert({root, key});
        values[{root, key, name}] = std::move(data);
    }

    RegistryNumber ReadNumber(RegistryRoot root, std::string_view keyPath,
                              std::string_view valueName) override {
        RegistryNumber result;
        const Data* data = Find("ReadNumber", root, keyPath, valueName, result.keyOpened);
        if (data && std::holds_alternative<std::uint32_t>(*data))
            result.value = std::get<std::uint32_t>(*data);
        return result;
    }

    std::optional<std::string> ReadText(RegistryRoot root, std::string_view keyPath,
                                        std::string_view valueName) override {
        bool opened = false;
        const Data* data = Find("ReadText", root, keyPath, valueName, opened);
        if (!opened) return std::nullopt;
        if (data && std::holds_alternative<std::string>(*data)) return std::get<std::string>(*data);
        return std::string();
    }

    static std::string RootName(RegistryRoot root) {
        return root == RegistryRoot::LocalMachine ? "HKLM" : "HKDD";
    }

  private:
    const Data* Find(const char* operation, RegistryRoot root, std::string_view keyPath,
                     std::string_view valueName, bool& opened) {
        calls.push_back(std::string(operation) + " " + RootName(root) + " " + std::string(keyPath) +
                        " " + std::string(valueName));
        opened = keys.count({root, std::string(keyPath)}) != 0;
        if (!opened) return nullptr;
        const auto it = values.find({root, std::string(keyPath), std::string(valueName)});
        return it == values.end() ? nullptr : &it->second;
    }
};

}  // namespace velkor::fakes
