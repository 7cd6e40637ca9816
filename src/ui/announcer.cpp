#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <algorithm>

#include "language.h"
#include "player_text.h"

namespace zupel {
namespace {

constexpr qint64 kQuietMs = 5000;  // between two pieces of news, but for an answer

QAccessibleInterface* notificationFor(const QString& className, QObject* object) {
    if (className != QLatin1String(Announcer::staticMetaObject.className())) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    [[maybe_unused]] static const bool known = (QAccessible::installFactory(notificationFor), true);
    setObjectName("announcer");
    setAccessibleName(
        PlayerText::ja("スライム"));  // said in the player's language with the window's
    hide();
    soon_.setSingleShot(true);
    connect(&soon_, &QTimer::timeout, this, &Announcer::tell);
}

void Announcer::slimeSays(const QString& words, bool answer) {
    if (words.isEmpty()) return;  // falling silent is no news
    words_ = words;
    wordsAnswer_ = answer;
    tellWithin(answer ? 0 : kQuietMs);
}

void Announcer::statusIs(const QString& status, bool answer) {
    status_ = status;
    if (status_ != toldStatus_) tellWithin(answer ? 0 : kQuietMs);
}

// Tells the news as soon as `quiet` ms have passed since the last, and always after whatever
// else the game does at this moment, so that it goes out together.
void Announcer::tellWithin(qint64 quiet) {
    const qint64 wait =
        sinceTold_.isValid() ? std::max<qint64>(0, quiet - sinceTold_.elapsed()) : 0;
    if (!soon_.isActive() || soon_.remainingTime() > wait) soon_.start(int(wait));
}

void Announcer::tell() {
    QStringList news;
    // Its chatter is for a player who is with it, not one reading the help or another window.
    if (!words_.isEmpty() && (wordsAnswer_ || window()->isActiveWindow()))
        news << translated(PlayerText::ja("「%1」")).arg(words_);
    if (status_ != toldStatus_ && !status_.isEmpty())
        news << translated(PlayerText::ja("様子：%1")).arg(status_);
    words_.clear();
    toldStatus_ = status_;
    if (news.isEmpty()) return;
    // News of one moment is parted as each language parts sentences: a wide space in Japanese.
    const QString gap = spokenLanguage() == Language::japanese ? QString(QChar(0x3000)) : " ";
    setAccessibleDescription(news.join(gap));
    sinceTold_.start();
    QAccessibleEvent appears(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appears);
}

}  // namespace zupel
