// What the slime says and how it is doing, told to a screen reader as they change, without
// moving the focus. Qt 6.4 can make a reader speak only the object that has the focus, or a
// notification as it appears, so the news goes out as a notification that appears anew each
// time (Orca speaks it whatever has the focus). News of one moment goes out together, and at
// most once every few seconds, so a chattering slime or a status that changes back and forth
// cannot drown out what the reader is saying; only what answers the player's own action (a
// touch, feeding, a word taught) goes out at once. Its chatter reaches a player who is in its
// window; a change of its status always does.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace zupel {

class Announcer : public QWidget {
    Q_OBJECT
public:
    // Never shown on the screen: only a screen reader sees it.
    explicit Announcer(QWidget* parent);

    // The slime has just said `words`; `answer` when that answers the player's own action.
    void slimeSays(const QString& words, bool answer);
    // The status line reads `status` now; told when it differs from the one last told.
    void statusIs(const QString& status, bool answer);

private:
    void tellWithin(qint64 ms);
    void tell();

    QString words_;  // said since the last news, not yet told
    bool wordsAnswer_ = false;
    QString status_;
    QString toldStatus_;
    QElapsedTimer sinceTold_;
    QTimer soon_;
};

}  // namespace zupel
