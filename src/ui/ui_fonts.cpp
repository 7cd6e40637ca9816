#include "ui_fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>
#include <cstdio>

namespace zupel {

namespace {
const QString builtInFamily = "Zupel PGothic";
}

void installGameFont() {
    const QResource face(":/fonts/zupelgothic.ttf");
    // Uncompressed in the program image: FreeType reads the pages it needs from there, and
    // nothing is copied.
    const QByteArray data =
        face.compressionAlgorithm() == QResource::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()), face.size())
            : face.uncompressedData();
    if (QFontDatabase::addApplicationFontFromData(data) < 0)
        std::fprintf(stderr, "zupel: the built-in font could not be read; IPA P Gothic draws "
                             "the text instead\n");
}

QFont gameFont(qreal points) {
    QFont font;
    // After the built-in cut: the Japanese faces of Linux, then those of Windows.
    font.setFamilies(QStringList() << builtInFamily << "IPAPGothic" << "Noto Sans CJK JP"
                                   << "Meiryo" << "Yu Gothic" << "MS PGothic");
    font.setPointSizeF(points);
    return font;
}

QFont statusPanelFont() {
    QFont font = gameFont(12);
    font.setBold(true);
    return font;
}

QFont scaleMarkFont() {
    return gameFont(8.25);
}

}  // namespace zupel
