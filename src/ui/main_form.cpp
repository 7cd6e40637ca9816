#include "main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QWindow>
#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <tuple>

#include "announcer.h"
#include "fixed_texts.h"
#include "kept_letters.h"
#include "pet_record.h"
#include "player_text.h"
#include "room_view.h"
#include "small_file.h"
#include "temperature_slider.h"
#include "twips.h"
#include "ui_fonts.h"

namespace zupel {
namespace {

constexpr QSize kClientSize(px(7080), px(3840));
// Where each pointer picture points: the hand's fingertip, and the top of the toy's string (its
// bell hangs about 20 pixels lower, where the slime runs to).
constexpr QPoint kHandHotSpot(2, 2);
constexpr QPoint kToyHotSpot(9, 2);

constexpr qint64 kLargestRoomPicture = 64 * 1024 * 1024;  // a photograph straight off a camera
constexpr std::chrono::seconds kLongestPictureRead(3);

// The room picture, or a null one when it cannot be shown. Only an ordinary file of bounded size
// is read (never a FIFO, a device or a pseudo-file such as /proc/kmsg), and it is read and
// decoded on a thread of its own: a disk that stopped answering keeps the window waiting only a
// moment, and the thread is left to finish on its own.
QImage readRoomPicture(const QString& path) {
    auto picture = std::make_shared<std::promise<QImage>>();
    std::future<QImage> read = picture->get_future();
    std::thread([path, picture] {
        const SmallFile file = readSmallFile(path, kLargestRoomPicture, Links::followed);
        const QByteArray format = QFileInfo(path).suffix().toLatin1();  // a hint; the bytes decide
        picture->set_value(file.refusal.empty() ? QImage::fromData(file.bytes, format.constData())
                                                : QImage());
    }).detach();
    if (read.wait_for(kLongestPictureRead) != std::future_status::ready) return {};
    return read.get();
}

// The game fixes this background, so it fixes the text on it too (and on the controls that take
// their colours from it): a dark desktop theme must not write near-white on light grey.
void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    const bool dark = colour.lightness() < 128;
    for (const QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text}) {
        palette.setColor(text, dark ? Qt::white : Qt::black);
        palette.setColor(QPalette::Disabled, text, dark ? Qt::lightGray : Qt::darkGray);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

constexpr QSize kButtonPictureSize(40, 30);
// A captioned button ("やめる") shows a smaller picture, so the caption fits under it.
constexpr QSize kCaptionedPictureSize(24, 18);

void setCaption(QToolButton* button, const std::string& caption) {
    button->setText(translated(caption));
    button->setToolButtonStyle(caption.empty() ? Qt::ToolButtonIconOnly
                                               : Qt::ToolButtonTextUnderIcon);
    button->setIconSize(caption.empty() ? kButtonPictureSize : kCaptionedPictureSize);
}

// Controls whose every text differs from those of `c`: rendering `c` over them says each text
// again.
Controls unlikeInEveryText(Controls c) {
    for (std::string* text :
         {&c.namebox, &c.agebox, &c.ondobox, &c.infobox, &c.button2Caption, &c.button3Caption})
        text->push_back('\n');
    c.wordbox += asHeld("\n");
    return c;
}

}  // namespace

MainForm::MainForm(const PictureStore& pictures) : pictures_(pictures) {
    setWindowTitle("ZUPEL");
    setWindowIcon(pictures.windowIcon());
    // No maximise button, and nothing in the game reacts to a size change.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setBackground(client, fromBgr(kLightGrey));
    setCentralWidget(client);
    buildControls(client);
    buildMenus();
    setFixedSize(sizeHint());
    trackMouseOver(client);
    announcer = new Announcer(this);
    sayFixedTexts(this);
    // Connected before the game's handlers, so the flag is up when they have run.
    connect(Picture1, &RoomView::slimeClicked, this, [this] { playerActed_ = touched_ = true; });
    const std::initializer_list<QAbstractButton*> actions = {button1, button2, button3, wordbutton};
    for (QAbstractButton* action : actions)
        connect(action, &QAbstractButton::clicked, this, [this] { playerActed_ = true; });
    Slider1->setFocus();  // the keyboard starts at the temperature, as it always has
}

// Moves over the widget reach eventFilter even with no button held.
void MainForm::trackMouseOver(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        // Before the window is first shown its frame is unknown; when it first appears on the
        // screen the window manager has framed it, and the centring counts the frame in.
        if (event->type() == QEvent::Expose && !centredInFrame_ && windowHandle()->isExposed()) {
            centredInFrame_ = true;
            windowHandle()->removeEventFilter(this);
            centreOnScreen();
        }
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() != QEvent::MouseMove) return QMainWindow::eventFilter(watched, event);
    // Handled here, so a move over the speech line does not also count as one over the window.
    if (watched == wordbox) {
        emit wordboxMouseMoved();
    } else {
        emit formMouseMoved();
    }
    return true;
}

