#include "qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace zupel {

bool installQtTranslations() {
    // Made once and kept for the whole run: the application only borrows it.
    static QTranslator* const translator = new QTranslator(QCoreApplication::instance());
    const QStringList folders = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath("translations")};
    for (const QString& folder : folders) {
        if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_", folder))
            return QCoreApplication::installTranslator(translator);
    }
    return false;
}

}  // namespace zupel
