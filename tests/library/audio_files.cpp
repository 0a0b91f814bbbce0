#include "audio_files.h"

#include "include/kesto/panel_api.h"
#include "platform/cp949.h"

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
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

void putText(char* buffer, std::size_t offset, std::size_t capacity, const TagLib::String& text) {
    const std::string cp949 = Cp949::fromUtf8(text.to8Bit(true));
    const std::size_t n = Cp949::fitLength(cp949, capacity - 1);
    std::memcpy(buffer + offset, cp949.data(), n);
    buffer[offset + n] = '\0';
}

void putInt(char* buffer, std::size_t offset, std::int32_t value) {
    std::memcpy(buffer + offset, &value, sizeof value);
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
    TagLib::FileRef file(path);
    if (file.isNull() || !file.tag() || !file.audioProperties() || file.audioProperties()->bitrate() <= 0)
        return 0;
    char* out = static_cast<char*>(buffer);
    putText(out, KESTO_TAG_TITLE, KESTO_TAG_TITLE_SIZE, file.tag()->title());
    putText(out, KESTO_TAG_ARTIST, KESTO_TAG_ARTIST_SIZE, file.tag()->artist());
    std::error_code error;
    putInt(out, KESTO_TAG_FILE_SIZE, static_cast<std::int32_t>(std::filesystem::file_size(path, error)));
    putInt(out, KESTO_TAG_BITRATE, file.audioProperties()->bitrate() * 1000);
    putInt(out, KESTO_TAG_PLAY_TIME, file.audioProperties()->lengthInSeconds());
    return 1;
}

} // namespace kesto::test
