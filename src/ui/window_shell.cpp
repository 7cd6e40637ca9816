#include "window_shell.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <type_traits>

#include "calendar.h"
#include "dialog_frame.h"
#include "end_dialog.h"
#include "file_lookup.h"
#include "freeze_dialog.h"
#include "help_window.h"
#include "language.h"
#include "message_box.h"
#include "naming_dialog.h"
#include "options_dialog.h"
#include "player_text.h"
#include "room_view.h"
#include "twips.h"

namespace zupel {

WindowShell::WindowShell(MainForm& form, const QString& gameFolder)
    : form_(form),
      folder_(gameFolder),
      sounds_(gameFolder),
      // Seeded once from the clock at start-up, so every run plays out differently.
      dice_(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
            std::random_device{}()) {
    QObject::connect(&form_, &MainForm::languageChosen, &form_,
                     [this](Language language) { chooseLanguage(language); });
}

int WindowShell::today() {
    return todayAsDayNumber();
}
int WindowShell::hour() {
    return currentHour();
}
double WindowShell::random() {
    return uniform_(dice_);
}

void WindowShell::warn(const std::string& message) {
    std::fprintf(stderr, "zupel: %s\n", message.c_str());
    std::fflush(stderr);
}

void WindowShell::playSound(const std::string& fileName) {
    sounds_.play(QString::fromStdString(fileName));
}

void WindowShell::beep() {
    QApplication::beep();
}

void WindowShell::raiseMainWindow() {
    // The slime calls the player: the window comes up above the others and its taskbar entry
    // asks for attention, but the keyboard stays wherever the player is typing.
    form_.raise();
    QApplication::alert(&form_);
    // A dialog the game is waiting on belongs to the window: it stays in front of it.
    if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != &form_) {
        dialog->raise();
        dialog->activateWindow();
    }
}

std::optional<std::string> WindowShell::readSetting(const std::string& key) {
    return settings_.read(key);
}

bool WindowShell::setRoomPicture(const std::string& path) {
    return form_.loadRoomPicture(QString::fromStdString(path));
}

template <typename Show>
auto WindowShell::modal(Show show) {
    if (beforeModal_) beforeModal_();
    if constexpr (std::is_void_v<decltype(show())>) {
        show();
        if (afterModal_) afterModal_();
    } else {
        auto answer = show();
        if (afterModal_) afterModal_();
        return answer;
    }
}

std::optional<std::string> WindowShell::askName() {
    return modal([] {
        NamingDialog dialog;
        return dialog.ask();
    });
}

void WindowShell::showEndDialog(EndDialog which, std::optional<TwipsPoint> at) {
    modal([&] {
        EndDialogWindow dialog(which, form_.isVisible() ? &form_ : nullptr);
        std::optional<QPoint> topLeft;
        if (at) topLeft = QPoint(px(at->x), px(at->y));
        dialog.showAndWait(topLeft);
    });
}

TwipsPoint WindowShell::mainWindowPosition() {
    const QPoint p = form_.frameGeometry().topLeft();
    return {twips(p.x()), twips(p.y())};
}

void WindowShell::endProgram() {
    if (onEnd_) onEnd_();
}

bool WindowShell::askFreeze() {
    return modal([&] {
        FreezeDialog dialog(form_.windowIcon(), &form_);
        return dialog.ask();
    });
}

void WindowShell::showOptionform(const OptionForm& form, const OptionformEvents& events) {
    auto run = [this](const std::function<void()>& handler) {
        if (runHandler_) {
            runHandler_(handler);
        } else {
            handler();
        }
    };
    modal([&] {
        OptionsDialog dialog(form, events, run, &form_);
        dialog.showAndWait();
    });
}

namespace {

// The dialog a chooser belongs to: the one the player pressed its button in.
QWidget* chooserOwner(QWidget* fallback) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : fallback;
}

// "description|*.a;*.b" as Qt writes a file filter: "description (*.a *.b)".
QString qtFilter(const std::string& filter) {
    const QString text = translated(filter);
    const qsizetype bar = text.indexOf('|');
    if (bar < 0) return text;
    QString patterns = text.mid(bar + 1);
    patterns.replace(';', ' ');
    return text.left(bar) + " (" + patterns + ")";
}

