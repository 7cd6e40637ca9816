#include "ui_fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "calendar.h"
#include "save_files.h"

namespace zupel::testing {

void UiTest::build(const QString& gameFolder) {
    const QString where = gameFolder.isEmpty() ? folder.path() : gameFolder;
    form = std::make_unique<MainForm>(pictures);
    shell = std::make_unique<WindowShell>(*form, where);
    saveFolder = std::make_unique<FileSaveFolder>(where.toStdString());
    game = std::make_unique<Game>(*shell, *saveFolder, codec);
    driver = std::make_unique<GameDriver>(
        *game, *form, [this](const SaveFileError& error) { failures.push_back(error.what()); },
        clock);
    shell->setBeforeModal([this] { driver->sync(); });
    shell->setAfterModal([this] { driver->tick(); });
    shell->setOnEnd([this] {
        ended = true;
        // Like the program's end: every dialog still open closes.
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    shell->setRunHandler([this](const std::function<void()>& handler) { driver->call(handler); });
    driver->bindControls();
}

void UiTest::startUp(std::function<void(QWidget*)> answer) {
    if (!game) build();
    if (answer) whenDialogOpens(answer);
    driver->call([this] { game->Form_Load(); });
    form->show();
}

void UiTest::whenDialogOpens(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start();
}

void UiTest::wait(int ms) {
    QTest::qWait(ms);
}

PetRecord UiTest::slimeSavedToday(int16_t age, int16_t ondo) {
    PetRecord pet;
    pet.name = "ぷよ        ";
    pet.age = age;
    pet.ondo = ondo;
    pet.state = PetState::kLiving;
    pet.lastdate = todayAsDayNumber();
    return pet;
}

void UiTest::storeSlime(const PetRecord& pet, int16_t size) {
    writeFile("data.sura", encodePet(pet, codec));
    writeFile("word.sura", encodeWord("ことば", codec));
    writeFile("big.sura", {static_cast<uint8_t>(size), 0});
}

void UiTest::writeFile(const char* name, const Bytes& bytes) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

Bytes UiTest::readFile(const char* name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray all = file.readAll();
    return Bytes(all.begin(), all.end());
}

bool UiTest::exists(const char* name) const {
    return QFile::exists(path(name));
}

void UiTest::TearDown() {
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    driver.reset();
    game.reset();
    saveFolder.reset();
    shell.reset();
    form.reset();
}

}  // namespace zupel::testing
