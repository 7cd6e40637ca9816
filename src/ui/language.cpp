#include "language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "qt_translations.h"

namespace zupel {
namespace {

// lupdate files every PlayerText::ja under the class it is called through.
constexpr const char* kContext = "zupel::PlayerText";

Language spoken = Language::japanese;

QTranslator& english() {
    // Made once and kept for the whole run: the application only borrows it.
    static QTranslator* const translator = [] {
        auto* t = new QTranslator(QCoreApplication::instance());
        if (!t->load(":/i18n/zupel_en.qm")) qWarning("zupel: the English texts are missing");
        return t;
    }();
    return *translator;
}

}  // namespace

Language desktopLanguage() {
    const QStringList languages = QLocale::system().uiLanguages();
    if (languages.isEmpty()) return Language::english;
    return QLocale(languages.first()).language() == QLocale::Japanese ? Language::japanese
                                                                      : Language::english;
}

Language languageOf(const std::optional<std::string>& setting) {
    if (setting == "ja") return Language::japanese;
    if (setting == "en") return Language::english;
    return desktopLanguage();
}

std::string settingOf(Language language) {
    return language == Language::japanese ? "ja" : "en";
}

bool speak(Language language) {
    spoken = language;
    // The sources are Japanese: Japanese needs no catalogue of the game's own.
    if (language == Language::english) {
        QCoreApplication::installTranslator(&english());
    } else {
        QCoreApplication::removeTranslator(&english());
    }
    return installQtTranslations(language);
}

Language spokenLanguage() {
    return spoken;
}

QString translated(const char* japanese) {
    return QCoreApplication::translate(kContext, japanese);
}

QString translated(const std::string& japanese) {
    return translated(japanese.c_str());
}

QString translated(const SpokenLine& line) {
    QString said;
    for (const SpokenPiece& piece : line.pieces)
        said += piece.own ? translated(piece.text) : QString::fromStdString(piece.text);
    return said;
}

}  // namespace zupel
