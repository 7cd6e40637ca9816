// The yardstick for the game's start-up and running costs: a bare Qt Widgets program with the
// same things a window of ours must have and nothing more: a window of the game's size with a
// menu bar, one sound effect, and a timer that moves a 32 x 32 square at the slime's pace and
// plays the sound as the slime's hops do, every fourth step.
// usage: bare_window [TICK_MS [WAVE_FILE]]
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int tickMs = argc > 1 ? QString(argv[1]).toInt() : 700;

    QMainWindow window;
    window.setWindowTitle("bare");
    auto* client = new QWidget(&window);
    client->setFixedSize(472, 256);  // the game's client area
    window.setCentralWidget(client);
    window.menuBar()->addMenu("File");
    window.menuBar()->addMenu("Help");
    window.setFixedSize(window.sizeHint());

    QSoundEffect sound;
    if (argc > 2) sound.setSource(QUrl::fromLocalFile(argv[2]));

    auto* square = new QWidget(client);
    square->setAutoFillBackground(true);
    square->setGeometry(0, 0, 32, 32);
    QTimer timer;
    int step = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        step = (step + 1) % 8;
        square->move(8 + step * 4, 8 + step * 2);
        if (step % 4 == 0) sound.play();
    });
    timer.start(tickMs);

    window.show();
    return app.exec();
}
