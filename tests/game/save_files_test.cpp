// The save files' byte layouts, and the save layer over a real folder on disk.
#include "save_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#endif

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>

#include "cp932_codec.h"
#include "file_save_folder.h"

namespace zupel {
namespace {

namespace fs = std::filesystem;

// What each system allows, and says, in the disk tests.
#ifdef _WIN32
bool permissionsBind() {
    return false;  // no mode bits that keep the game out of its folder
}
constexpr bool kHasDevFull = false;
void expectNoSuchFolder(const std::string& reason) {
    EXPECT_FALSE(reason.empty());  // in the language of the player's Windows
    EXPECT_EQ(reason.find("system error"), std::string::npos) << reason;
}
#else
bool permissionsBind() {
    return ::geteuid() != 0;  // root ignores permissions
}
const bool kHasDevFull = fs::exists("/dev/full");
void expectNoSuchFolder(const std::string& reason) {
    EXPECT_EQ(reason, "No such file or directory");
}
#endif

Bytes hex(std::initializer_list<int> values) {
    return Bytes(values.begin(), values.end());
}

TEST(PetRecordLayout, StoresTheKnownExampleByteForByte) {
    Cp932Codec codec;
    PetRecord pet;
    pet.name = "すらいむ      ";
    pet.age = 300;
    pet.condition = -2;
    pet.asobi = 20;
    pet.esa = 30;
    pet.ondo = 50;
    pet.wordcount = 7;
    pet.state = PetState::kLiving;
    pet.lastdate = 36135.0;  // 6 December 1998
    const Bytes bytes = encodePet(pet, codec);
    ASSERT_EQ(bytes.size(), 32u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 10),
              hex({0x82, 0xB7, 0x82, 0xE7, 0x82, 0xA2, 0x82, 0xDE, 0x20, 0x20}));
    EXPECT_EQ(Bytes(bytes.begin() + 10, bytes.begin() + 24),
              hex({0x2C, 0x01, 0xFE, 0xFF, 20, 0, 30, 0, 50, 0, 7, 0, 1, 0}));
    EXPECT_EQ(Bytes(bytes.begin() + 24, bytes.end()),
              hex({0x00, 0x00, 0x00, 0x00, 0xE0, 0xA4, 0xE1, 0x40}));
    EXPECT_EQ(decodePet(bytes, codec), pet);
}

TEST(PetRecordLayout, ShortOrEmptyRecordsReadAsZeros) {
    Cp932Codec codec;
    const PetRecord empty = decodePet({}, codec);
    EXPECT_EQ(empty.state, PetState::kNone);
    EXPECT_EQ(empty.wordcount, 0);
    EXPECT_EQ(empty.lastdate, 0.0);
    EXPECT_EQ(empty.name, std::string(10, ' '));

    const PetRecord cut =
        decodePet(hex({'A', 'B', 'C', ' ', ' ', ' ', ' ', ' ', ' ', ' ', 7}), codec);
    EXPECT_EQ(cut.name, "ABC       ");
    EXPECT_EQ(cut.age, 7);
    EXPECT_EQ(cut.state, 0);
}

TEST(PetRecordLayout, LongNamesLoseTheirTailWithoutHalfCharacters) {
    Cp932Codec codec;
    PetRecord pet;
    pet.name = "あいうえおか";  // six double-byte characters: only five fit in ten bytes
    Bytes bytes = encodePet(pet, codec);
    EXPECT_EQ(decodePet(bytes, codec).name, "あいうえお     ");  // read back at 10 characters

    pet.name = "abcあいうえ";  // 3 + 8 bytes: the last character would be cut in half
    bytes = encodePet(pet, codec);
    EXPECT_EQ(bytes[9], 0x20);
    EXPECT_EQ(decodePet(bytes, codec).name, "abcあいう    ");

    pet.name = "slime12345";
    EXPECT_EQ(decodePet(encodePet(pet, codec), codec).name, "slime12345");
}

TEST(WordRecordLayout, WordsArePaddedAndMissingRecordsAreBlank) {
    Cp932Codec codec;
    const Bytes bytes = encodeWord("ぷる", codec);
    ASSERT_EQ(bytes.size(), 20u);
    EXPECT_EQ(decodeWord(bytes, codec), "ぷる" + std::string(18, ' '));
    EXPECT_EQ(decodeWord(Bytes(20, 0), codec), std::string(20, ' '));
    EXPECT_EQ(decodeWord({}, codec), std::string(20, ' '));
}

class DiskSaveFiles : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() /
                   ("zupel-save-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Cp932Codec codec;
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    Bytes fileBytes(const char* name) {
        std::ifstream in(dir / name, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(DiskSaveFiles, FirstOpenCreatesThreeEmptyFilesThatReadAsNoSlime) {
    FileSaveFolder folder(dir);
    SaveFiles saves(folder, codec);
    saves.open();
    for (const char* name : {"data.sura", "word.sura", "big.sura"}) {
        EXPECT_TRUE(fs::exists(dir / name)) << name;
        EXPECT_EQ(fs::file_size(dir / name), 0u) << name;
    }
    EXPECT_EQ(saves.readPet().state, PetState::kNone);
    EXPECT_EQ(saves.readSize(), 0);
    EXPECT_EQ(saves.readWord(3), std::string(20, ' '));
}

TEST_F(DiskSaveFiles, RecordsLandAtTheirOffsetsAndRemovalKeepsBigSuraWhenAsked) {
    FileSaveFolder folder(dir);
    SaveFiles saves(folder, codec);
    saves.open();
    saves.writeWord(2, "two");
    saves.writeSize(12);
    PetRecord pet;
    pet.name = "ab        ";
    pet.state = PetState::kFrozen;
    saves.writePet(pet);

    const Bytes words = fileBytes("word.sura");
    ASSERT_EQ(words.size(), 40u);
    EXPECT_EQ(words[0], 0);
    EXPECT_EQ(words[20], 't');
    EXPECT_EQ(fileBytes("big.sura"), hex({12, 0}));
    EXPECT_EQ(fileBytes("data.sura").size(), 32u);
    EXPECT_EQ(saves.readPet().state, PetState::kFrozen);

    saves.removeAll(/*keepSize=*/true);
    EXPECT_FALSE(fs::exists(dir / "data.sura"));
    EXPECT_FALSE(fs::exists(dir / "word.sura"));
    EXPECT_TRUE(fs::exists(dir / "big.sura"));
}

TEST_F(DiskSaveFiles, FailuresNameTheFileTheOperationAndTheReason) {
    if (!permissionsBind()) {
        // a folder that does not exist fails for everyone
        FileSaveFolder folder(dir / "missing");
        SaveFiles saves(folder, codec);
        try {
            saves.open();
            FAIL() << "opening in a missing folder must fail";
        } catch (const SaveFileError& e) {
            EXPECT_NE(e.file().find("data.sura"), std::string::npos);
            EXPECT_EQ(e.operation(), "open");
            expectNoSuchFolder(e.reason());
        }
        return;
    }
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    FileSaveFolder folder(dir);
    SaveFiles saves(folder, codec);
    EXPECT_THROW(saves.open(), SaveFileError);
}

#ifndef _WIN32  // a limit on a file's size, FIFOs, sockets and /dev are POSIX ways to fail
TEST_F(DiskSaveFiles, AFailedWriteIsReportedNotSwallowed) {
    // The file may not grow past 16 bytes: the record's second half is refused, as a full disk
    // would refuse it.
    struct rlimit before {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const struct rlimit small = {16, before.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    try {
        FileSaveFolder(dir).open("data.sura", 32)->writeRecord(1, Bytes(32, 1));
        ADD_FAILURE() << "a write that did not reach the disk must not be reported as success";
    } catch (const SaveFileError& e) {
        EXPECT_EQ(e.operation(), "write");
        EXPECT_EQ(e.reason(), "File too large");
    }
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
}

// Only an ordinary file can keep a slime. Everything else is refused by name before the game
// reads a byte from it; a link to an ordinary file is followed, for saves in synced folders.
TEST_F(DiskSaveFiles, ASaveFileThatIsNoOrdinaryFileIsRefused) {
    const fs::path data = dir / "data.sura";
    const std::pair<const char*, std::function<void()>> refused[] = {
        {"a folder", [&] { fs::create_directory(data); }},
        {"a FIFO", [&] { ::mkfifo(data.c_str(), 0644); }},
        {"a socket",
         [&] {
             sockaddr_un address{AF_UNIX, {}};
             data.string().copy(address.sun_path, sizeof address.sun_path - 1);
             const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
             ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
             ::close(s);
         }},
        {"a link to /dev/null", [&] { fs::create_symlink("/dev/null", data); }},
        {"a link to /dev/zero", [&] { fs::create_symlink("/dev/zero", data); }},
        {"a link to /dev/full", [&] { fs::create_symlink("/dev/full", data); }},
    };
    for (const auto& [what, make] : refused) {
        SCOPED_TRACE(what);
        fs::remove_all(data);
        make();
        ASSERT_TRUE(fs::exists(fs::symlink_status(data)));
        try {
            FileSaveFolder(dir).open("data.sura", 32);
            ADD_FAILURE() << "must be refused";
        } catch (const SaveFileError& e) {
            EXPECT_EQ(e.file(), data.string());
            EXPECT_EQ(e.operation(), "open");
            EXPECT_NE(e.reason().find("not an ordinary file"), std::string::npos) << e.reason();
        }
    }
    fs::remove_all(data);
    std::ofstream(dir / "synced.sura", std::ios::binary) << std::string(32, 'x');
    fs::create_symlink(dir / "synced.sura", data);
    FileSaveFolder(dir).open("data.sura", 32)->writeRecord(1, Bytes(32, 'y'));
    EXPECT_EQ(fileBytes("synced.sura"), Bytes(32, 'y')) << "written through the link";
    EXPECT_TRUE(fs::is_symlink(data));
}
#endif

}  // namespace
}  // namespace zupel
