#include "failure_report.h"

#include <QApplication>
#include <cstdio>

#include "message_box.h"

namespace zupel {
namespace {

void report(const std::string& line, const QString& message, bool withWindow = true) {
    std::fprintf(stderr, "zupel: %s\n", line.c_str());
    std::fflush(stderr);
    if (!withWindow || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    showMessageBox(QMessageBox::Critical, "ZUPEL", message);
}

QString fromBytes(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void reportSaveFileFailure(const SaveFileError& error, bool withWindow) {
    report(
        "cannot " + error.operation() + " the save file " + error.file() + ": " + error.reason(),
        QString("セーブファイルを扱えなかったので、ゲームを終了します。\n\n"
                "ファイル: %1\n操作: %2\n理由: %3")
            .arg(fromBytes(error.file()), fromBytes(error.operation()), fromBytes(error.reason())),
        withWindow);
}

void reportLockFailure(const std::string& lockFile, const std::string& reason) {
    report("cannot make the lock file " + lockFile + ": " + reason,
           QString("ロックファイルを作れなかったので、ゲームを終了します。\n\n"
                   "ファイル: %1\n理由: %2")
               .arg(fromBytes(lockFile), fromBytes(reason)));
}

void reportNoGameFolder(const std::string& reason) {
    report("cannot find the game folder, where the program is: " + reason,
           QString("ゲームのフォルダ（プログラムのある場所）が見つからないので、"
                   "ゲームを終了します。\n\n理由: %1")
               .arg(fromBytes(reason)));
}

void reportLockOfOtherMachine(const std::string& lockFile, const std::string& host) {
    report("the lock file " + lockFile + " was made on the machine " + host +
               ": the game may be running there. If it is not, delete " + lockFile +
               " and start the game again.",
           QString("このスライムは別のコンピュータ（%1）で育てられているかもしれません。\n\n"
                   "そちらでゲームが動いていなければ、下のファイル（zupel.lock）"
                   "を削除してから、もう一度起動して下さい。\n\nファイル: %2")
               .arg(fromBytes(host), fromBytes(lockFile)));
}

void reportSaveFolderFailure(const std::string& folder, const std::string& reason) {
    report("cannot make the folder for the save files " + folder + ": " + reason,
           QString("スライムを保存するフォルダを作れなかったので、ゲームを終了します。\n\n"
                   "フォルダ: %1\n理由: %2")
               .arg(fromBytes(folder), fromBytes(reason)));
}

}  // namespace zupel
