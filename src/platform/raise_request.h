// A second start of the game on the same slime ends at once, but first asks the running copy to
// bring its window forward, so a second click in the menu shows the player the slime. The two
// meet at a local socket, zupel.socket, beside the slime's save files (a named event of the
// player's session on Windows, named after the save folder): only who may change the slime can
// make it, whatever the environment each copy was started in, and two players, or two portable
// folders, never reach each other's copy.
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
    // The game is ending: no second start reaches it any more, and the socket leaves the folder.
    void close() { listener_.reset(); }

private:
    std::unique_ptr<QObject> listener_;  // the socket's watcher, or the event's
};

// Asks the copy that holds the slime's lock to come forward; false when none answered.
bool askRunningCopyToRaise(const std::filesystem::path& saveFolder);

}  // namespace zupel
