#pragma once
// A small MP3 file of silence with an ID3v2 title and artist (ISO-8859-1), readable by TagLib:
// the songs of the tour's play lists and of the tests' local files.

#include <filesystem>
#include <string>

namespace kesto {

class DemoMp3 {
public:
    static void write(const std::filesystem::path& path, const std::string& title, const std::string& artist);
};

} // namespace kesto
