#pragma once
// A downloaded song in the container the panel reads for a ".dcf" file: the version byte, the
// lengths of the content type and the content URI, the two texts, the lengths of the textual
// headers and of the data as uintvars, the headers ("Name: value" lines), then the data.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kesto {

class DcfFile {
public:
    struct Content {
        std::string type; // e.g. "audio/wav"
        std::string uri;  // e.g. "cid:<song id>@kesto"
        std::vector<std::pair<std::string, std::string>> headers;
    };

    // The bytes before the data; empty when the type or the URI does not fit its length byte.
    static std::string head(const Content& content, std::size_t dataLength);
    // Writes head and data to file through a temporary file of the same folder (mode 0600),
    // renamed over file once complete: a reader never sees half a song.
    static bool write(const std::filesystem::path& file, std::string_view head, std::string_view data,
                      std::string& why);
};

} // namespace kesto
