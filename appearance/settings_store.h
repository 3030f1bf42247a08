// The per-user settings store as the program sees it: text values filed by
// group and key. The desktop's own store is behind it in the shell; tests use
// one in memory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The value last written or committed; nothing when the key has none.
    virtual std::optional<std::string> Read(std::string_view group, std::string_view key) const = 0;
    // Kept until Commit, in the order written.
    virtual void Write(std::string_view group, std::string_view key, std::string_view value) = 0;
    // Makes the writes since the last Commit permanent, all of them or none:
    // false when the store cannot be written (a protected folder, a full
    // disk), and Read then gives the values as they were before those writes.
    virtual bool Commit() = 0;
};

}  // namespace tallimo
