#include "kept_letters.h"

#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

#include "cp932_codec.h"
#include "language.h"
#include "player_text.h"

namespace zupel {
namespace {

// One codec for every box the slime keeps (it opens its conversions once).
const Cp932Codec& recordCodec() {
    static const Cp932Codec codec;
    return codec;
}

bool cp932Holds(const QString& letter) {
    // The codec stores a letter it lacks as "?".
    return letter == "?" || recordCodec().toFileField(letter.toStdString(), 2).front() != '?';
}

class KeptLetters final : public QValidator {
public:
    explicit KeptLetters(QLineEdit* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int& pos) const override {
        QString kept, left;
        int keptPos = pos;
        for (qsizetype i = 0; i < input.size();) {
            const qsizetype length = input.at(i).isHighSurrogate() && i + 1 < input.size() ? 2 : 1;
            const QString letter = input.mid(i, length);
            if (cp932Holds(letter)) {
                kept += letter;
            } else {
                if (!left.contains(letter)) left += letter;
                if (i < pos) keptPos -= static_cast<int>(length);
            }
            i += length;
        }
        if (left.isEmpty()) return Acceptable;
        input = kept;
        pos = keptPos;
        tellAtBox(
            box_,
            translated(PlayerText::ja("「%1」はスライムの記録に使えない文字なので、入れられません"))
                .arg(left));
        return Acceptable;
    }

private:
    QLineEdit* box_;
};

}  // namespace

void refuseUnkeptLetters(QLineEdit* box) {
    box->setValidator(new KeptLetters(box));
}

bool recordKeepsWhole(const QString& text, std::size_t width) {
    return fitsFileField(recordCodec(), text.toStdString(), width);
}

void tellAtBox(QLineEdit* box, const QString& text) {
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), text, box);
}

}  // namespace zupel
