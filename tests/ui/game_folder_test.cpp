// The game folder is found from the bytes of the program's path; Qt reaches it by another name
// when those bytes are not valid UTF-8.
#include "game_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

#include "single_instance.h"
#include "ui_fixture.h"

namespace zupel::testing {
namespace {

TEST(GameFolderName, QtReachesAFolderWhoseNameIsNotUtf8) {
    QTemporaryDir parent;
    const std::string base = QFile::encodeName(parent.path()).toStdString();
    for (const std::string& name : {std::string("スライム"), std::string("sura\xff\xfe")}) {
        SCOPED_TRACE(name);
        const std::filesystem::path bytes = base + "/" + name;
        ASSERT_TRUE(std::filesystem::create_directory(bytes));
        // A file put there by its bytes is found by Qt through the folder's Qt name.
        const std::filesystem::path marker = bytes / "esa.wav";
        ASSERT_EQ(::close(::open(marker.c_str(), O_WRONLY | O_CREAT, 0644)), 0);
        const GameFolder folder = gameFolderAt(bytes);
        EXPECT_EQ(folder.bytes, bytes);
        EXPECT_TRUE(QFile::exists(QDir(folder.forQt).filePath("esa.wav")));
        SingleInstance lock(folder.forQt);
        EXPECT_EQ(lock.acquire().outcome, SingleInstance::Outcome::acquired);
        EXPECT_TRUE(std::filesystem::exists(bytes / "zupel.lock"));
        lock.release();
    }
    std::filesystem::remove_all(base);  // QTemporaryDir cannot name what is not UTF-8
}

TEST(GameFolderName, TheRunningProgramsFolderIsFound) {
    const GameFolder folder = findGameFolder();
    EXPECT_EQ(folder.forQt, QCoreApplication::applicationDirPath());
    EXPECT_EQ(folder.bytes, QFile::encodeName(folder.forQt).toStdString());
}

}  // namespace
}  // namespace zupel::testing
