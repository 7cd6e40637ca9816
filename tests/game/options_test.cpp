// Redecorating: the dialog starts from the saved settings; OK, CANCEL and RESET decide what
// the room shows and what the next start finds.
#include "game_fixture.h"

namespace zupel::testing {
namespace {

constexpr uint32_t kCyan = 16777152;
constexpr uint32_t kRed = 255;

class Options : public GameTest {
protected:
    void SetUp() override { startWith(livingSlime()); }
    OptionForm& form() { return world().optionform; }
    // Opens the dialog and lets `player` act in it.
    void redecorate(std::function<void(const OptionformEvents&)> player) {
        shell.settingWrites.clear();
        shell.whileOptionsOpen = std::move(player);
        game->Command1_Click();
    }
};

TEST_F(Options, TheDialogStartsFromTheSavedSettings) {
    OptionForm seen;
    auto look = [&](const OptionformEvents&) { seen = form(); };
    redecorate(look);  // nothing saved yet
    EXPECT_EQ(seen.swatch, kCyan);
    EXPECT_EQ(seen.Text1, "");
    EXPECT_TRUE(seen.visible);

    shell.settings = {{"bgcolor", "255"}, {"bmpdir", "/home/p/room.png"}};
    controls().roomColor = 0x123456;  // the room shows something else: the dialog shows the saved
    redecorate(look);
    EXPECT_EQ(seen.swatch, kRed);
    EXPECT_EQ(seen.Text1, "/home/p/room.png");

    shell.settings["bgcolor"] = "light blue";  // no colour at all: the room's own colour
    redecorate(look);
    EXPECT_EQ(seen.swatch, kCyan);
    EXPECT_EQ(shell.log.back(), "dialog:options");
    EXPECT_FALSE(form().visible);
}

struct Redecoration {
    const char* what;
    std::function<void(FakeShell&, const OptionformEvents&)> player;
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
    redecorate([&](const OptionformEvents& e) { row.player(shell, e); });
    EXPECT_EQ(shell.settingWrites, row.writes);
    EXPECT_EQ(controls().roomColor, row.roomColor);
    EXPECT_EQ(controls().roomPicture, row.roomPicture);
    EXPECT_EQ(world().bmpdir, shell.settings["bmpdir"]);
    EXPECT_FALSE(form().visible);
    EXPECT_EQ(shell.settingsReports, 0);
}

using Nothing = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(
    Options, Buttons,
    ::testing::Values(
        Redecoration{"ok_unchanged",
                     [](FakeShell&, const OptionformEvents& e) { e.Command3_Click(); },
                     {"bgcolor=255", "bmpdir=/p/old.bmp"},
                     kRed,
                     "/p/old.bmp"},
        Redecoration{"ok_new_colour_and_picture",
                     [](FakeShell& s, const OptionformEvents& e) {
                         s.colourToChoose = 0x00FF00;
                         e.Command5_Click();
                         s.fileToChoose = "/p/new.jpg";
                         e.Command1_Click();
                         e.Command3_Click();
                     },
                     {"bgcolor=65280", "bmpdir=/p/new.jpg"},
                     0x00FF00,
                     "/p/new.jpg"},
        // Cancelled choosers leave the swatch and the path as they were (no black room).
        Redecoration{"ok_after_cancelled_choosers",
                     [](FakeShell& s, const OptionformEvents& e) {
                         s.colourToChoose = std::nullopt;
                         e.Command5_Click();
                         s.fileToChoose = "";
                         e.Command1_Click();
                         e.Command3_Click();
                     },
                     {"bgcolor=255", "bmpdir=/p/old.bmp"},
                     kRed,
                     "/p/old.bmp"},
        Redecoration{"ok_empty_path",
                     [](FakeShell&, const OptionformEvents& e) {
                         e.Text1_Change("");
                         e.Command3_Click();
                     },
                     {"bgcolor=255", "bmpdir="},
                     kRed,
                     ""},
        // The new colour stays; the picture that cannot be shown is forgotten.
        Redecoration{"ok_missing_picture",
                     [](FakeShell& s, const OptionformEvents& e) {
                         s.colourToChoose = 0xFF0000;
                         e.Command5_Click();
                         e.Text1_Change("/p/gone.bmp");
                         e.Command3_Click();
                     },
                     {"bgcolor=16711680", "bmpdir=/p/gone.bmp", "bmpdir="},
                     0xFF0000,
                     ""},
        Redecoration{"cancel_after_edits",
                     [](FakeShell& s, const OptionformEvents& e) {
                         s.colourToChoose = 0;
                         e.Command5_Click();
                         e.Text1_Change("/p/new.jpg");
                         e.Command2_Click();
                     },
                     Nothing{}, kRed, "/p/old.bmp"},
        Redecoration{"title_bar_close_after_edits",
                     [](FakeShell&, const OptionformEvents& e) { e.Text1_Change(""); }, Nothing{},
                     kRed, "/p/old.bmp"},
        Redecoration{"reset_whatever_was_shown",
                     [](FakeShell& s, const OptionformEvents& e) {
                         s.colourToChoose = 0;
                         e.Command5_Click();
                         e.Text1_Change("/p/new.jpg");
                         e.Command4_Click();
                     },
                     {"bgcolor=16777152", "bmpdir="},
                     kCyan,
                     ""}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(Options, TheChoosersAskForPicturesAndStartFromTheSwatch) {
    shell.settings = {{"bgcolor", "255"}};
    redecorate([&](const OptionformEvents& e) {
        e.Command5_Click();
        e.Command1_Click();
    });
    EXPECT_EQ(shell.colourChooserStarts, std::vector<uint32_t>{kRed});
    EXPECT_EQ(shell.fileFilter, "画像ﾌｧｲﾙ|*.bmp;*.gif;*.jpg;*.ico;*.png;*.jpeg");
    EXPECT_EQ(shell.fileTitle, "ﾌｧｲﾙを開く");
}

TEST_F(Options, SettingsThatCannotBeKeptAreReportedOnceAndTheRoomStillChanges) {
    shell.settingsWritable = false;
    shell.brokenPictures = {"/p/gone.bmp"};
    redecorate([&](const OptionformEvents& e) {
        shell.colourToChoose = kRed;
        e.Command5_Click();
        e.Text1_Change("/p/gone.bmp");
        e.Command3_Click();
    });
    EXPECT_EQ(shell.settingsReports, 1);
    EXPECT_EQ(controls().roomColor, kRed);
    EXPECT_TRUE(shell.settings.empty());
    redecorate([&](const OptionformEvents& e) { e.Command4_Click(); });
    EXPECT_EQ(shell.settingsReports, 2);
    EXPECT_EQ(controls().roomColor, kCyan);
}

TEST_F(Options, TheGameGoesOnWhileTheDialogIsOpen) {
    controls().infobox.clear();
    redecorate([&](const OptionformEvents& e) {
        advance(1000);
        e.Command2_Click();
    });
    EXPECT_EQ(controls().infobox, "元気です");
    EXPECT_TRUE(on(TimerId::movetimer));
}

}  // namespace
}  // namespace zupel::testing
