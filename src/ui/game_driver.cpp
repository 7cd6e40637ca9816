#include "game_driver.h"

#include <QAction>
#include <QToolButton>

namespace zupel {

GameDriver::GameDriver(Game& game, MainForm& form, FailureHandler onFailure)
    : game_(game), form_(form), onFailure_(std::move(onFailure)) {
    clock_.start();  // the game's clock starts with the main window
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GameDriver::tick);
}

void GameDriver::call(const std::function<void()>& handler) {
    if (failed_ || game_.ended()) return;
    try {
        handler();
    } catch (const SaveFileError& error) {
        failed_ = true;
        game_.scheduler().halt();
        timer_.stop();
        onFailure_(error);
        return;
    }
    sync();
}

void GameDriver::sync() {
    if (failed_) return;
    form_.render(game_.world().controls);
    const std::optional<Millis> due = game_.scheduler().nextDue();
    if (!due || game_.ended()) {
        timer_.stop();
        return;
    }
    timer_.start(static_cast<int>(std::max<Millis>(0, *due - clock_.elapsed())));
}

void GameDriver::tick() {
    call([this] { game_.scheduler().runDue(clock_.elapsed()); });
}

void GameDriver::bindControls() {
    connect(form_.button1, &QToolButton::clicked, this,
            [this] { call([this] { game_.button1_Click(); }); });
    connect(form_.Command2, &QToolButton::clicked, this,
            [this] { call([this] { game_.Command2_Click(); }); });
    connect(form_.endgame1, &QAction::triggered, this,
            [this] { call([this] { game_.endgame1_Click(); }); });
    connect(&form_, &MainForm::sliderMoved, this,
            [this](int position) { call([this, position] { game_.Slider1_Change(position); }); });
    connect(form_.button4, &QToolButton::clicked, this,
            [this] { call([this] { game_.button4_Click(); }); });
    connect(form_.endgame2, &QAction::triggered, this,
            [this] { call([this] { game_.endgame2_Click(); }); });
    connect(form_.Command1, &QToolButton::clicked, this,
            [this] { call([this] { game_.Command1_Click(); }); });
    connect(form_.option, &QAction::triggered, this,
            [this] { call([this] { game_.option_Click(); }); });
    connect(form_.help1, &QAction::triggered, this,
            [this] { call([this] { game_.help1_Click(); }); });
    connect(form_.aboutgame, &QAction::triggered, this,
            [this] { call([this] { game_.aboutgame_Click(); }); });
    connect(&form_, &MainForm::closeRequested, this,
            [this] { call([this] { game_.Form_Unload(); }); });
}

}  // namespace zupel
