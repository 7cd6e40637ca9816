#include "game_driver.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <utility>

#include "room_view.h"

namespace zupel {
namespace {

// Innermost first, each as the player would close it by its title bar.
void closeModalDialogs() {
    for (int guard = 0; guard < 32; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        modal->close();
        if (modal->isVisible()) modal->hide();  // one that refuses to close is hidden all the same
    }
}

}  // namespace

GameDriver::GameDriver(Game& game, MainForm& form, FailureHandler onFailure, Clock clock)
    : game_(game), form_(form), onFailure_(std::move(onFailure)), clock_(std::move(clock)) {
    elapsed_.start();  // the game's clock starts with the main window
    if (!clock_) clock_ = [this] { return static_cast<Millis>(elapsed_.elapsed()); };
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &GameDriver::tick);
}

void GameDriver::call(const std::function<void()>& handler) {
    if (failed_ || game_.ended()) return;
    ++depth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{depth_};
    try {
        // Whatever fell due since the last tick happens first, and whatever the handler switches
        // on counts from now, not from the last tick (up to a second ago, or minutes when a
        // dialog was open).
        game_.scheduler().runDue(clock_());
        if (!game_.ended()) handler();
    } catch (const SaveFileError& error) {
        failed_ = true;
        game_.scheduler().halt();
        timer_.stop();
        onFailure_(error);
        return;
    }
    sync();
    if (depth_ == 1 && std::exchange(closeWanted_, false)) call([this] { game_.Form_Unload(); });
}

void GameDriver::closeFromOutside() {
    if (depth_ == 0) {
        call([this] { game_.Form_Unload(); });
        return;
    }
    closeWanted_ = true;
    closeModalDialogs();
}

void GameDriver::closeWithoutWindow() {
    if (failed_) return;
    try {
        game_.Form_Unload();
    } catch (const SaveFileError& error) {
        failed_ = true;
        onFailure_(error);
    }
}

void GameDriver::sync() {
    if (failed_) return;
    form_.render(game_.world().controls);
    const std::optional<Millis> due = game_.scheduler().nextDue();
    if (!due || game_.ended()) {
        timer_.stop();
        return;
    }
    timer_.start(static_cast<int>(std::max<Millis>(0, *due - clock_())));
}

void GameDriver::tick() {
    call([] {});  // bringing the timers up to the clock is all a tick does
}

void GameDriver::callHandler(void (Game::*handler)()) {
    Game* game = &game_;
    call([game, handler] { (game->*handler)(); });
}

void GameDriver::bindControls() {
    bind(form_.button1, &QToolButton::clicked, &Game::button1_Click);
    // Playing, talking and touching.
    bind(form_.button2, &QToolButton::clicked, &Game::button2_Click);
    bind(form_.button3, &QToolButton::clicked, &Game::button3_Click);
    // Only the player's typing: the game's own changes to the entry are already in its rules.
    connect(form_.wordinbox, &QLineEdit::textEdited, this, [this](const QString& text) {
        call([this, typed = text.toStdString()] { game_.wordinbox_Change(typed); });
    });
    bind(form_.wordbutton, &QPushButton::clicked, &Game::wordbutton_Click);
    bind(form_.Picture1, &RoomView::slimeClicked, &Game::sura_Click);
    bind(form_.Picture1, &RoomView::slimeMouseMoved, &Game::sura_MouseMove);
    connect(form_.Picture1, &RoomView::roomMouseMoved, this,
            [this](double x, double y) { call([this, x, y] { game_.Picture1_MouseMove(x, y); }); });
    bind(&form_, &MainForm::formMouseMoved, &Game::Form_MouseMove);
    bind(&form_, &MainForm::wordboxMouseMoved, &Game::wordbox_MouseMove);
    bind(form_.Command2, &QToolButton::clicked, &Game::Command2_Click);
    bind(form_.endgame1, &QAction::triggered, &Game::endgame1_Click);
    connect(&form_, &MainForm::sliderMoved, this,
            [this](int position) { call([this, position] { game_.Slider1_Change(position); }); });
    // Freezing, redecorating, help and the version.
    bind(form_.button4, &QToolButton::clicked, &Game::button4_Click);
    bind(form_.endgame2, &QAction::triggered, &Game::endgame2_Click);
    bind(form_.Command1, &QToolButton::clicked, &Game::Command1_Click);
    bind(form_.option, &QAction::triggered, &Game::option_Click);
    bind(form_.help1, &QAction::triggered, &Game::help1_Click);
    bind(form_.aboutgame, &QAction::triggered, &Game::aboutgame_Click);
    bind(&form_, &MainForm::closeRequested, &Game::Form_Unload);
}

}  // namespace zupel
