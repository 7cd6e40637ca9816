// Paints the game's application icon, the slime's face as in its window icon, from shapes
// rather than pixels, so every size of the desktop's icon theme is drawn sharp at its own size.
// usage: zupel_slimeicon OUTPUT_FOLDER SIZE...   writes OUTPUT_FOLDER/SIZExSIZE/zupel.png
//        zupel_slimeicon --ico FILE SIZE...        writes every size into one Windows icon file
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

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

    // Lit from the upper left as in the window icon: a cyan rim there, a navy band at the lower
    // right, and plain blue between.
    const QPainterPath body = bodyOutline();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x00, 0x00, 0x80));
    painter.drawPath(body);
    painter.setBrush(QColor(0x00, 0x00, 0xFF));
    painter.drawPath(body.intersected(body.translated(-2.2, -2.0)));
    painter.setBrush(QColor(0x00, 0xFF, 0xFF));
    painter.drawPath(body.subtracted(body.translated(1.0, 1.0)));
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(12.6, 9.6), 0.9, 0.8);  // the shine

    // The face: whole pixels at the small sizes, where a blurred eye would read as a smudge.
    const bool small = size < 48;
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing, !small);
    const auto onImage = [&](const QRectF& units) {
        const QRectF pixels(units.topLeft() * size / grid, units.bottomRight() * size / grid);
        if (!small) return pixels;
        return QRectF(QPointF(std::round(pixels.left()), std::round(pixels.top())),
                      QPointF(std::round(pixels.right()), std::round(pixels.bottom())));
    };
    const auto drawSpot = [&](const QRectF& units) {
        if (small) {
            painter.drawRect(onImage(units));
        } else {
            painter.drawEllipse(onImage(units));
        }
    };
    for (const double x : {11.0, 21.0}) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        drawSpot(QRectF(x - 2.6, 13.6, 5.2, 6.8));
        painter.setBrush(Qt::black);
        // The pupils look a little inwards and down, as in the window icon.
        const double pupil = x < 16 ? x + 1.2 : x - 1.2;
        drawSpot(QRectF(pupil - 1.1, 16.7, 2.2, 3.0));
    }
    if (small) {
        painter.setBrush(Qt::black);
        painter.drawRect(onImage(QRectF(12, 22, 8, 3)));
        painter.setBrush(QColor(0xFF, 0x00, 0x00));
        const QRectF mouth = onImage(QRectF(12, 22, 8, 3));
        painter.drawRect(mouth.adjusted(1, 1, -1, 0));
    } else {
        painter.scale(size / grid, size / grid);
        painter.setPen(outline);
        painter.setBrush(QColor(0xFF, 0x00, 0x00));
        painter.drawPath(mouthOutline());
    }
    return image;
}

// A Windows icon file: a directory of the sizes, each image stored as PNG (as Windows reads
// them since Vista), all numbers little-endian.
bool writeIco(const QString& file, const std::vector<int>& sizes) {
    QByteArray directory, images;
    const auto put16 = [](QByteArray& to, int value) {
        to.append(static_cast<char>(value & 0xFF)).append(static_cast<char>((value >> 8) & 0xFF));
    };
    const auto put32 = [&](QByteArray& to, qsizetype value) {
        put16(to, static_cast<int>(value & 0xFFFF));
        put16(to, static_cast<int>(value >> 16));
    };
    put16(directory, 0);  // reserved
    put16(directory, 1);  // an icon, not a cursor
    put16(directory, static_cast<int>(sizes.size()));
    const qsizetype firstImage = 6 + 16 * static_cast<qsizetype>(sizes.size());
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        if (size > 256 || !buffer.open(QIODevice::WriteOnly) ||
            !paintIcon(size).save(&buffer, "PNG")) {
            return false;
        }
        directory.append(static_cast<char>(size & 0xFF));  // 256 is written as 0
        directory.append(static_cast<char>(size & 0xFF));
        directory.append(2, '\0');  // no palette, reserved
        put16(directory, 1);        // colour planes
        put16(directory, 32);       // bits per pixel
        put32(directory, png.size());
        put32(directory, firstImage + images.size());
        images += png;
    }
    QFile out(file);
    return out.open(QIODevice::WriteOnly) &&
           out.write(directory + images) == firstImage + images.size();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zupel_slimeicon OUTPUT_FOLDER SIZE... | --ico FILE SIZE...\n");
        return 2;
    }
    if (std::string_view(argv[1]) == "--ico") {
        std::vector<int> sizes;
        for (int i = 3; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
        if (argc < 4 || !writeIco(QString::fromLocal8Bit(argv[2]), sizes)) {
            std::fprintf(stderr, "zupel_slimeicon: cannot write the icon file %s\n", argv[2]);
            return 1;
        }
        return 0;
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
