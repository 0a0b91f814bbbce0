#pragma once
// A song's tune as a 16-bit mono PCM WAV file, produced piece by piece: any byte range of the
// file can be asked for, so the service streams it without holding it whole.

#include "service/melody.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kesto::service {

class WaveStream {
public:
    static constexpr std::size_t kHeaderBytes = 44;

    WaveStream(std::string_view seed, int seconds);

    std::size_t size() const { return kHeaderBytes + samples_ * 2; }
    // The bytes [offset, offset + length) of the file, cut at its end.
    std::string bytes(std::size_t offset, std::size_t length) const;
    // The whole file (tests, short tunes).
    std::string all() const { return bytes(0, size()); }

private:
    std::string header() const;

    Melody melody_;
    double seconds_;
    std::size_t samples_;
};

} // namespace kesto::service
