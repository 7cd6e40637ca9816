// The game's built-in cut of IPA P Gothic must draw exactly what IPA P Gothic draws: the same
// pixels for every character it holds, at every size the window uses, and IPA P Gothic itself
// for the characters it leaves out.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <vector>

#include "ui_fonts.h"

namespace {

QImage drawn(const QFont& font, const QString& text) {
    QImage image(QFontMetrics(font).horizontalAdvance(text) + 16, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(4, 28, text);
    return image;
}

// The same font with IPA P Gothic alone in place of the game's families.
QFont asIpaPGothic(QFont font) {
    font.setFamilies({"IPAPGothic"});
    return font;
}

std::vector<QFont> fontsTheWindowUses() {
    return {zupel::gameFont(), zupel::statusPanelFont(), zupel::scaleMarkFont()};
}

}  // namespace

TEST(GameFont, BuiltInFaceComesFirst) {
    EXPECT_EQ(QFontInfo(zupel::gameFont()).family(), "Zupel PGothic");
    EXPECT_EQ(QFontInfo(zupel::statusPanelFont()).family(), "Zupel PGothic");
}

TEST(GameFont, DrawsEveryCharacterItHoldsAsIpaPGothicDoes) {
    const QRawFont builtIn = QRawFont::fromFont(zupel::gameFont());
    QString held;
    for (char16_t c = 0x21; c < 0xFFFE; ++c)
        if (!QChar::isSurrogate(c) && builtIn.supportsCharacter(QChar(c))) held += QChar(c);
    // Kana, ASCII and the game's own texts: several hundred characters.
    ASSERT_GT(held.size(), 800);
    ASSERT_TRUE(held.contains(u'餌') && held.contains(u'ぷ') && held.contains(u'Z'));

    for (const QFont& font : fontsTheWindowUses()) {
        const QFont ipa = asIpaPGothic(font);
        const QFontMetrics game(font), reference(ipa);
        EXPECT_EQ(game.ascent(), reference.ascent());
        EXPECT_EQ(game.descent(), reference.descent());
        EXPECT_EQ(game.leading(), reference.leading());
        EXPECT_EQ(game.averageCharWidth(), reference.averageCharWidth());
        QString differing;
        for (const QChar c : held)
            if (drawn(font, c) != drawn(ipa, c)) differing += c;
        EXPECT_TRUE(differing.isEmpty())
            << font.pointSizeF() << " pt" << (font.bold() ? " bold" : "") << ": "
            << differing.size() << " characters differ, as " << differing.left(40).toStdString();
    }

    // The comparison can tell faces apart: Noto draws a kana otherwise.
    QFont noto = zupel::gameFont();
    noto.setFamilies({"Noto Sans CJK JP"});
    EXPECT_NE(drawn(noto, "あ餌"), drawn(asIpaPGothic(zupel::gameFont()), "あ餌"));
}

TEST(GameFont, LeavesOtherCharactersToIpaPGothic) {
    const QString rare = "鬱蒼";
    const QRawFont builtIn = QRawFont::fromFont(zupel::gameFont());
    ASSERT_FALSE(builtIn.supportsCharacter(rare.at(0)));

    const QString line = "ぷよは鬱蒼とした森がすき ABC 123";
    for (const QFont& font : fontsTheWindowUses())
        EXPECT_EQ(drawn(font, line), drawn(asIpaPGothic(font), line)) << font.pointSizeF() << " pt";
}

// The English texts and help are drawn by the built-in face too: the cut takes them in.
TEST(GameFont, HoldsEveryCharacterOfTheEnglish) {
    const QRawFont builtIn = QRawFont::fromFont(zupel::gameFont());
    QString missing;
    for (const char* path : {ZUPEL_ENGLISH_TEXTS, ZUPEL_ENGLISH_HELP}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        for (const QChar c : QString::fromUtf8(file.readAll()))
            if (!c.isSpace() && !builtIn.supportsCharacter(c) && !missing.contains(c)) missing += c;
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.toStdString();
}
