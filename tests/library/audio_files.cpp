#include "audio_files.h"

#include "host/audio/tag_reader.h"

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <cstdlib>
#include <mutex>
#include <unistd.h>

namespace kesto::test {

namespace {

std::filesystem::path makeTemplates() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kesto-audio-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return {};
    const std::filesystem::path made = pattern;
    const std::string wav = (made / "tone.wav").string();
    const std::string commands = "sox -q -n -r 44100 -b 16 -c 1 '" + wav +
                                 "' synth 1 sine 440 && lame --quiet -b 128 '" + wav + "' '" +
                                 (made / "t.mp3").string() + "' && oggenc -Q '" + wav + "' -o '" +
                                 (made / "t.ogg").string() + "'";
    return std::system(commands.c_str()) == 0 ? made : std::filesystem::path();
}

// Leaked on purpose: the clean-up at exit still needs it.
const std::filesystem::path& templateFolder() {
    static const auto* folder = new std::filesystem::path(makeTemplates());
    static const bool cleanup = std::atexit([] {
                                    std::error_code error;
                                    std::filesystem::remove_all(*folder, error);
                                }) == 0;
    (void)cleanup;
    return *folder;
}

} // namespace

bool AudioFiles::make(const std::filesystem::path& path, const std::string& titleUtf8,
                      const std::string& artistUtf8) {
    static std::mutex lock; // TagLib and the template are shared by benchmark threads
    const std::lock_guard<std::mutex> guard(lock);
    const auto folder = templateFolder();
    if (folder.empty())
        return false;
    std::error_code error;
    std::filesystem::copy_file(folder / ("t" + path.extension().string()), path,
                               std::filesystem::copy_options::overwrite_existing, error);
    if (error)
        return false;
    if (titleUtf8.empty() && artistUtf8.empty())
        return true;
    TagLib::FileRef file(path.c_str());
    if (file.isNull() || !file.tag())
        return false;
    if (!titleUtf8.empty())
        file.tag()->setTitle(TagLib::String(titleUtf8, TagLib::String::UTF8));
    if (!artistUtf8.empty())
        file.tag()->setArtist(TagLib::String(artistUtf8, TagLib::String::UTF8));
    return file.save();
}

int AudioFiles::readTags(const char* path, void* buffer) {
    return TagReader::read(path, buffer);
}

} // namespace kesto::test
