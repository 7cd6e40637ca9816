#include "game_sounds.h"

namespace zupel::wavsynth {
namespace {

// Note pitches in Hz.
constexpr double kG5 = 784.0;
constexpr double kB5 = 987.8;
constexpr double kC6 = 1046.5;
constexpr double kD6 = 1174.7;
constexpr double kE6 = 1318.5;
constexpr double kG6 = 1568.0;
constexpr double kC7 = 2093.0;
constexpr double kE7 = 2637.0;
constexpr double kG7 = 3136.0;
constexpr double kC8 = 4186.0;

// Struck metal: upper partials are slightly stretched and fade first.
const std::vector<Partial> kChime = {
    {1.0, 1.0, 1.0}, {2.0, 0.35, 0.5}, {3.0, 0.15, 0.35}, {4.2, 0.08, 0.25}};
// Small hand bell: strongly inharmonic partials, as a thin bronze shell gives.
const std::vector<Partial> kHandBell = {
    {1.0, 1.0, 1.0}, {2.32, 0.55, 0.7}, {4.25, 0.35, 0.45}, {6.63, 0.2, 0.3}};
// Odd harmonics only, kept soft: a gentle electronic beep rather than a buzz.
const std::vector<Partial> kBeep = {{1.0, 1.0, 1.0}, {3.0, 0.18, 1.0}, {5.0, 0.06, 1.0}};
// A reedy tone with a rich, falling row of harmonics.
const std::vector<Partial> kReed = {
    {1.0, 1.0, 1.0}, {2.0, 0.6, 0.8}, {3.0, 0.4, 0.7}, {4.0, 0.22, 0.6}, {5.0, 0.12, 0.5}};

// Feeding: three quick rising chime notes of a major chord, each left ringing.
SoundRecipe food() {
    SoundRecipe sound("esa.wav");
    sound.phrases.emplace_back(
        Layer().withPartials(kChime).shaped(0.003, 0.18, 0.06),
        std::vector<Note>{{0.00, 0.35, kC6, 0.9}, {0.10, 0.35, kE6, 0.9}, {0.20, 0.50, kG6}});
    return sound;
}

// Growing up: the slime swells with a three-octave glide, sparkles on top.
SoundRecipe growth() {
    SoundRecipe sound("big.wav");
    sound.layers.push_back(Layer()
                               .lasting(0.80)
                               .tone(196.0, 1568.0)
                               .withPartials({{1.0, 1.0, 1.0}, {2.0, 0.4, 1.0}, {3.0, 0.2, 1.0}})
                               .shaped(0.04, 0.0, 0.15)
                               .scaled(0.8));
    sound.phrases.emplace_back(
        Layer().withPartials(kChime).shaped(0.002, 0.08, 0.04).scaled(0.35),
        std::vector<Note>{
            {0.45, 0.25, kC7}, {0.55, 0.25, kE7}, {0.65, 0.25, kG7}, {0.75, 0.25, kC8}});
    return sound;
}

// Hungry call, played once a second: "pi-po, pi-po", short enough not to overlap.
SoundRecipe call() {
    SoundRecipe sound("yobu.wav");
    sound.phrases.emplace_back(Layer().withPartials(kBeep).shaped(0.005, 0.0, 0.02),
                               std::vector<Note>{{0.00, 0.09, kE6}, {0.11, 0.11, kB5}}, 2, 0.26);
    return sound;
}

// Landing after a hop: a low body thump that drops in pitch, plus a puff of air.
SoundRecipe landing() {
    SoundRecipe sound("move1.wav");
    // The quickly fading second harmonic lets small laptop speakers carry the thump.
    sound.layers.push_back(Layer()
                               .lasting(0.18)
                               .tone(180.0, 60.0)
                               .withPartials({{1.0, 1.0, 1.0}, {2.0, 0.3, 0.5}})
                               .shaped(0.002, 0.06, 0.03));
    sound.layers.push_back(Layer()
                               .lasting(0.06)
                               .withNoise(0.4, NoiseShape::Lowpass, 250.0, 120.0)
                               .shaped(0.001, 0.02, 0.02));
    return sound;
}

// Turning round: band-passed noise swept upwards, swelling then fading.
SoundRecipe turn() {
    SoundRecipe sound("move6.wav");
    sound.layers.push_back(Layer()
                               .lasting(0.30)
                               .withNoise(1.0, NoiseShape::Bandpass, 500.0, 3500.0, 1.5)
                               .shaped(0.12, 0.0, 0.16));
    return sound;
}

// The hand bell is swung once: a strike and a softer second strike.
SoundRecipe bell() {
    SoundRecipe sound("bell.wav");
    sound.phrases.emplace_back(Layer().withPartials(kHandBell).shaped(0.002, 0.3, 0.2),
                               std::vector<Note>{{0.00, 1.00, kD6}, {0.16, 0.95, kD6, 0.7}});
    return sound;
}

// Learning a trick: a rising arpeggio on a reed, the top note held.
SoundRecipe learned() {
    SoundRecipe sound("oboe.wav");
    sound.phrases.emplace_back(
        Layer().withPartials(kReed).shaped(0.015, 0.5, 0.04),
        std::vector<Note>{{0.00, 0.15, kG5}, {0.14, 0.15, kB5}, {0.28, 0.45, kD6}});
    return sound;
}

}  // namespace

std::vector<SoundRecipe> gameSounds() {
    return {food(), growth(), call(), landing(), turn(), bell(), learned()};
}

}  // namespace zupel::wavsynth
