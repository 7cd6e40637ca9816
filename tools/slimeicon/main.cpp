// Paints the game's application icon, the slime's face as in its window icon, from shapes
// rather than pixels, so every size of the desktop's icon theme is drawn sharp at its own size.
// usage: zupel_slimeicon OUTPUT_FOLDER SIZE...   writes OUTPUT_FOLDER/SIZExSIZE/zupel.png
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The drawing is laid out on the 32-unit grid of the window icon.
constexpr double grid = 32.0;

QPainterPath bodyOutline() {
    QPainterPath body;
    body.moveTo(16, 2);
    body.cubicTo(19, 6, 31, 12, 31, 22);
    body.cubicTo(31, 28, 25, 31, 16, 31);
    body.cubicTo(7, 31, 1, 28, 1, 22);
    body.cubicTo(1, 12, 13, 6, 16, 2);
    return body;
}

QPainterPath mouthOutline() {
    QPainterPath mouth;
    mouth.moveTo(12, 22.3);
    mouth.lineTo(20, 22.3);
    mouth.cubicTo(19.2, 25.6, 12.8, 25.6, 12, 22.3);
    return mouth;
}

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / grid, size / grid);
    // A line at least one pixel wide, so the smallest sizes keep their outline.
    const double line = std::max(0.9, grid / size);
    const QPen outline(Qt::black, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Light from the upper left: cyan there, deep blue in the middle, navy at the lower right.
    QRadialGradient jelly(QPointF(14, 17), 17, QPointF(9, 11));
    jelly.setColorAt(0.0, QColor(0x00, 0xFF, 0xFF));
    jelly.setColorAt(0.3, QColor(0x00, 0x00, 0xFF));
    jelly.setColorAt(0.8, QColor(0x00, 0x00, 0xE0));
    jelly.setColorAt(1.0, QColor(0x00, 0x00, 0x80));
    painter.setPen(outline);
    painter.setBrush(jelly);
    painter.drawPath(bodyOutline());

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(12.5, 9.5), 1.2, 1.0);  // the shine

    for (const double x : {11.0, 21.0}) {
        painter.setPen(QPen(Qt::black, line * 0.6));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(x, 17), 2.6, 3.2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        // The pupils look a little inwards and down, as in the window icon.
        painter.drawEllipse(QPointF(x < 16 ? x + 1.2 : x - 1.2, 18.2), 1.1, 1.5);
    }

    painter.setPen(outline);
    painter.setBrush(QColor(0xFF, 0x00, 0x00));
    painter.drawPath(mouthOutline());
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zupel_slimeicon OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QString("%1x%1").arg(size);
        if (size < 8 || size > 1024 || !output.mkpath(folder) ||
            !paintIcon(size).save(output.filePath(folder + "/zupel.png"))) {
            std::fprintf(stderr, "zupel_slimeicon: cannot write the %s icon in %s\n", argv[i],
                         argv[1]);
            return 1;
        }
    }
    return 0;
}
