// The service's song streams: a WAV file as long as the catalogue says, any byte range of it
// the same as the whole file's, and a tune of its own per song.
#include "service/wave_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace kesto::service {
namespace {

std::uint32_t le32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

TEST(WaveStream, HeaderTellsTheCatalogueLength) {
    const WaveStream wave("1000001", 185);
    const std::string head = wave.bytes(0, WaveStream::kHeaderBytes);
    ASSERT_EQ(head.size(), WaveStream::kHeaderBytes);
    EXPECT_EQ(head.substr(0, 4), "RIFF");
    EXPECT_EQ(head.substr(8, 4), "WAVE");
    EXPECT_EQ(le32(head, 24), static_cast<std::uint32_t>(Melody::kSampleRate));
    const std::uint32_t dataBytes = le32(head, 40);
    EXPECT_EQ(dataBytes, 185u * Melody::kSampleRate * 2);
    EXPECT_EQ(wave.size(), WaveStream::kHeaderBytes + dataBytes);
    EXPECT_EQ(le32(head, 4), dataBytes + 36);
}

TEST(WaveStream, AnyRangeMatchesTheWholeFile) {
    const WaveStream wave("1000002", 2);
    const std::string all = wave.all();
    ASSERT_EQ(all.size(), wave.size());
    for (const auto& [offset, length] : std::initializer_list<std::pair<std::size_t, std::size_t>>{
             {0, 10}, {40, 9}, {43, 2}, {45, 1}, {1001, 333}, {all.size() - 3, 100}})
        EXPECT_EQ(wave.bytes(offset, length), all.substr(offset, length)) << offset;
    EXPECT_TRUE(wave.bytes(all.size(), 10).empty());
}

TEST(WaveStream, SongsSoundDifferentAndNotSilent) {
    const std::string a = WaveStream("1000003", 3).all();
    const std::string b = WaveStream("1000004", 3).all();
    EXPECT_NE(a.substr(WaveStream::kHeaderBytes), b.substr(WaveStream::kHeaderBytes));
    int loud = 0;
    for (std::size_t i = WaveStream::kHeaderBytes; i + 1 < a.size(); i += 2) {
        std::int16_t s = 0;
        std::memcpy(&s, a.data() + i, 2);
        loud += (s > 2000 || s < -2000) ? 1 : 0;
    }
    EXPECT_GT(loud, Melody::kSampleRate / 4);
}

} // namespace
} // namespace kesto::service
