#pragma once
// A tune of its own for every song: a seed text (the song id) picks a key, a tempo and a
// sequence of notes from a pentatonic scale. Any sample can be computed on its own, so a
// stream can start anywhere (range requests, seeking) without rendering what comes before.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kesto::service {

class Melody {
public:
    static constexpr int kSampleRate = 22050;

    explicit Melody(std::string_view seed);

    // 16-bit mono samples [first, first + count) of a tune that lasts `seconds`; silence after.
    void render(std::int16_t* out, std::size_t first, std::size_t count, double seconds) const;
    std::int16_t sample(std::size_t index, double seconds) const;

    double baseFrequency() const { return base_; }

private:
    double noteFrequency(std::size_t note) const;

    std::uint32_t seed_;
    double base_;    // the key's root, Hz
    double noteSec_; // length of one note
};

} // namespace kesto::service
