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
    // Writes through to the store at once; false when it could not be written there.
    bool write(const std::string& key, const std::string& value);
    // Where the settings live (a file, or a registry key), for telling the player.
    std::string location() const;
};

}  // namespace zupel
