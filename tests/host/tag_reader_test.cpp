// The host's tag reader against audio files made and tagged here.
#include "host/tag_reader.h"
#include "include/kesto/panel_api.h"
#include "platform/cp949.h"

#include <gtest/gtest.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace kesto {
namespace {

namespace fs = std::filesystem;

bool have(const char* tool) {
    return std::system((std::string("command -v ") + tool + " >/dev/null").c_str()) == 0;
}

class TagReaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = fs::temp_directory_path() / ("kesto-tags-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        if (!have("sox") || !have("lame") || !have("oggenc"))
            return;
        const std::string d = dir.string();
        // Three seconds of a tone, encoded with tags by the encoders themselves.
        ready = std::system(("sox -q -n -r 44100 -c 2 -b 16 " + d +
                             "/tone.wav synth 3 sine 440 && "
                             "lame --quiet -b 128 --tt 'Tone Title' --ta 'Tone Artist' " +
                             d + "/tone.wav " + d +
                             "/tone.mp3 && "
                             "oggenc -Q -t 'Ogg Title' -a 'Ogg Artist' -o " +
                             d + "/tone.ogg " + d + "/tone.wav")
                                .c_str()) == 0;
    }
    static void TearDownTestSuite() { fs::remove_all(dir); }

    void SetUp() override {
        if (!ready)
            GTEST_SKIP() << "sox, lame or oggenc missing";
        buffer.fill(0x55);
    }

    std::string text(int offset) const { return reinterpret_cast<const char*>(buffer.data() + offset); }
    std::int32_t number(int offset) const {
        std::int32_t value = 0;
        std::memcpy(&value, buffer.data() + offset, sizeof value);
        return value;
    }

    static inline fs::path dir;
    static inline bool ready = false;
    std::array<unsigned char, KESTO_TAG_BUFFER_SIZE> buffer{};
};

TEST_F(TagReaderTest, Mp3TagsAndPropertiesLandAtTheirOffsets) {
    const fs::path mp3 = dir / "tone.mp3";
    ASSERT_EQ(TagReader::read(mp3.c_str(), buffer.data()), 1);
    EXPECT_EQ(text(KESTO_TAG_TITLE), "Tone Title");
    EXPECT_EQ(text(KESTO_TAG_ARTIST), "Tone Artist");
    EXPECT_EQ(number(KESTO_TAG_FILE_SIZE), static_cast<std::int32_t>(fs::file_size(mp3)));
    EXPECT_NEAR(number(KESTO_TAG_BITRATE), 128000, 4000); // averaged over the file
    EXPECT_EQ(number(KESTO_TAG_PLAY_TIME), 3);
}

TEST_F(TagReaderTest, OggVorbisComments) {
    ASSERT_EQ(TagReader::read((dir / "tone.ogg").c_str(), buffer.data()), 1);
    EXPECT_EQ(text(KESTO_TAG_TITLE), "Ogg Title");
    EXPECT_EQ(text(KESTO_TAG_ARTIST), "Ogg Artist");
    EXPECT_GT(number(KESTO_TAG_BITRATE), 0);
    EXPECT_EQ(number(KESTO_TAG_PLAY_TIME), 3);
}

TEST_F(TagReaderTest, KoreanAndOverlongTagsAreCp949CutToCapacity) {
    const fs::path copy = dir / "korean.mp3";
    fs::copy_file(dir / "tone.mp3", copy, fs::copy_options::overwrite_existing);
    {
        TagLib::FileRef file(copy.c_str());
        file.tag()->setTitle(TagLib::String("가나다", TagLib::String::UTF8));
        file.tag()->setArtist(TagLib::String(std::string(600, 'a'), TagLib::String::UTF8));
        ASSERT_TRUE(file.save());
    }
    ASSERT_EQ(TagReader::read(copy.c_str(), buffer.data()), 1);
    EXPECT_EQ(text(KESTO_TAG_TITLE), Cp949::fromUtf8("가나다"));
    EXPECT_EQ(text(KESTO_TAG_ARTIST), std::string(KESTO_TAG_ARTIST_SIZE - 1, 'a'));
}

TEST_F(TagReaderTest, UnreadableFilesFail) {
    EXPECT_EQ(TagReader::read((dir / "missing.mp3").c_str(), buffer.data()), 0);
    EXPECT_EQ(TagReader::read((dir / "tone.wav").c_str(), nullptr), 0);
    EXPECT_EQ(TagReader::read(nullptr, buffer.data()), 0);
    const fs::path junk = dir / "junk.mp3";
    std::FILE* f = std::fopen(junk.c_str(), "w");
    std::fputs("not audio", f);
    std::fclose(f);
    EXPECT_EQ(TagReader::read(junk.c_str(), buffer.data()), 0);
}

} // namespace
} // namespace kesto
