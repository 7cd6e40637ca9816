// The player's own settings of the room (its colour and picture), kept per user: the registry
// on Windows, ~/.config/zupel/zupel.conf on Linux. Application "zupel", group "setting".
#pragma once

#include <optional>
#include <string>

namespace zupel {

class SettingsStore {
public:
    // nullopt when the key is absent or the store cannot be read.
    std::optional<std::string> read(const std::string& key) const;
};

}  // namespace zupel
