// A second start of the game on the same slime ends at once, but first asks the running copy to
// bring its window forward, so a second click in the menu shows the player the slime. The two
// meet at a local socket in the player's runtime folder (a named event of the player's session
// on Windows), named after the save folder: two players, or two portable folders, never reach
// each other's copy.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>

namespace zupel {

class RaiseListener {
public:
    // The copy that holds the slime's lock answers every request with `bringForward`.
    RaiseListener(const std::filesystem::path& saveFolder, std::function<void()> bringForward);

private:
    std::unique_ptr<QObject> listener_;  // the socket server, or the event's watcher
};

// Asks the copy that holds the slime's lock to come forward; false when none answered.
bool askRunningCopyToRaise(const std::filesystem::path& saveFolder);

}  // namespace zupel
