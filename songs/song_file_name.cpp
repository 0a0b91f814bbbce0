#include "songs/song_file_name.h"

#include <algorithm>

namespace kesto {

bool SongFileName::isPlain(std::string_view songId) {
    if (songId.empty() || songId == "." || songId == "..")
        return false;
    return std::none_of(songId.begin(), songId.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f || c == '/' || c == '\\';
    });
}

} // namespace kesto
