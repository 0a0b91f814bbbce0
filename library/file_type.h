#pragma once
// Type codes of local audio files (kept in Song::File_Format), decided by extension.

#include <array>
#include <string>
#include <string_view>

namespace kesto {

class FileType {
public:
    static constexpr int kMp3 = 0;
    static constexpr int kAac = 1;
    static constexpr int kSkm = 2;
    static constexpr int kDcfLocal = 3; // packaged on this PC ("@local" content id)
    static constexpr int kDcf = 4;
    static constexpr int kWma = 5;
    static constexpr int kOgg = 6;
    static constexpr int kWav = 7;
    static constexpr int kAsf = 8;
    static constexpr int kBell = 9;
    static constexpr int kOther = 10;

    // Extensions that the add-folder walk collects, without the dot.
    static constexpr std::array<std::string_view, 3> kFolderExtensions = {"dcf", "mp3", "ogg"};

    // The text after the file name's last dot, compared without regard to case.
    static int fromPath(std::string_view path);
    // The extension with its dot (".mp3"), or empty for kOther and unknown codes.
    static std::string_view extensionOf(int code);
    // Local pages and imports take MP3, DCF and OGG files only.
    static bool isImportable(int code);
    static bool isDcf(int code) { return code == kDcfLocal || code == kDcf; }
};

} // namespace kesto
