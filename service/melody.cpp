#include "service/melody.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kesto::service {
namespace {

// Semitone steps of a major pentatonic scale over two octaves.
constexpr std::array<int, 10> kScale = {0, 2, 4, 7, 9, 12, 14, 16, 19, 21};
constexpr double kFadeSeconds = 0.02;
constexpr double kLevel = 0.35;

std::uint32_t mix(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

} // namespace

Melody::Melody(std::string_view seed) : seed_(2166136261U) {
    for (unsigned char c : seed)
        seed_ = (seed_ ^ c) * 16777619U;
    seed_ = mix(seed_);
    // Keys from A3 up an octave, tempos from about 100 to 170 notes a minute.
    base_ = 220.0 * std::pow(2.0, static_cast<double>(seed_ % 12) / 12.0);
    noteSec_ = 0.35 + static_cast<double>((seed_ >> 8) % 8) * 0.03;
}

double Melody::noteFrequency(std::size_t note) const {
    // A phrase of eight notes is played twice, then a new phrase begins: tunes that repeat.
    const std::size_t phrase = note / 16;
    const std::size_t step = note % 8;
    const std::uint32_t pick = mix(seed_ + static_cast<std::uint32_t>(phrase * 8 + step) * 0x9e3779b9U);
    return base_ * std::pow(2.0, kScale[pick % kScale.size()] / 12.0);
}

std::int16_t Melody::sample(std::size_t index, double seconds) const {
    const double t = static_cast<double>(index) / kSampleRate;
    if (t >= seconds)
        return 0;
    const auto note = static_cast<std::size_t>(t / noteSec_);
    const double inNote = t - static_cast<double>(note) * noteSec_;
    const double f = noteFrequency(note);
    // A plucked note: quick attack, exponential decay, a soft second harmonic.
    const double envelope = std::min(1.0, inNote / 0.01) * std::exp(-3.0 * inNote / noteSec_);
    const double phase = 2 * std::numbers::pi * f * inNote;
    const double edge = std::min({1.0, t / kFadeSeconds, (seconds - t) / kFadeSeconds});
    const double value = (std::sin(phase) + 0.3 * std::sin(2 * phase)) / 1.3 * envelope * edge * kLevel;
    return static_cast<std::int16_t>(std::lround(value * 32767));
}

void Melody::render(std::int16_t* out, std::size_t first, std::size_t count, double seconds) const {
    for (std::size_t i = 0; i < count; ++i)
        out[i] = sample(first + i, seconds);
}

} // namespace kesto::service
