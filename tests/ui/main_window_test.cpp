// The main window as the player sees it before and after a slime is shown.
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QToolButton>

#include "room_view.h"
#include "twips.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

using MainWindow = UiTest;

TEST_F(MainWindow, HasItsCaptionSizeAndNoWayToResize) {
    build();
    EXPECT_EQ(form->windowTitle(), "ZUPEL");
    EXPECT_EQ(form->centralWidget()->size(), QSize(472, 256));  // 7080 x 3840 twips
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(MainWindow, EveryControlSitsAtItsPlaceWithItsTextAndTooltip) {
    build();
    struct Expected {
        QWidget* widget;
        QRect geometry;  // in the parent's pixels
        QString tooltip;
    };
    const Expected controls[] = {
        {form->Picture1, QRect(7, 16, 200, 200), ""},
        {form->wordbox, pxRect(100, 3330, 3015, 375), ""},
        {form->Slider1, pxRect(3360, 120, 495, 3015), ""},
        {form->button1, pxRect(4320, 120, 855, 615), "餌をやる"},
        {form->button2, pxRect(5160, 120, 855, 615), "遊んでやる"},
        {form->button3, pxRect(6000, 120, 855, 615), "話しかける"},
        {form->Command1, pxRect(4320, 720, 855, 615), "模様替え"},
        {form->button4, pxRect(5160, 720, 855, 615), "冷凍する"},
        {form->Command2, pxRect(6000, 720, 855, 615), "終了する"},
        {form->namebox, pxRect(5160, 1560, 1695, 255), ""},
        {form->agebox, pxRect(5160, 1800, 975, 255), ""},
        {form->ondobox, pxRect(5160, 2040, 615, 255), ""},
        {form->infobox, pxRect(4440, 2400, 2415, 735), ""},
        {form->wordinbox, pxRect(3360, 3360, 2895, 375), ""},
        {form->wordbutton, pxRect(6360, 3330, 615, 375), ""},
    };
    for (const Expected& c : controls) {
        EXPECT_EQ(c.widget->geometry(), c.geometry) << c.widget->objectName().toStdString();
        EXPECT_EQ(c.widget->toolTip(), c.tooltip) << c.widget->objectName().toStdString();
        // A picture button is announced by what its tooltip says, even while it shows "やめる".
        if (auto* button = qobject_cast<QToolButton*>(c.widget)) {
            button->setText("やめる");
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
            ASSERT_NE(spoken, nullptr);
            EXPECT_EQ(spoken->text(QAccessible::Name), c.tooltip);
            button->setText("");
        }
    }
    for (QToolButton* b : {form->button1, form->button2, form->button3, form->Command1,
                           form->button4, form->Command2}) {
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_FALSE(b->icon().isNull());
    }
    EXPECT_EQ(form->namebox->text(), "すらいむ");
    EXPECT_EQ(form->ondobox->text(), "50");
    EXPECT_EQ(form->wordbutton->text(), "OK");
    EXPECT_FALSE(form->wordbutton->isEnabled());
    EXPECT_FALSE(form->wordinbox->isEnabled());
    EXPECT_EQ(form->wordinbox->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(form->Slider1->minimum(), 0);
    EXPECT_EQ(form->Slider1->maximum(), 10);
    EXPECT_TRUE(form->namebox->font().bold());
    EXPECT_EQ(form->namebox->font().pointSize(), 12);
    EXPECT_EQ(form->namebox->font().families().value(0), "Zupel PGothic");  // IPA P Gothic

    QStringList labels;
    for (auto* label : form->centralWidget()->findChildren<QLabel*>()) labels << label->text();
    for (const char* text : {"名前：", "年齢：", "日", "温度：", "℃", "0", "50", "100"}) {
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    }
}

TEST_F(MainWindow, TheMenuBarOffersQuitFreezeRedecorateAndHelp) {
    build();
    const QList<QAction*> top = form->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), "ファイル(&F)");
    EXPECT_EQ(top[1]->text(), "模様替え(&O)");
    EXPECT_EQ(top[2]->text(), "ヘルプ(&H)");
    EXPECT_EQ(form->endgame1->text(), "終了(&X)");
    EXPECT_EQ(form->endgame2->text(), "冷凍して終了(&S)");
    EXPECT_EQ(form->help1->text(), "目次");
    EXPECT_EQ(form->help1->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(form->aboutgame->text(), "ﾊﾞｰｼﾞｮﾝ情報(&A)");
}

TEST_F(MainWindow, ThePictureStoreHoldsEveryFrameAndPointer) {
    for (int k = 1; k <= PictureStore::kFrames; ++k) {
        EXPECT_EQ(pictures.frame(k).size(), QSize(32, 32)) << k;
        EXPECT_TRUE(pictures.frame(k).hasAlphaChannel()) << k;
    }
    EXPECT_EQ(pictures.frame(1).toImage(), pictures.frame(6).toImage());
    EXPECT_NE(pictures.frame(1).toImage(), pictures.frame(11).toImage());
    EXPECT_EQ(pictures.furi().size(), QSize(32, 32));
    EXPECT_EQ(pictures.hand().size(), QSize(32, 32));
}

// On a scaled screen a button's picture grows pixel by pixel, as the slime does: at 150 % as at
// 200 %, every pixel is one of the picture's own colours.
TEST_F(MainWindow, ButtonPicturesStaySharpOnScaledScreens) {
    const QIcon icon = pictures.button(ButtonPicture::feed);
    auto colours = [&icon](qreal scale) {
        const QImage image = icon.pixmap(QSize(40, 30), scale).toImage();
        EXPECT_EQ(image.size(), QSize(40, 30) * scale);
        QSet<QRgb> found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) found.insert(image.pixel(x, y));
        return found;
    };
    for (const qreal scale : {1.5, 2.0})
        EXPECT_TRUE(colours(1.0).contains(colours(scale))) << scale;
}

TEST_F(MainWindow, TheRoomDrawsTheSlimeStretchedToItsSizeOnTheRoomColour) {
    build();
    Controls c;
    c.slimeVisible = true;
    c.slime = {100, 100, 32, 32};
    c.roomColor = 0x0000FF;  // red, in the colour order of the settings
    form->render(c);
    const QImage room = form->Picture1->grab().toImage();
    EXPECT_EQ(room.pixelColor(2, 2), QColor(255, 0, 0));
    // The slime's blue body sits in the middle of its 32 x 32 picture.
    EXPECT_EQ(room.pixelColor(116, 120), QColor(0, 0, 255));

    c.slime = {20, 20, 10, 10};
    form->render(c);
    const QImage moved = form->Picture1->grab().toImage();
    EXPECT_EQ(moved.pixelColor(116, 120), QColor(255, 0, 0));
    int blueish = 0;
    for (int y = 20; y < 30; ++y) {
        for (int x = 20; x < 30; ++x) blueish += moved.pixelColor(x, y).blue() > 150 ? 1 : 0;
    }
    EXPECT_GT(blueish, 10);
}

}  // namespace
}  // namespace zupel::testing
