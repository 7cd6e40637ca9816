// The main window: the room with the slime and the speech line on the left, the temperature
// slider, six picture buttons and the black status panel on the right, the word entry along the
// bottom, and the menu bar. It draws the game's controls and passes the player's actions on; it
// decides nothing itself.
#pragma once

#include <QMainWindow>

#include "controls.h"
#include "language.h"
#include "picture_store.h"
#include "temperature_slider.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace zupel {

class Announcer;
class RoomView;

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(const PictureStore& pictures);

    // Brings every control in line with the game's state, touching only what changed.
    void render(const Controls& controls);
    // Sets the room picture shown from now on; false when the file is not a picture.
    bool loadRoomPicture(const QString& path);
    // Centres the window on the screen now, and once more when it is first shown, by which time
    // the window manager has put its frame round it.
    void centreOnScreen();

    // The controls, by the names the game gives them.
    RoomView* Picture1 = nullptr;
    QLabel* wordbox = nullptr;
    TemperatureSlider* Slider1 = nullptr;
    QToolButton* button1 = nullptr;
    QToolButton* button2 = nullptr;
    QToolButton* button3 = nullptr;
    QToolButton* Command1 = nullptr;
    QToolButton* button4 = nullptr;
    QToolButton* Command2 = nullptr;
    QLabel* namebox = nullptr;
    QLabel* agebox = nullptr;
    QLabel* ondobox = nullptr;
    QLabel* infobox = nullptr;
    QLabel* statusPanel = nullptr;  // the black panel: read out as one text
    Announcer* announcer = nullptr;  // tells a screen reader what the slime says and how it is
    QLineEdit* wordinbox = nullptr;
    QPushButton* wordbutton = nullptr;
    QAction* endgame1 = nullptr;
    QAction* endgame2 = nullptr;
    QAction* option = nullptr;
    QAction* help1 = nullptr;
    QAction* aboutgame = nullptr;
    QAction* japanese = nullptr;  // the language menu's two choices
    QAction* english = nullptr;

signals:
    void sliderMoved(int position);
    void closeRequested();
    // The pointer moved over the bare window (not over the room or a control of its own).
    void formMouseMoved();
    void wordboxMouseMoved();
    // The player chose a language from the menu.
    void languageChosen(Language language);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(QWidget* client);
    void buildMenus();
    void buildLanguageMenu(QMenu* file);
    void showLanguageChosen();
    QToolButton* pictureButton(QWidget* parent, QRect where, ButtonPicture picture,
                               const QString& tooltip);
    QLabel* panelLabel(QWidget* parent, QRect where, const QString& text, Qt::GlobalColor colour);
    void buildWordEntry(QWidget* client);
    void trackMouseOver(QWidget* widget);
    void showPointer(const Pointer& pointer);

    const PictureStore& pictures_;
    Controls shown_;  // what the controls show now
    QString roomPicturePath_;
    bool centredInFrame_ = false;
    bool playerActed_ = false;  // what the game shows next answers the player: told at once
    bool touched_ = false;      // and the slime's words answer a touch, even the same again
};

}  // namespace zupel
