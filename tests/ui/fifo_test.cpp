// The room picture and the settings are read only from ordinary files: a FIFO in their place
// is never opened, so it cannot stop the game before its window.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "settings_store.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

// Makes a FIFO and watches it: `opened` turns true if anything opens it for reading (which
// would block for ever with no writer; the watcher lets it go at once).
class FifoWatch {
public:
    explicit FifoWatch(const QString& path) : path_(QFile::encodeName(path)) {
        ok_ = ::mkfifo(path_.constData(), 0644) == 0;
        thread_ = std::thread([this] {
            while (!stop_) {
                const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    opened = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    ~FifoWatch() {
        stop_ = true;
        thread_.join();
    }
    bool ok() const { return ok_; }
    std::atomic<bool> opened = false;

private:
    QByteArray path_;
    bool ok_ = false;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

TEST_F(UiTest, ARoomPictureThatIsAFifoIsNeverOpened) {
    build();
    FifoWatch fifo(path("room.bmp"));
    ASSERT_TRUE(fifo.ok());
    EXPECT_FALSE(form->loadRoomPicture(path("room.bmp")));
    QTest::qWait(20);
    EXPECT_FALSE(fifo.opened);
}

TEST(Settings, ASettingsFileThatIsAFifoIsNeverOpened) {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/zupel";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + "/zupel.conf";
    QFile::remove(file);
    {
        FifoWatch fifo(file);
        ASSERT_TRUE(fifo.ok());
        EXPECT_EQ(SettingsStore().read("bgcolor"), std::nullopt);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_FALSE(fifo.opened);
    }
    QFile::remove(file);
}

}  // namespace
}  // namespace zupel::testing
