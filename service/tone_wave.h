#pragma once
// Short audio the service makes itself: a 16-bit mono PCM WAV file of a sine tone.

#include <string>

namespace kesto::service {

class ToneWave {
public:
    static constexpr int kSampleRate = 8000;

    // `frequency` in Hz; a short fade at both ends avoids clicks.
    static std::string make(double frequency, double seconds);
    // A tone per song: the same song always sounds the same.
    static double frequencyFor(const std::string& songId);
};

} // namespace kesto::service
