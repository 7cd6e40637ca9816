// Binds the game to Qt: every player action and every timer tick goes through `call`, which
// runs the handler, turns a save-file failure into a report, redraws what changed and arms one
// precise single-shot timer for the next due tick (no polling).
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

    GameDriver(Game& game, MainForm& form, FailureHandler onFailure);

    void call(const std::function<void()>& handler);
    // Redraws and re-arms without running a handler (before a modal dialog opens).
    void sync();
    // Connects the main window's controls to their handlers.
    void bindControls();

private:
    void tick();

    Game& game_;
    MainForm& form_;
    FailureHandler onFailure_;
    QElapsedTimer clock_;
    QTimer timer_;
    bool failed_ = false;
};

}  // namespace zupel
