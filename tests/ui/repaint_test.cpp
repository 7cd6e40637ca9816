// A dancing slime must cost little: moving it repaints only where it was and where it is.
#include <QLabel>
#include <QPaintEvent>
#include <QTest>

#include "room_view.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

// Collects the regions painted on the widgets it watches.
class PaintSpy : public QObject {
public:
    QRegion painted;
    int otherPaints = 0;
    QWidget* room = nullptr;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (watched == room) {
                painted += static_cast<QPaintEvent*>(event)->region();
            } else {
                ++otherPaints;
            }
        }
        return false;
    }
};

using Repainting = UiTest;

TEST_F(Repainting, MovingTheSlimeTouchesOnlyWhereItWasAndWhereItIs) {
    build();
    Controls c;
    c.slimeVisible = true;
    c.slime = {50, 60, 32, 32};
    c.infobox = "元気です";
    form->render(c);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::qWait(50);

    PaintSpy spy;
    spy.room = form->Picture1;
    for (QWidget* w : form->findChildren<QWidget*>()) w->installEventFilter(&spy);

    c.slime = {58, 60, 32, 32};  // one walk step to the right, in the next frame
    c.slimeFrame = 9;
    form->render(c);
    QTest::qWait(50);

    const QRect expected = QRect(50, 60, 40, 32).adjusted(-1, -1, 1, 1);
    EXPECT_FALSE(spy.painted.isEmpty());
    EXPECT_TRUE(QRegion(expected).contains(spy.painted.boundingRect()))
        << "painted " << spy.painted.boundingRect().x() << "," << spy.painted.boundingRect().y()
        << " " << spy.painted.boundingRect().width() << "x" << spy.painted.boundingRect().height();
    EXPECT_EQ(spy.otherPaints, 0) << "nothing else on the window is repainted";
}

}  // namespace
}  // namespace zupel::testing
