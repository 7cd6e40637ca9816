// Sound recipes: each of ZUPEL's sound effects is described as a few layers
// of tones and noise rather than stored as samples, so the game folder can be
// filled at build time and nothing binary lives in the repository.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zupel::wavsynth {

inline constexpr int kSampleRate = 22050;

// One sine component of a tone, relative to the tone's pitch.
struct Partial {
    double ratio = 1.0;  // multiple of the pitch; non-integers sound bell-like
    double gain = 1.0;
    double decayScale = 1.0;  // below 1 the partial dies away sooner than the pitch
};

enum class NoiseShape { Lowpass, Bandpass };

// A single event in a sound: a tone (possibly gliding), a noise burst, or both.
struct Layer {
    double start = 0.0;             // seconds from the beginning of the sound
    double length = 0.1;            // seconds
    double pitchFrom = 0.0;         // Hz; 0 means the layer has no tone
    double pitchTo = 0.0;           // Hz; 0 keeps the pitch steady at pitchFrom
    std::vector<Partial> partials;  // none means a pure sine at the pitch
    double noise = 0.0;             // level of the filtered noise burst; 0 means none
    NoiseShape noiseShape = NoiseShape::Lowpass;
    double noiseFrom = 1000.0;  // filter cutoff (or centre) in Hz at the start...
    double noiseTo = 1000.0;    // ...and at the end of the layer
    double noiseQ = 0.707;
    double attack = 0.005;  // seconds to rise from silence
    double decay = 0.0;     // seconds to fall to 1/e; 0 holds the level
    double release = 0.01;  // seconds of fade before the layer ends
    double gain = 1.0;

    // Chainable setters, so a recipe reads as a short description of the sound.
    Layer& at(double seconds) {
        start = seconds;
        return *this;
    }
    Layer& lasting(double seconds) {
        length = seconds;
        return *this;
    }
    Layer& tone(double fromHz, double toHz = 0.0) {
        pitchFrom = fromHz;
        pitchTo = toHz;
        return *this;
    }
    Layer& withPartials(std::vector<Partial> list) {
        partials = std::move(list);
        return *this;
    }
    Layer& withNoise(double level, NoiseShape shape, double fromHz, double toHz, double q = 0.707) {
        noise = level;
        noiseShape = shape;
        noiseFrom = fromHz;
        noiseTo = toHz;
        noiseQ = q;
        return *this;
    }
    Layer& shaped(double attackSeconds, double decaySeconds, double releaseSeconds) {
        attack = attackSeconds;
        decay = decaySeconds;
        release = releaseSeconds;
        return *this;
    }
    Layer& scaled(double level) {
        gain = level;
        return *this;
    }
};

struct Note {
    Note(double startSeconds, double lengthSeconds, double pitchHz, double level = 1.0)
        : start(startSeconds), length(lengthSeconds), pitch(pitchHz), gain(level) {}

    double start;
    double length;
    double pitch;
    double gain;
};

// A little tune: the same voice played at each note, optionally repeated.
struct Phrase {
    Phrase(Layer voiceLayer, std::vector<Note> noteList, int times = 1, double every = 0.0)
        : voice(std::move(voiceLayer)),
          notes(std::move(noteList)),
          repeats(times),
          repeatEvery(every) {}

    Layer voice;  // start, length and pitch are taken from each note
    std::vector<Note> notes;
    int repeats;
    double repeatEvery;  // seconds from one repeat to the next
};

struct SoundRecipe {
    explicit SoundRecipe(std::string name) : fileName(std::move(name)) {}

    std::string fileName;
    std::vector<Layer> layers;
    std::vector<Phrase> phrases;
    double peakDb = -3.0;  // loudest sample, relative to full scale
};

// Every layer of the recipe, with phrases unrolled into single notes.
std::vector<Layer> flattenRecipe(const SoundRecipe& recipe);

// Renders the recipe at kSampleRate. The result is normalised to the recipe's
// peak level and fades in and out at its very ends, so it never clips or
// clicks. Noise uses a fixed seed: the same recipe always gives the same
// samples.
std::vector<std::int16_t> renderRecipe(const SoundRecipe& recipe);

}  // namespace zupel::wavsynth