QToolButton* MainForm::pictureButton(QWidget* parent, QRect where, ButtonPicture picture,
                                     const QString& tooltip) {
    auto* button = new QToolButton(parent);
    button->setGeometry(where);
    button->setIcon(pictures_.button(picture));
    button->setToolTip(tooltip);
    button->setAccessibleName(tooltip);  // a screen reader says what the picture shows
    button->setAutoRaise(false);
    setCaption(button, "");
    return button;
}

QLabel* MainForm::panelLabel(QWidget* parent, QRect where, const QString& text,
                             Qt::GlobalColor colour) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    label->setFont(statusPanelFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);  // a name is shown as typed, never as markup
    return label;
}

void MainForm::buildControls(QWidget* client) {
    auto* Frame1 = new QFrame(client);
    Frame1->setGeometry(pxRect(0, 0, 3255, 3855));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    trackMouseOver(Frame1);  // the frame round the room is part of the bare window

    Picture1 = new RoomView(pictures_, Frame1);
    Picture1->move(px(100), px(240));
    Picture1->setObjectName("Picture1");
    Picture1->setAccessibleName(PlayerText::ja("スライムの部屋"));
    Picture1->setAccessibleDescription(
        PlayerText::ja("スライムをクリックするか、スペースキーを押すと、さわれます"));

    wordbox = new QLabel(Frame1);
    wordbox->setObjectName("wordbox");
    wordbox->setGeometry(pxRect(100, 3330, 3015, 375));
    wordbox->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackground(wordbox, Qt::white);
    wordbox->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    wordbox->setTextFormat(Qt::PlainText);  // taught words are said as typed
    wordbox->setAccessibleName(PlayerText::ja("スライムの言葉"));
    trackMouseOver(wordbox);

    Slider1 = new TemperatureSlider(client);
    Slider1->setObjectName("Slider1");
    Slider1->setGeometry(pxRect(3360, 120, 495, 3015));
    Slider1->setRange(0, 10);
    Slider1->setPageStep(1);
    Slider1->setTickPosition(QSlider::TicksRight);
    Slider1->setTickInterval(1);
    // 0 at the top, as the scale marks say; the arrow keys move the handle the way they point.
    Slider1->setInvertedAppearance(true);
    Slider1->setInvertedControls(true);
    connect(Slider1, &QSlider::valueChanged, this, &MainForm::sliderMoved);

    const struct {
        int top;
        const char* text;
    } marks[] = {{240, "0"}, {1560, "50"}, {2880, "100"}};
    for (const auto& mark : marks) {
        auto* label = new QLabel(mark.text, client);
        // Wide enough for "100" in this face; the marks stand on their own.
        label->setGeometry(QRect(px(3960), px(mark.top), 32, px(255)));
        label->setFont(scaleMarkFont());
    }

    // Two rows of three, made in the order the keyboard takes them.
    const std::tuple<QToolButton**, const char*, ButtonPicture, const char*> buttons[] = {
        {&button1, "button1", ButtonPicture::feed, PlayerText::ja("餌をやる")},
        {&button2, "button2", ButtonPicture::play, PlayerText::ja("遊んでやる")},
        {&button3, "button3", ButtonPicture::talk, PlayerText::ja("話しかける")},
        {&Command1, "Command1", ButtonPicture::decorate, PlayerText::ja("模様替え")},
        {&button4, "button4", ButtonPicture::freeze, PlayerText::ja("冷凍する")},
        {&Command2, "Command2", ButtonPicture::quit, PlayerText::ja("終了する")},
    };
    for (int i = 0; i < int(std::size(buttons)); ++i) {
        const auto& [button, name, picture, tooltip] = buttons[i];
        const QRect where = pxRect(4320 + 840 * (i % 3), 120 + 600 * (i / 3), 855, 615);
        *button = pictureButton(client, where, picture, tooltip);
        (*button)->setObjectName(name);
    }

    statusPanel = new QLabel(client);
    statusPanel->setObjectName("statusPanel");
    statusPanel->setGeometry(pxRect(4320, 1440, 2655, 1815));
    statusPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackground(statusPanel, Qt::black);
    statusPanel->setAccessibleName(PlayerText::ja("スライムの状態"));

    panelLabel(client, pxRect(4440, 1560, 735, 255), PlayerText::ja("名前："), Qt::yellow);
    // The name it shows until the slime's own, a name as well: never translated.
    namebox = panelLabel(client, pxRect(5160, 1560, 1695, 255), "すらいむ", Qt::white);
    panelLabel(client, pxRect(4440, 1800, 735, 255), PlayerText::ja("年齢："), Qt::yellow);
    agebox = panelLabel(client, pxRect(5160, 1800, 975, 255), "", Qt::white);
    // As wide as the panel leaves, for a unit longer than one character.
    panelLabel(client, pxRect(6360, 1800, 555, 255), PlayerText::ja("日"), Qt::yellow);
    panelLabel(client, pxRect(4440, 2040, 735, 255), PlayerText::ja("温度："), Qt::yellow);
    ondobox = panelLabel(client, pxRect(5160, 2040, 615, 255), "50", Qt::white);
    panelLabel(client, pxRect(6000, 2040, 255, 255), "℃", Qt::yellow);
    infobox = panelLabel(client, pxRect(4440, 2400, 2415, 735), "", Qt::yellow);
    infobox->setWordWrap(true);
    infobox->setAccessibleName(PlayerText::ja("様子"));
    namebox->setObjectName("namebox");
    agebox->setObjectName("agebox");
    ondobox->setObjectName("ondobox");
    infobox->setObjectName("infobox");

    buildWordEntry(client);
}

