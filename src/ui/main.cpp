// ZUPEL: raise a slime in its room.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "cp932_codec.h"
#include "display_check.h"
#include "failure_report.h"
#include "file_save_folder.h"
#include "game.h"
#include "game_driver.h"
#include "main_form.h"
#include "picture_store.h"
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
    QApplication::setFont(gameFont());

    // The game folder holds the program, its sounds and the slime's save files.
    const QString folder = QCoreApplication::applicationDirPath();
    SingleInstance instance(folder);
    if (!instance.acquire()) return 0;  // another copy is already raising the slime

    PictureStore pictures;
    MainForm form(pictures);
    form.centreOnScreen();
    WindowShell shell(form, folder);
    FileSaveFolder saveFolder(folder.toStdString());
    Cp932Codec codec;
    Game game(shell, saveFolder, codec);
    GameDriver driver(game, form, [&](const SaveFileError& error) {
        reportSaveFileFailure(error);
        leave(instance, 2);
    });
    shell.setBeforeModal([&] { driver.sync(); });
    shell.setOnEnd([&] { leave(instance, 0); });
    shell.setRunHandler([&](const std::function<void()>& handler) { driver.call(handler); });
    driver.bindControls();

    driver.call([&] { game.Form_Load(); });
    form.show();
    return app.exec();
}
