// ZUPEL: raise a slime in its room.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "cp932_codec.h"
#include "display_check.h"
#include "end_signals.h"
#include "exit_hook.h"
#include "failure_report.h"
#include "file_save_folder.h"
#include "game.h"
#include "game_driver.h"
#include "game_folder.h"
#include "main_form.h"
#include "picture_store.h"
#include "qt_translations.h"
#include "single_instance.h"
#include "ui_fonts.h"
#include "window_shell.h"

namespace {

// The game has ended: every write has already reached the disk and the save files are closed,
// so leave at once, from wherever we are, with no further event handled.
[[noreturn]] void leave(zupel::SingleInstance& instance, int status) {
    instance.release();
    std::fflush(nullptr);
    std::_Exit(status);
}

// The exit status when this copy may not run the game (after telling why, where it is not
// simply running already); -1 when it holds the lock. `file` names the lock for the player.
int refusedStart(zupel::SingleInstance& instance, const std::string& file) {
    using Outcome = zupel::SingleInstance::Outcome;
    const zupel::SingleInstance::Result lock = instance.acquire();
    switch (lock.outcome) {
        case Outcome::acquired:
            return -1;
        case Outcome::runningHere:
            return 0;  // another copy is already raising the slime
        case Outcome::maybeElsewhere:
            zupel::reportLockOfOtherMachine(file, lock.host);
            return 3;
        case Outcome::failed:
            break;
    }
    zupel::reportLockFailure(file, lock.reason);
    return 3;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zupel;
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "zupel: no display to open the game window on; start it from a desktop "
                     "session, or without a screen: xvfb-run scripts/run\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("zupel");
    installGameFont();
    QApplication::setFont(gameFont());
    if (!installQtTranslations()) {
        std::fprintf(stderr,
                     "zupel: Qt's Japanese translations (qtbase_ja.qm) are missing; the colour "
                     "and file choosers show English (Debian: qt6-translations-l10n)\n");
    }

    // The game folder holds the program, its sounds and the slime's save files.
    const GameFolder folder = findGameFolder();
    SingleInstance instance(folder.forQt);
    if (const int status = refusedStart(instance, (folder.bytes / "zupel.lock").string());
        status >= 0)
        return status;

    PictureStore pictures;
    MainForm form(pictures);
    form.centreOnScreen();
    WindowShell shell(form, folder.forQt);
    FileSaveFolder saveFolder(folder.bytes);
    Cp932Codec codec;
    Game game(shell, saveFolder, codec);
    int endStatus = 0;
    GameDriver driver(game, form, [&](const SaveFileError& error) {
        reportSaveFileFailure(error);
        leave(instance, 2);
    });
    shell.setBeforeModal([&] { driver.sync(); });
    shell.setAfterModal([&] { driver.tick(); });
    shell.setOnEnd([&] { leave(instance, endStatus); });
    shell.setRunHandler([&](const std::function<void()>& handler) { driver.call(handler); });
    driver.bindControls();

    // kill, a shutdown, a closing terminal or Ctrl+C: the same as closing the window.
    EndSignals endSignals([&] { driver.closeFromOutside(); });
    // The display is gone and Qt ends the program with status 1: save as the window close does
    // when no handler is half-way through, without touching the window any more.
    ExitHook lostDisplay([&] {
        endStatus = 1;
        if (driver.idle()) {
            try {
                game.Form_Unload();
            } catch (const SaveFileError& error) {
                reportSaveFileFailure(error, /*withWindow=*/false);
                leave(instance, 2);
            }
        }
        leave(instance, 1);
    });

    driver.call([&] { game.Form_Load(); });
    form.show();
    return app.exec();
}
