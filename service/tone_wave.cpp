#include "service/tone_wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace kesto::service {
namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string ToneWave::make(double frequency, double seconds) {
    const auto samples = static_cast<std::uint32_t>(seconds * kSampleRate);
    const std::uint32_t dataBytes = samples * 2;
    std::string out = "RIFF";
    putLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, 1, 2); // mono
    putLe(out, kSampleRate, 4);
    putLe(out, kSampleRate * 2, 4);
    putLe(out, 2, 2);
    putLe(out, 16, 2);
    out += "data";
    putLe(out, dataBytes, 4);
    const double fade = kSampleRate / 50.0;
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double edge = std::min({1.0, i / fade, (samples - i) / fade});
        const double value = std::sin(2 * std::numbers::pi * frequency * i / kSampleRate) * 0.4 * edge;
        putLe(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32767)), 2);
    }
    return out;
}

double ToneWave::frequencyFor(const std::string& songId) {
    unsigned sum = 0;
    for (unsigned char c : songId)
        sum = sum * 31 + c;
    return 220.0 + (sum % 24) * 20.0;
}

} // namespace kesto::service
