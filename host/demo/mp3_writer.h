#pragma once
// Writes a generated tune as a constant-bit-rate MP3 file with ID3v2 tags (title, artist,
// album, track), so that the player's own tag reader and decoder treat it like any song.

#include <filesystem>
#include <string>

namespace kesto {

struct Mp3Tags {
    std::string title; // UTF-8
    std::string artist;
    std::string album;
    int track = 0;
};

class Mp3Writer {
public:
    static constexpr int kSampleRate = 22050;
    static constexpr int kKbps = 64;

    // The tune of `seed` for `seconds`; false when the file cannot be encoded or written.
    static bool write(const std::filesystem::path& file, const std::string& seed, int seconds,
                      const Mp3Tags& tags);

private:
    static bool encode(const std::filesystem::path& file, const std::string& seed, int seconds);
    static bool tag(const std::filesystem::path& file, const Mp3Tags& tags);
};

} // namespace kesto
