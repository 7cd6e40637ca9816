// The real program's objects, wired as main() wires them, around a temporary game folder.
// Ending the game is recorded instead of leaving the process.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "cp932_codec.h"
#include "file_save_folder.h"
#include "game.h"
#include "game_driver.h"
#include "main_form.h"
#include "picture_store.h"
#include "window_shell.h"

namespace zupel::testing {

class UiTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    PictureStore pictures;
    std::unique_ptr<MainForm> form;
    std::unique_ptr<WindowShell> shell;
    std::unique_ptr<FileSaveFolder> saveFolder;
    Cp932Codec codec;
    std::unique_ptr<Game> game;
    std::unique_ptr<GameDriver> driver;
    bool ended = false;
    std::vector<std::string> failures;
    // The driver's clock; left empty, the real steady clock. Set before build().
    GameDriver::Clock clock;

    // Builds the program in `gameFolder` (the temporary folder unless told otherwise).
    void build(const QString& gameFolder = {});
    // Runs start-up; `answer` acts on each modal dialog as it opens.
    void startUp(std::function<void(QWidget*)> answer = {});
    // A living slime saved today, as the game would have stored it.
    static PetRecord slimeSavedToday(int16_t age = 12, int16_t ondo = 60);
    // Stores a slime, its size and one learned word in the game folder, ready for start-up.
    void storeSlime(const PetRecord& pet, int16_t size = 32);
    // Writes a save file into the game folder before start-up.
    void writeFile(const char* name, const Bytes& bytes);
    Bytes readFile(const char* name) const;
    bool exists(const char* name) const;
    QString path(const char* name) const { return folder.filePath(name); }

    // The player's settings, where the game keeps them (the test's own settings folder).
    static QSettings store() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "zupel", "zupel");
    }
    // Acts on the next modal dialog as soon as it is open.
    static void whenDialogOpens(std::function<void(QWidget*)> act);
    // Lets `ms` of real time pass with the event loop running.
    static void wait(int ms);

    void TearDown() override;
};

}  // namespace zupel::testing