void MainForm::buildWordEntry(QWidget* client) {
    wordinbox = new QLineEdit(client);
    wordinbox->setObjectName("wordinbox");
    wordinbox->setGeometry(pxRect(3360, 3360, 2895, 375));
    wordinbox->setEnabled(false);
    wordinbox->setAccessibleName(PlayerText::ja("話しかける言葉"));
    setBackground(wordinbox, fromBgr(kLightGrey));

    wordbutton = new QPushButton("OK", client);
    wordbutton->setObjectName("wordbutton");
    wordbutton->setGeometry(pxRect(6360, 3330, 615, 375));
    wordbutton->setEnabled(false);
    wordbutton->setAccessibleDescription(PlayerText::ja("入力した言葉をスライムに話しかけます"));
    wordbutton->setDefault(true);  // drawn as the default; a main window gives it no Enter key
    // Clicking OK leaves the typing where it is, ready for the next word.
    wordbutton->setFocusPolicy(Qt::TabFocus);
    // So Enter in the entry is OK's, and only while OK can be pressed (click() does nothing on
    // a disabled button).
    connect(wordinbox, &QLineEdit::returnPressed, wordbutton, &QPushButton::click);
    refuseUnkeptLetters(wordinbox);
    // The slime keeps only the start of a longer word it learns: the player hears of it.
    connect(wordinbox, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!recordKeepsWhole(text, kWordChars))
            tellAtBox(wordinbox,
                      translated(PlayerText::ja("覚えられるのは全角10文字、半角20文字までです")));
    });
}

void MainForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(PlayerText::ja("ファイル(&F)"));
    endgame1 = file->addAction(PlayerText::ja("終了(&X)"));
    endgame2 = file->addAction(PlayerText::ja("冷凍して終了(&S)"));
    buildLanguageMenu(file);
    option = menuBar()->addAction(PlayerText::ja("模様替え(&O)"));
    QMenu* helpgame = menuBar()->addMenu(PlayerText::ja("ヘルプ(&H)"));
    help1 = helpgame->addAction(PlayerText::ja("目次"));
    help1->setShortcut(Qt::Key_F1);
    help1->setShortcutContext(Qt::ApplicationShortcut);
    aboutgame = helpgame->addAction(PlayerText::ja("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
    // F10 opens the menus, as on most desktops.
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

void MainForm::buildLanguageMenu(QMenu* file) {
    file->addSeparator();
    QMenu* menu = file->addMenu(PlayerText::ja("言語(&L)"));
    auto* choices = new QActionGroup(menu);
    // Each language by its own name, so a player lost in the other one still finds theirs.
    //: The name of the language in the language itself: the same in every translation.
    japanese = choices->addAction(PlayerText::ja("日本語"));
    english = choices->addAction("English");
    for (QAction* choice : choices->actions()) {
        choice->setCheckable(true);
        menu->addAction(choice);
    }
    showLanguageChosen();
    connect(japanese, &QAction::triggered, this,
            [this] { emit languageChosen(Language::japanese); });
    connect(english, &QAction::triggered, this, [this] { emit languageChosen(Language::english); });
}

void MainForm::showLanguageChosen() {
    (spokenLanguage() == Language::japanese ? japanese : english)->setChecked(true);
}

void MainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    // The fixed texts are said already; the game's own are said again from what it shows.
    showLanguageChosen();
    const Controls now = shown_;
    shown_ = unlikeInEveryText(now);
    render(now);
}

void MainForm::centreOnScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = frameGeometry().size();
    // The corner given is the frame's, so the window manager places the frame itself there.
    create();
    windowHandle()->setFramePosition(
        QPoint(screen.width() / 2 - outer.width() / 2, screen.height() / 2 - outer.height() / 2));
}

void MainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centredInFrame_ && windowHandle()) windowHandle()->installEventFilter(this);
}

bool MainForm::loadRoomPicture(const QString& path) {
    if (path.isEmpty()) {
        Picture1->setRoomPicture({});
        roomPicturePath_.clear();
        return true;
    }
    const QImage picture = readRoomPicture(path);
    if (picture.isNull()) return false;
    Picture1->setRoomPicture(QPixmap::fromImage(picture));
    roomPicturePath_ = path;
    return true;
}

void MainForm::render(const Controls& c) {
    auto text = [](const std::string& s) { return QString::fromStdString(s); };
    if (c.namebox != shown_.namebox) namebox->setText(text(c.namebox));
    if (c.agebox != shown_.agebox) agebox->setText(text(c.agebox));
    if (c.ondobox != shown_.ondobox) ondobox->setText(text(c.ondobox));
    if (c.wordbox != shown_.wordbox || touched_) {
        wordbox->setText(translated(c.wordbox));
        wordbox->setAccessibleDescription(wordbox->text());
        announcer->slimeSays(wordbox->text(), playerActed_);
    }
    if (c.infobox != shown_.infobox) {
        infobox->setText(translated(c.infobox));
        infobox->setAccessibleDescription(infobox->text());
        announcer->statusIs(infobox->text(), playerActed_);
    }
    playerActed_ = touched_ = false;
    if (c.namebox != shown_.namebox || c.agebox != shown_.agebox || c.ondobox != shown_.ondobox ||
        c.infobox != shown_.infobox) {
        statusPanel->setAccessibleDescription(
            translated(PlayerText::ja("名前：%1、年齢：%2日、温度：%3℃、%4"))
                .arg(namebox->text().trimmed(), agebox->text(), ondobox->text(), infobox->text()));
    }

    button1->setEnabled(c.button1Enabled);
    button2->setEnabled(c.button2Enabled);
    button3->setEnabled(c.button3Enabled);
    button4->setEnabled(c.button4Enabled);
    if (c.button2Caption != shown_.button2Caption) setCaption(button2, c.button2Caption);
    if (c.button3Caption != shown_.button3Caption) setCaption(button3, c.button3Caption);

    if (c.slider1Position != Slider1->value()) {
        const QSignalBlocker quiet(Slider1);  // the game moved it, not the player
        Slider1->setValue(c.slider1Position);
    }
    Slider1->setEnabled(c.slider1Enabled);

    if (text(c.wordinboxText) != wordinbox->text()) wordinbox->setText(text(c.wordinboxText));
    wordinbox->setEnabled(c.wordinboxEnabled);
    // The entry that has just opened takes the keyboard, so the player can type at once.
    if (c.wordinboxEnabled && !shown_.wordinboxEnabled) wordinbox->setFocus();
    if (c.wordinboxColor != shown_.wordinboxColor)
        setBackground(wordinbox, fromBgr(c.wordinboxColor));
    wordbutton->setEnabled(c.wordbuttonEnabled);

    if (c.roomColor != shown_.roomColor) Picture1->setRoomColour(c.roomColor);
    if (c.slimeVisible != shown_.slimeVisible || c.slime != shown_.slime ||
        c.slimeFrame != shown_.slimeFrame) {
        Picture1->setSlime(c.slimeVisible, c.slime, c.slimeFrame);
    }
    if (c.pointer != shown_.pointer) showPointer(c.pointer);
    shown_ = c;
}

void MainForm::showPointer(const Pointer& pointer) {
    if (!pointer.custom || pointer.icon == PointerIcon::none) {
        unsetCursor();
    } else if (pointer.icon == PointerIcon::furi) {
        setCursor(QCursor(pictures_.furi(), kToyHotSpot.x(), kToyHotSpot.y()));
    } else {
        setCursor(QCursor(pictures_.hand(), kHandHotSpot.x(), kHandHotSpot.y()));
    }
}

void MainForm::closeEvent(QCloseEvent* event) {
    // Closing the window saves the slime and ends the game; the game decides when that is done.
    event->ignore();
    emit closeRequested();
}

}  // namespace zupel
