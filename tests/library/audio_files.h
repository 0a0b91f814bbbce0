#pragma once
// Real audio files for import tests and benchmarks: one short MP3 (lame) and OGG (oggenc)
// made once per process from a sox tone, then copied and tagged with TagLib.

#include <filesystem>
#include <string>

namespace kesto::test {

class AudioFiles {
public:
    // Copies the template of the extension (".mp3" or ".ogg") to path and writes the tags that
    // are not empty (UTF-8). False when the tools are missing.
    static bool make(const std::filesystem::path& path, const std::string& titleUtf8 = {},
                     const std::string& artistUtf8 = {});

    // Host service table B, entry 22: the host's own tag reader.
    static int readTags(const char* path, void* buffer);
};

} // namespace kesto::test
