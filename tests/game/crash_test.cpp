// The game killed between any two of its writes: whatever it leaves behind, the next start
// finds either no slime (and asks for a name) or a whole one it can draw.
#include <functional>

#include "game_fixture.h"

namespace zupel::testing {
namespace {

struct Killed {};

// Passes writes through to the memory folder until its allowance runs out, then dies as a
// kill -9 would: nothing more reaches the files.
class DyingFolder final : public SaveFolder {
public:
    DyingFolder(MemorySaveFolder& files, int allowed) : files_(files), left_(allowed) {}

    std::unique_ptr<RecordFile> open(const std::string& name, int recordLength) override {
        return std::make_unique<DyingFile>(files_.open(name, recordLength), left_);
    }
    void remove(const std::string& name) override { files_.remove(name); }

private:
    class DyingFile final : public RecordFile {
    public:
        DyingFile(std::unique_ptr<RecordFile> file, int& left)
            : file_(std::move(file)), left_(left) {}
        Bytes readRecord(int n) override { return file_->readRecord(n); }
        void writeRecord(int n, const Bytes& record) override {
            if (left_-- <= 0) throw Killed{};
            file_->writeRecord(n, record);
        }
        int64_t length() override { return file_->length(); }
        std::string path() const override { return file_->path(); }

    private:
        std::unique_ptr<RecordFile> file_;
        int& left_;
    };

    MemorySaveFolder& files_;
    int left_;
};

struct KillCase {
    const char* what;
    bool slimeSaved;                 // a young slime is on the disk before the run; else none
    std::function<void(Game&)> act;  // what the player does once the game runs
};

void PrintTo(const KillCase& c, std::ostream* out) {
    *out << c.what;
}

class KilledBetweenWrites : public GameTest, public ::testing::WithParamInterface<KillCase> {};

TEST_P(KilledBetweenWrites, TheNextStartFindsNoSlimeOrAWholeOne) {
    const KillCase& c = GetParam();
    shell.todayValue = kDay;
    // Runs the case on fresh files, dying after `allowed` writes; says whether it died.
    auto run = [&](int allowed) {
        folder.files.clear();
        if (c.slimeSaved) {
            PetRecord saved = livingSlime(5);
            saved.name = "ぷよ        ";
            storePet(saved);
            storeSize(14);
        }
        folder.writes = 0;
        shell.nameToType = "ぷよ";
        shell.ended = false;
        DyingFolder dying(folder, allowed);
        try {
            Game running(shell, dying, codec);
            running.Form_Load();
            c.act(running);
        } catch (const Killed&) {
            return true;
        }
        return false;
    };
    ASSERT_FALSE(run(1000));
    const int writes = folder.writes;
    ASSERT_GT(writes, 0) << c.what << " writes nothing";

    for (int allowed = 0; allowed < writes; ++allowed) {
        SCOPED_TRACE(::testing::Message() << c.what << ", killed after " << allowed << " writes");
        ASSERT_TRUE(run(allowed));
        shell.nameToType = std::nullopt;  // the next start must not need a name, unless no slime
        shell.ended = false;
        start();
        if (folder.files["data.sura"].empty()) {
            EXPECT_TRUE(shell.ended) << "no slime: the naming dialog was asked and cancelled";
        } else {
            EXPECT_FALSE(shell.ended);
            EXPECT_EQ(pet().name, "ぷよ        ");
            EXPECT_TRUE(controls().slimeVisible);
            EXPECT_GE(controls().slime.width, 10);
            EXPECT_LE(controls().slime.width, 32);
        }
        game.reset();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Crash, KilledBetweenWrites,
    ::testing::Values(KillCase{"naming", false, [](Game&) {}},
                      KillCase{"quitting", true, [](Game& g) { g.endgame1_Click(); }},
                      KillCase{"closing", true, [](Game& g) { g.Form_Unload(); }}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace zupel::testing
