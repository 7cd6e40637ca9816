#include "failure_report.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace zupel {

void reportSaveFileFailure(const SaveFileError& error) {
    std::fprintf(stderr, "zupel: cannot %s the save file %s: %s\n", error.operation().c_str(),
                 error.file().c_str(), error.reason().c_str());
    std::fflush(stderr);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QMessageBox::critical(
        nullptr, "ZUPEL",
        QString("セーブファイルを扱えなかったので、ゲームを終了します。\n\n"
                "ファイル: %1\n操作: %2\n理由: %3")
            .arg(QString::fromStdString(error.file()), QString::fromStdString(error.operation()),
                 QString::fromStdString(error.reason())));
}

}  // namespace zupel
