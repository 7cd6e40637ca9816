#include "failure_report.h"

#include <QApplication>
#include <cstdio>

#include "language.h"
#include "message_box.h"
#include "player_text.h"

namespace zupel {
namespace {

void report(const std::string& line, const QString& message, bool withWindow = true,
            QMessageBox::Icon icon = QMessageBox::Critical) {
    std::fprintf(stderr, "zupel: %s\n", line.c_str());
    std::fflush(stderr);
    if (!withWindow || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    showMessageBox(icon, "ZUPEL", message);
}

QString fromBytes(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void reportSaveFileFailure(const SaveFileError& error, bool withWindow) {
    report(
        "cannot " + error.operation() + " the save file " + error.file() + ": " + error.reason(),
        translated(PlayerText::ja("セーブファイルを扱えなかったので、ゲームを終了します。\n\n"
                                  "ファイル: %1\n操作: %2\n理由: %3"))
            .arg(fromBytes(error.file()), fromBytes(error.operation()), fromBytes(error.reason())),
        withWindow);
}

void reportLockFailure(const std::string& lockFile, const std::string& reason, bool moveFolder) {
    std::string line = "cannot make the lock file " + lockFile + ": " + reason;
    QString message =
        translated(PlayerText::ja("ロックファイルを作れなかったので、ゲームを終了します。\n\n"
                                  "ファイル: %1\n理由: %2"))
            .arg(fromBytes(lockFile), fromBytes(reason));
    if (moveFolder) {
        line +=
            ". Nothing can be written in the game folder: move the whole folder somewhere "
            "you can write, such as your Documents folder, and start the game from there.";
        message += "\n\n" + translated(PlayerText::ja(
                                "ゲームのフォルダに書き込めません。フォルダごと、書き込める場所"
                                "（ドキュメントなど）へ移してから、そこで起動して下さい。"));
    }
    report(line, message);
}

void reportNoGameFolder(const std::string& reason) {
    report("cannot find the game folder, where the program is: " + reason,
           translated(PlayerText::ja("ゲームのフォルダ（プログラムのある場所）が見つからないので、"
                                     "ゲームを終了します。\n\n理由: %1"))
               .arg(fromBytes(reason)));
}

void reportLockOfOtherMachine(const std::string& lockFile, const std::string& host) {
    report("the lock file " + lockFile + " was made on the machine " + host +
               ": the game may be running there. If it is not, delete " + lockFile +
               " and start the game again.",
           translated(PlayerText::ja(
                          "このスライムは別のコンピュータ（%1）で育てられているかもしれません。\n\n"
                          "そちらでゲームが動いていなければ、下のファイル（zupel.lock）"
                          "を削除してから、もう一度起動して下さい。\n\nファイル: %2"))
               .arg(fromBytes(host), fromBytes(lockFile)));
}

void reportSaveFolderFailure(const std::string& folder, const std::string& reason) {
    report("cannot make the folder for the save files " + folder + ": " + reason,
           translated(PlayerText::ja(
                          "スライムを保存するフォルダを作れなかったので、ゲームを終了します。\n\n"
                          "フォルダ: %1\n理由: %2"))
               .arg(fromBytes(folder), fromBytes(reason)));
}

void reportShippedFilesMissing() {
    report(
        "the game's sounds and help are not beside the program: if it was started from inside "
        "the zip, unzip the whole folder and start zupel.exe from the unzipped folder",
        translated(PlayerText::ja(
            "このフォルダには、ゲームの音とヘルプがありません。\n\n"
            "ZIP ファイルの中から起動したときは、ゲームを終了して、ZIP ファイルの中の"
            "フォルダを丸ごと（ドキュメントなどへ）展開してから、展開したフォルダの "
            "zupel.exe を起動して下さい。ZIP ファイルの中から起動すると、スライムも一時"
            "フォルダに保存されて、あとで消えてしまいます。\n\n"
            "このままでも遊べますが、音は鳴らず、ヘルプも開きません。")),
        /*withWindow=*/true, QMessageBox::Warning);
}

}  // namespace zupel
