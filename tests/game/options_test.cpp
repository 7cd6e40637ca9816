// Redecorating: the dialog starts from the saved settings; OK, CANCEL and RESET decide what
// the room shows and what the next start finds.
#include "game_fixture.h"

namespace zupel::testing {
namespace {

constexpr uint32_t kCyan = 16777152, kRed = 255, kGreen = 0x00FF00, kBlue = 0xFF0000;
constexpr int64_t kUntouched = -1, kCancelled = -2;  // what the colour chooser answers

class Options : public GameTest {
protected:
    void SetUp() override { startWith(livingSlime()); }
    void redecorate(std::function<void(const OptionformEvents&)> player) {
        shell.settingWrites.clear();
        shell.whileOptionsOpen = std::move(player);
        game->Command1_Click();
    }
};

TEST_F(Options, TheDialogStartsFromTheSavedSettings) {
    OptionForm seen;
    auto look = [&](const OptionformEvents&) { seen = world().optionform; };
    redecorate(look);
    EXPECT_EQ(seen.swatch, kCyan);
    EXPECT_EQ(seen.Text1, "");
    shell.settings = {{"bgcolor", "255"}, {"bmpdir", "/p/room.png"}};
    redecorate(look);
    EXPECT_EQ(seen.swatch, kRed);
    EXPECT_EQ(seen.Text1, "/p/room.png");
    shell.settings["bgcolor"] = "light blue";  // no colour: the room's own
    redecorate(look);
    EXPECT_EQ(seen.swatch, kCyan);
}

struct Redecoration {
    const char* what;
    int64_t colour;     // the colour chooser's answer; kUntouched: not opened
    const char* typed;  // the path typed over the saved one; nullptr: not touched
    char button;        // OK, Cancel, Reset, or x: the title bar's close
    std::vector<std::string> writes;
    uint32_t roomColor;
    std::string roomPicture;
};
void PrintTo(const Redecoration& r, std::ostream* os) {
    *os << r.what;
}

class Buttons : public Options, public ::testing::WithParamInterface<Redecoration> {};

// Saved before every row: a red room with a picture.
TEST_P(Buttons, DecideTheRoomAndTheSettings) {
    const Redecoration& row = GetParam();
    shell.settings = {{"bgcolor", "255"}, {"bmpdir", "/p/old.bmp"}};
    shell.brokenPictures = {"/p/gone.bmp"};
    controls().roomColor = kRed;
    controls().roomPicture = "/p/old.bmp";
    redecorate([&](const OptionformEvents& e) {
        if (row.colour != kUntouched) {
            if (row.colour != kCancelled) shell.colourToChoose = static_cast<uint32_t>(row.colour);
            e.Command5_Click();
        }
        if (row.typed) e.Text1_Change(row.typed);
        if (row.button == 'O') e.Command3_Click();
        if (row.button == 'C') e.Command2_Click();
        if (row.button == 'R') e.Command4_Click();
    });
    EXPECT_EQ(shell.settingWrites, row.writes);
    EXPECT_EQ(controls().roomColor, row.roomColor);
    EXPECT_EQ(controls().roomPicture, row.roomPicture);
    EXPECT_EQ(world().bmpdir, shell.settings["bmpdir"]);
    EXPECT_FALSE(world().optionform.visible);
}

using W = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(
    Options, Buttons,
    ::testing::Values(
        Redecoration{"ok_unchanged", kUntouched, nullptr, 'O',
                     W{"bgcolor=255", "bmpdir=/p/old.bmp"}, kRed, "/p/old.bmp"},
        Redecoration{"ok_new_room", kGreen, "/p/new.jpg", 'O',
                     W{"bgcolor=65280", "bmpdir=/p/new.jpg"}, kGreen, "/p/new.jpg"},
        // A cancelled colour chooser keeps the swatch: no black room.
        Redecoration{"ok_after_cancelled_colour", kCancelled, nullptr, 'O',
                     W{"bgcolor=255", "bmpdir=/p/old.bmp"}, kRed, "/p/old.bmp"},
        Redecoration{"ok_empty_path", kUntouched, "", 'O', W{"bgcolor=255", "bmpdir="}, kRed, ""},
        // The new colour stays; the picture that cannot be shown is forgotten.
        Redecoration{"ok_missing_picture", kBlue, "/p/gone.bmp", 'O',
                     W{"bgcolor=16711680", "bmpdir=/p/gone.bmp", "bmpdir="}, kBlue, ""},
        Redecoration{"cancel", kGreen, "/p/new.jpg", 'C', W{}, kRed, "/p/old.bmp"},
        Redecoration{"title_bar_close", kGreen, "", 'x', W{}, kRed, "/p/old.bmp"},
        Redecoration{"reset", kGreen, "/p/new.jpg", 'R', W{"bgcolor=16777152", "bmpdir="}, kCyan,
                     ""}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Options, TheFileChooserAsksForPicturesAndItsCancelKeepsThePath) {
    shell.settings = {{"bmpdir", "/p/old.bmp"}};
    std::vector<std::string> paths;
    redecorate([&](const OptionformEvents& e) {
        e.Command1_Click();
        paths.push_back(world().optionform.Text1);
        shell.fileToChoose = "/p/new.gif";
        e.Command1_Click();
        paths.push_back(world().optionform.Text1);
    });
    EXPECT_EQ(paths, (W{"/p/old.bmp", "/p/new.gif"}));
    EXPECT_EQ(shell.fileFilter, "画像ﾌｧｲﾙ|*.bmp;*.gif;*.jpg;*.ico;*.png;*.jpeg");
    EXPECT_EQ(shell.fileTitle, "ﾌｧｲﾙを開く");
    EXPECT_EQ(shell.fileChooserStart, "/p/old.bmp") << "it starts at the picture shown";
}

TEST_F(Options, SettingsThatCannotBeKeptAreReportedOnceTheDialogHasClosed) {
    shell.settingsWritable = false;
    shell.brokenPictures = {"/p/gone.bmp"};
    shell.colourToChoose = kRed;
    redecorate([&](const OptionformEvents& e) {
        e.Command5_Click();
        e.Text1_Change("/p/gone.bmp");
        e.Command3_Click();  // three writes fail
        EXPECT_EQ(shell.settingsReports, 0) << "not while the dialog is still on the screen";
    });
    EXPECT_EQ(shell.settingsReports, 1);
    EXPECT_EQ(controls().roomColor, kRed);
    redecorate([&](const OptionformEvents& e) {
        e.Command4_Click();
        EXPECT_EQ(shell.settingsReports, 1);
    });
    EXPECT_EQ(shell.settingsReports, 2);
    redecorate([&](const OptionformEvents& e) { e.Command2_Click(); });
    EXPECT_EQ(shell.settingsReports, 2) << "CANCEL writes nothing, so nothing is lost";
    EXPECT_EQ(controls().roomColor, kCyan);
}

}  // namespace
}  // namespace zupel::testing
