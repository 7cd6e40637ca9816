#include "sound_recipe.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zupel::wavsynth {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Partials above this would fold back as harsh aliases, so they are dropped.
constexpr double kHighestPartial = 0.45 * kSampleRate;
// Fades at the very ends of every sound, on top of each layer's own envelope.
constexpr double kEdgeFadeIn = 0.003;
constexpr double kEdgeFadeOut = 0.008;
constexpr std::uint32_t kNoiseSeed = 0x2a5e1u;

// Own generator rather than <random>: its distributions may differ between
// standard libraries, and the sounds must come out the same on every build.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed ? seed : 1u) {}

    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

// State-variable filter in the trapezoidal form, which stays stable while the
// cutoff sweeps quickly.
class SweepFilter {
public:
    double process(double in, double cutoff, double q, NoiseShape shape) {
        const double g =
            std::tan(std::numbers::pi * std::min(cutoff, 0.45 * kSampleRate) / kSampleRate);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = in - ic2_;
        const double band = a1 * ic1_ + a2 * v3;
        const double low = ic2_ + a2 * ic1_ + a3 * v3;
        ic1_ = 2.0 * band - ic1_;
        ic2_ = 2.0 * low - ic2_;
        // Scaled so both shapes pass their centre frequency at unity gain.
        return shape == NoiseShape::Lowpass ? low : k * band;
    }

private:
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

// Exponential glide, so a sweep covers each octave in equal time.
double glide(double from, double to, double progress) {
    if (to <= 0.0 || from <= 0.0) return from;
    return from * std::pow(to / from, progress);
}

double smoothRamp(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

double envelope(const Layer& layer, double t, double decayScale) {
    double level = layer.attack > 0.0 ? smoothRamp(t / layer.attack) : 1.0;
    if (layer.decay > 0.0) level *= std::exp(-t / (layer.decay * decayScale));
    const double left = layer.length - t;
    if (layer.release > 0.0 && left < layer.release) level *= smoothRamp(left / layer.release);
    return level;
}

void addLayer(const Layer& layer, std::uint32_t seed, std::vector<double>& mix) {
    const auto first = static_cast<std::size_t>(std::lround(layer.start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(layer.length * kSampleRate));
    if (first >= mix.size() || count == 0) return;

    const std::vector<Partial> partials =
        layer.partials.empty() ? std::vector<Partial>(1) : layer.partials;
    std::vector<double> phases(partials.size(), 0.0);
    NoiseSource noise(seed);
    SweepFilter filter;
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double progress = static_cast<double>(i) / static_cast<double>(count);
        double sample = 0.0;

        if (layer.pitchFrom > 0.0) {
            const double pitch = glide(layer.pitchFrom, layer.pitchTo, progress);
            for (std::size_t p = 0; p < partials.size(); ++p) {
                const Partial& partial = partials[p];
                const double freq = pitch * partial.ratio;
                if (freq < kHighestPartial) {
                    sample +=
                        partial.gain * envelope(layer, t, partial.decayScale) * std::sin(phases[p]);
                }
                phases[p] = std::fmod(phases[p] + kTwoPi * freq / kSampleRate, kTwoPi);
            }
        }
        if (layer.noise > 0.0) {
            const double cutoff = glide(layer.noiseFrom, layer.noiseTo, progress);
            sample += layer.noise * envelope(layer, t, 1.0) *
                      filter.process(noise.next(), cutoff, layer.noiseQ, layer.noiseShape);
        }
        mix[first + i] += layer.gain * sample;
    }
}

}  // namespace

std::vector<Layer> flattenRecipe(const SoundRecipe& recipe) {
    std::vector<Layer> layers = recipe.layers;
    for (const Phrase& phrase : recipe.phrases) {
        for (int r = 0; r < phrase.repeats; ++r) {
            for (const Note& note : phrase.notes) {
                Layer layer = phrase.voice;
                layer.start = note.start + r * phrase.repeatEvery;
                layer.length = note.length;
                layer.pitchFrom = note.pitch;
                layer.pitchTo = 0.0;
                layer.gain *= note.gain;
                layers.push_back(layer);
            }
        }
    }
    return layers;
}

std::vector<std::int16_t> renderRecipe(const SoundRecipe& recipe) {
    const std::vector<Layer> layers = flattenRecipe(recipe);
    double seconds = 0.0;
    for (const Layer& layer : layers) seconds = std::max(seconds, layer.start + layer.length);
    std::vector<double> mix(static_cast<std::size_t>(std::ceil(seconds * kSampleRate)), 0.0);

    for (std::size_t i = 0; i < layers.size(); ++i) {
        addLayer(layers[i], kNoiseSeed + static_cast<std::uint32_t>(i) * 7919u, mix);
    }

    const auto fadeIn = static_cast<std::size_t>(kEdgeFadeIn * kSampleRate);
    const auto fadeOut = static_cast<std::size_t>(kEdgeFadeOut * kSampleRate);
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const std::size_t fromEnd = mix.size() - 1 - i;
        if (i < fadeIn) mix[i] *= smoothRamp(static_cast<double>(i) / fadeIn);
        if (fromEnd < fadeOut) mix[i] *= smoothRamp(static_cast<double>(fromEnd) / fadeOut);
    }

    double peak = 0.0;
    for (double s : mix) peak = std::max(peak, std::abs(s));
    const double target = 32767.0 * std::pow(10.0, recipe.peakDb / 20.0);
    const double scale = peak > 0.0 ? target / peak : 0.0;

    std::vector<std::int16_t> samples(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) {
        samples[i] =
            static_cast<std::int16_t>(std::clamp(std::lround(mix[i] * scale), -32768L, 32767L));
    }
    return samples;
}

}  // namespace zupel::wavsynth
