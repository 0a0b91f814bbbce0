#include "host/audio/tag_reader.h"

#include "host/session/cp949_text.h"
#include "include/kesto/panel_api.h"

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>

namespace kesto {
namespace {

void putText(unsigned char* buffer, int offset, int capacity, const TagLib::String& text) {
    Cp949Text::copyInto(reinterpret_cast<char*>(buffer + offset), static_cast<std::size_t>(capacity),
                        Cp949Text::fromUtf8(text.to8Bit(true)));
}

void putInt(unsigned char* buffer, int offset, long long value) {
    const auto clamped =
        static_cast<std::int32_t>(std::clamp<long long>(value, 0, std::numeric_limits<std::int32_t>::max()));
    std::memcpy(buffer + offset, &clamped, sizeof clamped);
}

} // namespace

int TagReader::read(const char* path, void* buffer) {
    if (path == nullptr || buffer == nullptr || *path == '\0')
        return 0;
    TagLib::FileRef file(path, true, TagLib::AudioProperties::Average);
    // A file with no audio stream in it (TagLib accepts any bytes named .mp3) is no song.
    const TagLib::AudioProperties* audio = file.isNull() ? nullptr : file.audioProperties();
    if (audio == nullptr || audio->sampleRate() <= 0)
        return 0;
    auto* out = static_cast<unsigned char*>(buffer);
    std::memset(out, 0, KESTO_TAG_BUFFER_SIZE);
    if (const TagLib::Tag* tag = file.tag()) {
        putText(out, KESTO_TAG_TITLE, KESTO_TAG_TITLE_SIZE, tag->title());
        putText(out, KESTO_TAG_ARTIST, KESTO_TAG_ARTIST_SIZE, tag->artist());
        putText(out, KESTO_TAG_ALBUM, KESTO_TAG_ALBUM_SIZE, tag->album());
        putText(out, KESTO_TAG_GENRE, KESTO_TAG_GENRE_SIZE, tag->genre());
        putInt(out, KESTO_TAG_TRACK, tag->track());
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    putInt(out, KESTO_TAG_FILE_SIZE, ec ? 0 : static_cast<long long>(size));
    putInt(out, KESTO_TAG_BITRATE, static_cast<long long>(audio->bitrate()) * 1000);
    putInt(out, KESTO_TAG_PLAY_TIME, audio->lengthInSeconds());
    putInt(out, KESTO_TAG_SAMPLE_RATE, audio->sampleRate());
    putInt(out, KESTO_TAG_CHANNELS, audio->channels());
    return 1;
}

} // namespace kesto
