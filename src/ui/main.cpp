// ZUPEL: raise a slime in its room.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cp932_codec.h"
#include "display_check.h"
#include "end_signals.h"
#include "exit_hook.h"
#include "failure_report.h"
#include "file_save_folder.h"
#include "game.h"
#include "game_driver.h"
#include "game_places.h"
#include "language.h"
#include "main_form.h"
#include "picture_store.h"
#include "raise_request.h"
#include "settings_store.h"
#include "shipped_files.h"
#include "single_instance.h"
#include "ui_fonts.h"
#include "window_shell.h"

namespace {

// The game has ended: every write has already reached the disk and the save files are closed,
// so leave at once, from wherever we are, with no further event handled, and leave no way in.
[[noreturn]] void leave(zupel::RaiseListener& raising, zupel::SingleInstance& instance,
                        int status) {
    raising.close();
    instance.release();
    std::fflush(nullptr);
    std::_Exit(status);
}

// The exit status when this copy may not run the game (after telling why, where it is not
// simply running already); -1 when it holds the lock.
int refusedStart(zupel::SingleInstance& instance, const zupel::GamePlaces& places) {
    const std::filesystem::path& saveFolder = places.saves.bytes;
    const std::string file = zupel::shownPath(saveFolder / "zupel.lock");  // as the player reads it
    using Outcome = zupel::SingleInstance::Outcome;
    const zupel::SingleInstance::Result lock = instance.acquire();
    switch (lock.outcome) {
        case Outcome::acquired:
            return -1;
        case Outcome::runningHere:
            // Another copy is already raising the slime: show it to the player.
            zupel::askRunningCopyToRaise(saveFolder);
            return 0;
        case Outcome::maybeElsewhere:
            zupel::reportLockOfOtherMachine(file, lock.host);
            return 3;
        case Outcome::failed:
            break;
    }
    // A portable copy the player cannot write in (unzipped into Program Files, on a read-only
    // stick) plays once its folder is moved.
    const bool portable = places.saves.bytes == places.data.bytes;
    zupel::reportLockFailure(file, lock.reason, lock.folderReadOnly && portable);
    return 3;
}

// A second start asked for the game: bring forward the main window, once it is shown, and the
// dialog the player is answering, if any.
void bringForward(QWidget& form) {
    for (QWidget* window : {&form, QApplication::activeModalWidget()}) {
        if (window == nullptr || !window->isVisible()) continue;
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
    }
}

// `word` as a shell reads it back: quoted when it holds anything but plain path characters.
std::string shellWord(const std::string& word) {
    const bool plain = !word.empty() && word.find_first_not_of(
                                            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            "0123456789_./+-") == std::string::npos;
    if (plain) return word;
    std::string quoted = "'";
    for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zupel;
    if (!displayAvailable()) {
        // The program as the player started it, so the advice fits this very copy.
        std::fprintf(stderr,
                     "zupel: no display to open the game window on; start it from a desktop "
                     "session, or without a screen: xvfb-run %s\n",
                     shellWord(argc > 0 ? argv[0] : "zupel").c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("zupel");
    QApplication::setDesktopFileName("org.zupel.zupel");  // its icon in a Wayland task bar
    // The slime on every window of the game, from the first question or error box on.
    PictureStore pictures;
    QApplication::setWindowIcon(pictures.windowIcon());
    installGameFont();
    QApplication::setFont(gameFont());
    // Before any window or report: the player's choice, else the desktop's language.
    if (!speak(languageOf(SettingsStore().read(kLanguageKey)))) {
        std::fprintf(stderr,
                     "zupel: Qt's Japanese translations (qtbase_ja.qm) are missing; the colour "
                     "and file choosers show English (Debian: qt6-translations-l10n)\n");
    }

    // A portable copy keeps the slime beside the program, an installed one in the player's
    // data folder.
    GamePlaces places;
    try {
        places = findGamePlaces();
    } catch (const GameFolderError& error) {
        reportNoGameFolder(error.what());
        return 2;
    } catch (const SaveFolderError& error) {
        reportSaveFolderFailure(error.folder, error.reason);
        return 2;
    }
    SingleInstance instance(places.saves.forQt);
    if (const int status = refusedStart(instance, places); status >= 0) return status;
    if (shippedFilesMissing(places.data.forQt)) reportShippedFilesMissing();

    MainForm form(pictures);
    form.centreOnScreen();
    RaiseListener raiseListener(places.saves.bytes, [&] { bringForward(form); });
    WindowShell shell(form, places.data.forQt);
    FileSaveFolder saveFolder(places.saves.bytes);
    Cp932Codec codec;
    Game game(shell, saveFolder, codec);
    int endStatus = 0;
    bool windowGone = false;  // no message box can be shown any more
    GameDriver driver(game, form, [&](const SaveFileError& error) {
        reportSaveFileFailure(error, /*withWindow=*/!windowGone);
        leave(raiseListener, instance, 2);
    });
    shell.setBeforeModal([&] { driver.sync(); });
    shell.setAfterModal([&] { driver.tick(); });
    shell.setOnEnd([&] { leave(raiseListener, instance, endStatus); });
    shell.setRunHandler([&](const std::function<void()>& handler) { driver.call(handler); });
    driver.bindControls();

    // kill, a shutdown, a closing terminal or Ctrl+C: the same as closing the window.
    EndSignals endSignals([&] { driver.closeFromOutside(); });
    // The X server is gone and Qt ends the program with status 1 from wherever it noticed, even
    // inside a dialog: save as the window close does.
    ExitHook lostDisplay([&] {
        windowGone = true;
        endStatus = 1;
        driver.closeWithoutWindow();
        // The game had ended, or a report was open.
        leave(raiseListener, instance, driver.failed() ? 2 : 1);
    });

    driver.call([&] { game.Form_Load(); });
    form.show();
    return app.exec();
}
