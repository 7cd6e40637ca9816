// The game: the slime's world, its timers and every handler of the main window. Handlers keep
// the names the game's documentation gives them and live in the file of their subsystem
// (start-up, portrayal, feeding, growth, death, temperature, status, play, talk, touch,
// movement, move routines, speech). The window calls them and then draws `world().controls`.
#pragma once

#include <optional>
#include <string>

#include "player_text.h"
#include "save_files.h"
#include "scheduler.h"
#include "shell.h"
#include "world.h"

namespace zupel {

class Game {
public:
    Game(Shell& shell, SaveFolder& folder, const TextCodec& codec);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    World& world() { return world_; }
    const World& world() const { return world_; }
    Scheduler& scheduler() { return scheduler_; }
    SaveFiles& saves() { return saves_; }
    bool ended() const { return ended_; }

    // Start-up, catch-up, the days that pass while the game is open, and quitting
    // (startup.cpp).
    void Form_Load();
    void lastcheck();
    // Brings the slime's age and its record's date up to the calendar; every timer tick and
    // every save runs it first.
    void followCalendar();
    void endgame1_Click();  // quit from the menu
    void Command2_Click() { endgame1_Click(); }
    void Form_Unload();  // the main window closes, by whatever means

    // Portrayal (portrayal.cpp).
    void showsuraim();

    // Hunger and feeding (feeding.cpp).
    void button1_Click();
    void foodtimer_Timer();
    void uretimer_Timer();

    // Growth (growth.cpp).
    void bigtimer_Timer();

    // Health and death (death.cpp).
    void deadtimer_Timer();
    void deathStep();

    // Room temperature (temperature.cpp).
    void Slider1_Change(int position);
    void selondo();

    // Status display (status.cpp).
    void modetimer_Timer();
    void wordtimer_Timer();

    // Play (play.cpp).
    void asobitimer_Timer();
    void button2_Click();

    // Teaching and talking (talk.cpp).
    void button3_Click();
    void wordinbox_Change(const std::string& text);
    void wordbutton_Click();
    void oboe();

    // Touching the slime, and the pointer over the window (touch.cpp).
    void sura_Click();
    void sura_MouseMove();
    void Picture1_MouseMove(double x, double y);  // room pixels
    void Form_MouseMove();
    void wordbox_MouseMove();

    // Movement and speech (movement.cpp, move_routines.cpp, speech.cpp).
    void movetimer_Timer();
    void move1();
    void move2();
    void move3();
    void move4();
    void move5();
    void move6();
    void move7();
    void move8();
    void move9();
    void move10();
    void speak();

    // Freezing (freeze.cpp): the freeze button halts the game and asks; OK saves the slime
    // frozen and ends the program, CANCEL lets it go on.
    void button4_Click();
    void endgame2_Click() { button4_Click(); }
    void reitoform_Command1_Click();  // OK
    void reitoform_Command2_Click();  // CANCEL

    // Redecorating (options.cpp): the dialog's swatch and path, and its five buttons.
    void option_Click();
    void Command1_Click() { option_Click(); }
    void intoform();
    void optionform_Command5_Click();  // choose a colour
    void optionform_Command1_Click();  // browse for a picture
    void optionform_Command3_Click();  // OK
    void optionform_Command2_Click();  // CANCEL
    void optionform_Command4_Click();  // RESET
    void optionform_Text1_Change(const std::string& text);

    // Help and the version (help.cpp).
    void help1_Click();
    void aboutgame_Click();

private:
    void openingform_OK(const std::string& typedName);
    void mendRecord();
    // Shows an end dialog, then removes the save files it names and ends the program.
    void endThroughDialog(EndDialog which, std::optional<TwipsPoint> at = std::nullopt);
    // What the end dialog's END does: removes the save files it names and ends the program.
    void finishEnding();
    void endProgram();

    // Small shared operations of the handlers.
    void timerOn(TimerId id) { scheduler_.setEnabled(id, true); }
    void timerOff(TimerId id) { scheduler_.setEnabled(id, false); }
    void setInterval(TimerId id, int ms) { scheduler_.setInterval(id, ms); }
    void showFrame(int frame) { world_.controls.slimeFrame = frame; }
    void moveSlimeBy(float dx, float dy);
    void play(const char* sound) { shell_.playSound(sound); }
    // A whole number drawn uniformly from 1 to n.
    int draw(int n);
    int today() { return shell_.today(); }

    // Helpers of the life simulation (feeding, growth, death, temperature, status).
    void endPlayAndTalk();
    // Empties, greys and locks the word entry and its OK button.
    void stopListening();
    void growthStep();
    void callForAttention();

    // Helpers of the slime's behaviour (movement, move routines, speech).
    // One step of a walk or jump; `way` indexes walkVariant (up, down, left, right).
    void walk(int way);
    // One step of the fixed animation of move1 or move6 to move10, by the routine's number.
    void playSequence(int routine);
    // Runs one step of behaviour `mode`; false when the slime is too young for it.
    bool runBehaviour(int mode);
    bool maySpeak() const;
    // What the slime says for a kind of utterance; nullopt leaves the speech line as it is.
    std::optional<SpokenLine> utterance(int kind, int n);
    std::optional<SpokenLine> oneWord(int n);
    std::optional<SpokenLine> twoWords(int n);
    std::optional<SpokenLine> withName(int n);
    std::optional<SpokenLine> sentence(int n);
    std::string drawnWord(int n);
    std::optional<std::string> differentWord(const std::string& first, int n);

    // Helpers of saving and redecorating (start-up, freeze, options).
    // Writes the record with `state`, and the slime's width as its stored size.
    void saveSlime(int16_t state);
    // Shows the picture file in the room ("" for none); false when it cannot be shown.
    bool showRoomPicture(const std::string& path);

    Shell& shell_;
    SaveFiles saves_;
    Scheduler scheduler_;
    World world_;
    bool ended_ = false;
    std::optional<EndDialog> ending_;  // the end dialog shown, once the game is ending
};

}  // namespace zupel
