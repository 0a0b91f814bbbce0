#include "library/tag_record_builder.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace kesto {

namespace {

using TagBuffer = std::array<char, KESTO_TAG_BUFFER_SIZE>;

std::string_view textAt(const TagBuffer& buffer, std::size_t offset, std::size_t capacity) {
    const char* start = buffer.data() + offset;
    return {start, strnlen(start, capacity)};
}

std::int32_t intAt(const TagBuffer& buffer, std::size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, buffer.data() + offset, sizeof value);
    return value;
}

} // namespace

TagRecordBuilder::TagRecordBuilder(KestoSvcReadTagsFn reader, LocalRecordBasics& basics)
    : reader_(reader), basics_(basics) {}

int TagRecordBuilder::build(std::string_view path, Song& record, const RecordOrigin& origin,
                            int fileFormat) const {
    if (!reader_ || !LocalRecordBasics::fits(path))
        return 0;
    auto buffer = std::make_unique<TagBuffer>();
    buffer->fill(0);
    const std::string pathText(path);
    if (reader_(pathText.c_str(), buffer->data()) == 0)
        return 0;
    basics_.apply(record, path, origin, textAt(*buffer, KESTO_TAG_TITLE, KESTO_TAG_TITLE_SIZE),
                  textAt(*buffer, KESTO_TAG_ARTIST, KESTO_TAG_ARTIST_SIZE));
    record.File_Size = intAt(*buffer, KESTO_TAG_FILE_SIZE);
    record.Bitrate = intAt(*buffer, KESTO_TAG_BITRATE);
    record.Play_Time = intAt(*buffer, KESTO_TAG_PLAY_TIME);
    record.File_Format = static_cast<std::uint8_t>(fileFormat);
    return 1;
}

} // namespace kesto
