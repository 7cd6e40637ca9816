// Binds the game to Qt: every player action and every timer tick goes through `call`, which
// first brings the game's timers up to the real clock (so a timer the handler switches on counts
// from this moment), runs the handler, turns a save-file failure into a report, redraws what
// changed and arms one precise single-shot timer for the next due tick (no polling).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "game.h"
#include "main_form.h"

namespace zupel {

class GameDriver : public QObject {
    Q_OBJECT
public:
    using FailureHandler = std::function<void(const SaveFileError&)>;
    // Milliseconds since the main window was created.
    using Clock = std::function<Millis()>;

    // Without a clock, the steady clock from now on.
    GameDriver(Game& game, MainForm& form, FailureHandler onFailure, Clock clock = {});

    void call(const std::function<void()>& handler);
    // Fires every timer that is due by now (what the driver's own timer does when it runs out).
    void tick();
    // Redraws and re-arms without running a handler (before a modal dialog opens).
    void sync();
    // Connects the main window's controls to their handlers.
    void bindControls();
    // A request to end from outside the window (a signal): the window close, saving the slime.
    // While a handler waits on modal dialogs, they are closed as the player would close them
    // and the close follows once that handler has returned, unless the game ended meanwhile.
    void closeFromOutside();
    // The window is gone for good (the display died) and the program ends from inside the
    // event loop, perhaps while a handler waits on a dialog that will never return: the close
    // runs at once, each open dialog counting as closed by its title bar, with no timer brought
    // up and nothing drawn. Nothing happens after a save-file failure or once the game ended.
    void closeWithoutWindow();
    bool failed() const { return failed_; }

private:
    // Runs the game's handler through `call` each time the sender emits the signal.
    template <typename Sender, typename Signal>
    void bind(Sender* sender, Signal signal, void (Game::*handler)()) {
        connect(sender, signal, this, [this, handler] { callHandler(handler); });
    }
    void callHandler(void (Game::*handler)());

    Game& game_;
    MainForm& form_;
    FailureHandler onFailure_;
    QElapsedTimer elapsed_;
    Clock clock_;
    QTimer timer_;
    bool failed_ = false;
    int depth_ = 0;             // handlers running, the outermost waiting on a modal dialog
    bool closeWanted_ = false;  // a close to run when the outermost handler returns
};

}  // namespace zupel