// Where the file chooser opens: at the current picture (its folder, if the file is gone), or
// else in the player's own pictures folder; never in the game's folders, which hold none.
QString chooserStart(const QString& current) {
    const QFileInfo picture(current);
    if (!current.isEmpty() && (picture.isFile() || picture.isDir()))
        return picture.absoluteFilePath();
    if (!current.isEmpty() && picture.dir().exists()) return picture.absolutePath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

}  // namespace

std::optional<uint32_t> WindowShell::chooseColour(uint32_t current) {
    // The custom colours start black at every use, as they always have in this game.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::black);
    const QColor chosen = modal([&] {
        return QColorDialog::getColor(fromBgr(current), chooserOwner(&form_),
                                      translated(PlayerText::ja("色の設定")));
    });
    if (!chosen.isValid()) return std::nullopt;
    return toBgr(chosen);
}

std::string WindowShell::chooseFile(const std::string& filter, const std::string& title,
                                    const std::string& current) {
    const QString path = modal([&] {
        return QFileDialog::getOpenFileName(chooserOwner(&form_), translated(title),
                                            chooserStart(QString::fromStdString(current)),
                                            qtFilter(filter));
    });
    return QDir::toNativeSeparators(path).toStdString();
}

bool WindowShell::writeSetting(const std::string& key, const std::string& value) {
    return settings_.write(key, value);
}

void WindowShell::reportSettingsNotSaved() {
    reportUnwrittenSetting("the room keeps its new look only until the game ends",
                           PlayerText::ja("部屋の模様替えを設定ファイルに書き込めませんでした。\n"
                                          "次に起動したときは、前の部屋に戻ります。\n\n"
                                          "ファイル: %1"),
                           chooserOwner(&form_));
}

void WindowShell::reportUnwrittenSetting(const std::string& consequence, const char* message,
                                         QWidget* owner) {
    const std::string where = settings_.location();
    warn("cannot write the settings file " + where + "; " + consequence);
    modal([&] {
        showMessageBox(QMessageBox::Warning, "ZUPEL",
                       translated(message).arg(QString::fromStdString(where)), owner);
    });
}

std::string WindowShell::findGameFile(const std::string& name) {
    return findGameEntry(folder_, QString::fromStdString(name)).toStdString();
}

void WindowShell::showHelp(const std::string& fileName) {
    // Wayland lets no program place its windows. There the help goes out as a window of its
    // own, not one attached to the game, so the compositor does not put it over the room.
    const bool placeable = !QGuiApplication::platformName().startsWith("wayland");
    if (!help_) {
        help_ = new HelpWindow(&form_);
        if (!placeable) {
            help_->winId();
            help_->windowHandle()->setTransientParent(nullptr);
        }
    }
    // Each time it opens it goes beside the game, wherever the game stands now; once shown,
    // where its frame counts too. An open help stays where the player has it.
    if (placeable && !help_->isVisible()) {
        QObject::connect(
            help_, &HelpWindow::shown, help_, [this] { help_->placeBeside(form_); },
            Qt::SingleShotConnection);
    }
    helpFile_ = QString::fromStdString(fileName);
    help_->showContents(helpPath());
}

QString WindowShell::helpPath() const {
    // The English help stands beside the Japanese one, its name marked "_en"; without it the
    // English player still gets the Japanese help.
    if (spokenLanguage() == Language::english) {
        QString english = helpFile_;
        const qsizetype dot = english.lastIndexOf('.');
        english.insert(dot < 0 ? english.size() : dot, "_en");
        if (findGameEntry(folder_, english) == english) return QDir(folder_).filePath(english);
    }
    return QDir(folder_).filePath(helpFile_);
}

void WindowShell::chooseLanguage(Language language) {
    speak(language);
    // An open help is read again in the language chosen.
    if (help_ && help_->isVisible()) help_->showContents(helpPath());
    if (settings_.write(kLanguageKey, settingOf(language))) return;
    reportUnwrittenSetting("the next start speaks the language it spoke before",
                           PlayerText::ja("言語の設定を設定ファイルに書き込めませんでした。\n"
                                          "次に起動したときは、前の言語に戻ります。\n\n"
                                          "ファイル: %1"),
                           &form_);
}

void WindowShell::showMessage(const std::string& text, const std::string& title) {
    modal(
        [&] { showMessageBox(QMessageBox::NoIcon, translated(title), translated(text), &form_); });
}

}  // namespace zupel
