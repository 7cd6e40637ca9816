// The room's colour and picture come from the player's settings at every start.
#include <sys/stat.h>

#include <QFile>
#include <QImage>
#include <QSettings>

#include "room_view.h"
#include "save_files.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

class RoomSettings : public UiTest {
protected:
    void SetUp() override { clearSettings(); }
    void TearDown() override {
        clearSettings();
        UiTest::TearDown();
    }
    static void clearSettings() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "zupel", "zupel").clear();
    }
    static void setSetting(const char* key, const QString& value) {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "zupel", "zupel");
        settings.setValue(QString("setting/") + key, value);
    }
    void startWithASlime() {
        storeSlime(slimeSavedToday(25, 50));
        startUp();
    }
    QColor roomCorner() { return form->Picture1->grab().toImage().pixelColor(199, 199); }
};

TEST_F(RoomSettings, NoSettingsGiveTheLightCyanRoom) {
    startWithASlime();
    EXPECT_EQ(roomCorner(), QColor(0xC0, 0xFF, 0xFF));
}

TEST_F(RoomSettings, TheStoredColourAndPictureDecorateTheRoom) {
    QImage picture(50, 50, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    const QString picturePath = folder.filePath("room.png");
    ASSERT_TRUE(picture.save(picturePath));
    setSetting("bgcolor", "255");  // red: the colour's lowest byte
    setSetting("bmpdir", picturePath);
    startWithASlime();
    const QImage room = form->Picture1->grab().toImage();
    EXPECT_EQ(room.pixelColor(2, 2), QColor(0, 128, 0));  // the picture, at its own size
    EXPECT_EQ(room.pixelColor(199, 199), QColor(255, 0, 0));
    EXPECT_EQ(game->world().bmpdir, picturePath.toStdString());
}

// A picture that cannot be shown costs the start nothing, and one that would block it (a FIFO,
// a device, /proc/kmsg, which waits for the kernel's next message) is never read at all.
TEST_F(RoomSettings, ABadColourOrAPictureThatCannotBeShownIsSkippedSilently) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("fifo.bmp")), 0600), 0);
    for (const QString& picture : {folder.filePath("gone.bmp"), folder.filePath("fifo.bmp"),
                                   folder.path(), QString("/dev/zero"), QString("/proc/kmsg")}) {
        SCOPED_TRACE(picture.toStdString());
        setSetting("bgcolor", "light blue");
        setSetting("bmpdir", picture);
        startWithASlime();
        EXPECT_EQ(roomCorner(), QColor(0xC0, 0xFF, 0xFF));
        EXPECT_TRUE(game->world().controls.roomPicture.empty());
        EXPECT_TRUE(game->world().controls.slimeVisible);
        EXPECT_TRUE(game->scheduler().enabled(TimerId::modetimer));
        TearDown();
    }
}

}  // namespace
}  // namespace zupel::testing
