#include "host/demo/demo_mp3.h"

#include <cstdint>
#include <fstream>

namespace kesto {

void DemoMp3::write(const std::filesystem::path& path, const std::string& title, const std::string& artist) {
    auto frame = [](const char* id, const std::string& text) {
        const std::uint32_t size = static_cast<std::uint32_t>(text.size() + 1);
        std::string out(id, 4);
        out += static_cast<char>(size >> 24);
        out += static_cast<char>((size >> 16) & 0xFF);
        out += static_cast<char>((size >> 8) & 0xFF);
        out += static_cast<char>(size & 0xFF);
        out += std::string(2, '\0');
        out += '\0'; // ISO-8859-1
        out += text;
        return out;
    };
    const std::string frames = frame("TIT2", title) + frame("TPE1", artist);
    const auto size = static_cast<std::uint32_t>(frames.size());
    std::string tag = "ID3";
    tag += '\3';
    tag += '\0';
    tag += '\0';
    for (int shift = 21; shift >= 0; shift -= 7)
        tag += static_cast<char>((size >> shift) & 0x7F); // synch-safe size
    tag += frames;
    // MPEG-1 layer III, 128 kbit/s, 44.1 kHz frames of silence: 417 bytes each.
    constexpr int kFrameBytes = 417;
    constexpr int kFrames = 40;
    std::string audio;
    for (int i = 0; i < kFrames; ++i) {
        std::string one(kFrameBytes, '\0');
        one[0] = static_cast<char>(0xFF);
        one[1] = static_cast<char>(0xFB);
        one[2] = static_cast<char>(0x90);
        one[3] = static_cast<char>(0x64);
        audio += one;
    }
    std::ofstream(path, std::ios::binary) << tag << audio;
}

} // namespace kesto
