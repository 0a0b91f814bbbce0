#include "service/wave_stream.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kesto::service {
namespace {

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

WaveStream::WaveStream(std::string_view seed, int seconds)
    : melody_(seed), seconds_(std::max(1, seconds)),
      samples_(static_cast<std::size_t>(seconds_ * Melody::kSampleRate)) {}

std::string WaveStream::header() const {
    const auto dataBytes = static_cast<std::uint32_t>(samples_ * 2);
    std::string out = "RIFF";
    putLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, 1, 2); // mono
    putLe(out, Melody::kSampleRate, 4);
    putLe(out, Melody::kSampleRate * 2, 4);
    putLe(out, 2, 2);
    putLe(out, 16, 2);
    out += "data";
    putLe(out, dataBytes, 4);
    return out;
}

std::string WaveStream::bytes(std::size_t offset, std::size_t length) const {
    const std::size_t end = std::min(size(), offset + length);
    std::string out;
    if (offset >= end)
        return out;
    out.reserve(end - offset);
    if (offset < kHeaderBytes)
        out = header().substr(offset, std::min(end, kHeaderBytes) - offset);
    if (end <= kHeaderBytes)
        return out;
    // Whole samples around the asked range, then the asked bytes of them.
    const std::size_t from = std::max(offset, kHeaderBytes) - kHeaderBytes;
    const std::size_t to = end - kHeaderBytes;
    const std::size_t firstSample = from / 2;
    const std::size_t lastSample = (to + 1) / 2;
    std::vector<std::int16_t> pcm(lastSample - firstSample);
    melody_.render(pcm.data(), firstSample, pcm.size(), seconds_);
    for (std::size_t byte = from; byte < to; ++byte) {
        const auto value = static_cast<std::uint16_t>(pcm[byte / 2 - firstSample]);
        out += static_cast<char>(byte % 2 == 0 ? value & 0xFF : value >> 8);
    }
    return out;
}

} // namespace kesto::service
