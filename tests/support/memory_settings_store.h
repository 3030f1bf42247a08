// A settings store in memory for the tests: what is committed, what waits
// for the commit, and every write in order; it can be told to refuse commits,
// as a protected folder or a full disk does.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "appearance/settings_store.h"

namespace tallimo::testing {

class MemorySettingsStore : public SettingsStore {
  public:
    using Key = std::pair<std::string, std::string>;

    std::optional<std::string> Read(std::string_view group, std::string_view key) const override {
        const Key k{group, key};
        if (const auto pending = pending_.find(k); pending != pending_.end()) {
            return pending->second;
        }
        if (const auto found = values.find(k); found != values.end()) {
            return found->second;
        }
        return std::nullopt;
    }
    void Write(std::string_view group, std::string_view key, std::string_view value) override {
        writes.push_back(std::string(key) + "=" + std::string(value));
        pending_[Key{group, key}] = value;
    }
    bool Commit() override {
        ++commits;
        if (refuse_commits) {
            pending_.clear();
            return false;
        }
        for (auto& [key, value] : pending_) {
            values[key] = std::move(value);
        }
        pending_.clear();
        return true;
    }

    // A value as committed, or "" when there is none.
    std::string Committed(const std::string& key, const std::string& group = "Colors") const {
        const auto found = values.find({group, key});
        return found == values.end() ? std::string() : found->second;
    }

    std::map<Key, std::string> values;  // committed
    std::vector<std::string> writes;    // "key=value", in order
    int commits = 0;
    bool refuse_commits = false;

  private:
    std::map<Key, std::string> pending_;
};

}  // namespace tallimo::testing
