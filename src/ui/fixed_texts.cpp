#include "fixed_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <functional>
#include <vector>

#include "language.h"

namespace zupel {
namespace {

struct FixedText {
    QPointer<QObject> owner;
    std::function<void(const QString&)> set;
    std::string japanese;
};

class FixedTexts final : public QObject {
public:
    explicit FixedTexts(QWidget* window) : QObject(window) {
        for (QWidget* widget : withChildren(window)) takeWidget(widget);
        for (QAction* action : window->findChildren<QAction*>())
            take(action, action->text(), [action](const QString& s) { action->setText(s); });
        sayAll();
        // A filter on the window hears of the change before the window and its children do.
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange && watched == parent()) sayAll();
        return false;
    }

private:
    static QList<QWidget*> withChildren(QWidget* window) {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        return widgets;
    }

    void takeWidget(QWidget* w) {
        if (w->isWindow())
            take(w, w->windowTitle(), [w](const QString& s) { w->setWindowTitle(s); });
        take(w, w->toolTip(), [w](const QString& s) { w->setToolTip(s); });
        take(w, w->accessibleName(), [w](const QString& s) { w->setAccessibleName(s); });
        take(w, w->accessibleDescription(),
             [w](const QString& s) { w->setAccessibleDescription(s); });
        if (auto* label = qobject_cast<QLabel*>(w))
            take(w, label->text(), [label](const QString& s) { label->setText(s); });
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            take(w, button->text(), [button](const QString& s) { button->setText(s); });
    }

    void take(QObject* owner, const QString& japanese, std::function<void(const QString&)> set) {
        if (!japanese.isEmpty()) texts_.push_back({owner, std::move(set), japanese.toStdString()});
    }

    void sayAll() {
        for (const FixedText& text : texts_)
            if (text.owner) text.set(translated(text.japanese));
    }

    std::vector<FixedText> texts_;
};

}  // namespace

void sayFixedTexts(QWidget* window) {
    new FixedTexts(window);
}

}  // namespace zupel
