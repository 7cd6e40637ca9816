#include "qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "language.h"

namespace zupel {

bool installQtTranslations(Language language) {
    // Made once and kept for the whole run: the application only borrows it.
    static QTranslator* const translator = new QTranslator(QCoreApplication::instance());
    if (language != Language::japanese) {
        QCoreApplication::removeTranslator(translator);
        return true;
    }
    if (!translator->isEmpty()) return QCoreApplication::installTranslator(translator);
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
