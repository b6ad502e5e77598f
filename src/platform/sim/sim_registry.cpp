#include "platform/sim/sim_registry.h"

#include <algorithm>

namespace kz::sim {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return out;
}

bool SameName(std::string_view a, std::string_view b) { return Lower(a) == Lower(b); }

// Every prefix of "A\B\C" that ends at a backslash, plus the whole path.
std::vector<std::string> PathAndParents(std::string_view keyPath) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < keyPath.size(); ++i) {
        if (keyPath[i] == '\\') out.push_back(Lower(keyPath.substr(0, i)));
    }
    out.push_back(Lower(keyPath));
    return out;
}

}  // namespace

SimRegistry::Keys& SimRegistry::keys(platform::Scope scope) {
    return scope == platform::Scope::PerUser ? perUser_ : machineWide_;
}

const SimRegistry::Keys& SimRegistry::keys(platform::Scope scope) const {
    return scope == platform::Scope::PerUser ? perUser_ : machineWide_;
}

void SimRegistry::createKey(platform::Scope scope, std::string_view keyPath) {
    for (auto& path : PathAndParents(keyPath)) keys(scope)[path];
}

std::optional<platform::RawValue> SimRegistry::query(platform::Scope scope,
                                                     std::string_view keyPath,
                                                     std::string_view name) const {
    const auto key = keys(scope).find(Lower(keyPath));
    if (key == keys(scope).end()) return std::nullopt;
    for (const auto& [valueName, value] : key->second.values) {
        if (SameName(valueName, name)) return value;
    }
    return std::nullopt;
}

void SimRegistry::setRaw(platform::Scope scope, std::string_view keyPath, std::string_view name,
                         platform::RawValue value) {
    createKey(scope, keyPath);
    auto& values = keys(scope)[Lower(keyPath)].values;
    for (auto& [valueName, stored] : values) {
        if (SameName(valueName, name)) {
            stored = std::move(value);
            return;
        }
    }
    values.emplace_back(std::string(name), std::move(value));
}

bool SimRegistry::writeString(platform::Scope scope, std::string_view keyPath,
                              std::string_view name, std::string_view text) {
    if (!writable(scope)) return false;
    setRaw(scope, keyPath, name, {platform::ValueType::String, std::string(text)});
    return true;
}

void SimRegistry::remove(platform::Scope scope, std::string_view keyPath, std::string_view name) {
    // A user who may not write a scope may not delete from it either.
    if (!writable(scope)) return;
    const auto key = keys(scope).find(Lower(keyPath));
    if (key == keys(scope).end()) return;
    std::erase_if(key->second.values,
                  [&](const auto& entry) { return SameName(entry.first, name); });
}

std::vector<platform::ValueName> SimRegistry::values(platform::Scope scope,
                                                     std::string_view keyPath) const {
    indexesAsked_ = 0;
    const auto found = keys(scope).find(Lower(keyPath));
    if (found == keys(scope).end()) return {};
    const Key& key = found->second;
    // A reader that skipped failed indexes would ask for ever; past this many the deleted
    // key ends the list, so that such a reader fails its test rather than hanging it.
    constexpr std::size_t kSpinningReader = 10000;
    return platform::ReadValueNames([&](std::uint32_t index, platform::ValueName& value) {
        ++indexesAsked_;
        if (index >= key.deletedAfter) {
            return indexesAsked_ > kSpinningReader ? platform::IndexAnswer::NoMoreItems : platform::IndexAnswer::Failed;
        }
        if (index >= key.values.size()) return platform::IndexAnswer::NoMoreItems;
        value = {key.values[index].first, key.values[index].second.type};
        return platform::IndexAnswer::Value;
    });
}

void SimRegistry::deleteKeyWhileRead(platform::Scope scope, std::string_view keyPath, std::size_t valuesRead) {
    createKey(scope, keyPath);
    keys(scope)[Lower(keyPath)].deletedAfter = valuesRead;
}

bool SimRegistry::keyExists(platform::Scope scope, std::string_view keyPath) const {
    return keys(scope).contains(Lower(keyPath));
}

bool SimRegistry::writable(platform::Scope scope) const {
    return scope == platform::Scope::PerUser ? perUserWritable_ : machineWideWritable_;
}

void SimRegistry::setWritable(platform::Scope scope, bool writable) {
    (scope == platform::Scope::PerUser ? perUserWritable_ : machineWideWritable_) = writable;
}

}  // namespace kz::sim
