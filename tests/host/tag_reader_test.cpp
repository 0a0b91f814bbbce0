// The host's tag reader against audio files made and tagged here: every value lands at its
// offset of the tag buffer, texts in CP949 cut to their field.
#include "audio_files.h"
#include "host/audio/tag_reader.h"
#include "include/kesto/panel_api.h"
#include "platform/cp949.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace kesto {
namespace {

struct Buffer {
    std::array<unsigned char, KESTO_TAG_BUFFER_SIZE> bytes{};
    std::string text(int offset) const { return reinterpret_cast<const char*>(bytes.data() + offset); }
    std::int32_t number(int offset) const {
        std::int32_t value = 0;
        std::memcpy(&value, bytes.data() + offset, sizeof value);
        return value;
    }
};

TEST(TagReaderTest, TagsAndPropertiesLandAtTheirOffsets) {
    const struct {
        const char* file;
        std::string title;
        std::string artist;
        std::string titleRead;
        std::string artistRead;
        int bitrate; // 0: the encoder's choice
    } files[] = {
        {"tone.mp3", "Tone Title", "Tone Artist", "Tone Title", "Tone Artist", 128000},
        {"tone.ogg", "Ogg Title", "Ogg Artist", "Ogg Title", "Ogg Artist", 0},
        {"korean.mp3", "가나다", std::string(600, 'a'), Cp949::fromUtf8("가나다"),
         std::string(KESTO_TAG_ARTIST_SIZE - 1, 'a'), 128000},
    };
    test::TempFolder dir;
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const auto path = dir / f.file;
        if (!test::AudioFiles::make(path, f.title, f.artist))
            GTEST_SKIP() << "sox, lame or oggenc missing";
        Buffer buffer;
        buffer.bytes.fill(0x55);
        ASSERT_EQ(TagReader::read(path.c_str(), buffer.bytes.data()), 1);
        EXPECT_EQ(buffer.text(KESTO_TAG_TITLE), f.titleRead);
        EXPECT_EQ(buffer.text(KESTO_TAG_ARTIST), f.artistRead);
        EXPECT_EQ(buffer.number(KESTO_TAG_FILE_SIZE),
                  static_cast<std::int32_t>(std::filesystem::file_size(path)));
        // The bitrate is averaged over the file.
        if (f.bitrate != 0) {
            EXPECT_NEAR(buffer.number(KESTO_TAG_BITRATE), f.bitrate, 8000);
        }
        EXPECT_GT(buffer.number(KESTO_TAG_BITRATE), 0);
        EXPECT_EQ(buffer.number(KESTO_TAG_PLAY_TIME), 1);
    }
}

TEST(TagReaderTest, UnreadableFilesFail) {
    test::TempFolder dir;
    test::writeBytes(dir / "junk.mp3", "not audio");
    Buffer buffer;
    EXPECT_EQ(TagReader::read((dir / "missing.mp3").c_str(), buffer.bytes.data()), 0);
    EXPECT_EQ(TagReader::read((dir / "junk.mp3").c_str(), buffer.bytes.data()), 0);
    EXPECT_EQ(TagReader::read((dir / "junk.mp3").c_str(), nullptr), 0);
    EXPECT_EQ(TagReader::read(nullptr, buffer.bytes.data()), 0);
}

} // namespace
} // namespace kesto
