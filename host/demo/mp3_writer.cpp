#include "host/demo/mp3_writer.h"

#include "service/melody.h"

#include <lame.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

namespace kesto {
namespace {

static_assert(Mp3Writer::kSampleRate == service::Melody::kSampleRate, "the tune is made at the file's rate");

constexpr std::size_t kBlock = 8192;

struct LameDeleter {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

} // namespace

bool Mp3Writer::write(const std::filesystem::path& file, const std::string& seed, int seconds,
                      const Mp3Tags& tags) {
    return encode(file, seed, seconds) && tag(file, tags);
}

bool Mp3Writer::encode(const std::filesystem::path& file, const std::string& seed, int seconds) {
    std::unique_ptr<lame_global_flags, LameDeleter> lame(lame_init());
    if (!lame)
        return false;
    lame_set_in_samplerate(lame.get(), kSampleRate);
    lame_set_out_samplerate(lame.get(), kSampleRate);
    lame_set_num_channels(lame.get(), 1);
    lame_set_mode(lame.get(), MONO);
    lame_set_brate(lame.get(), kKbps);
    // No Xing frame: a constant-rate file is timed from its size, and tags are TagLib's.
    lame_set_bWriteVbrTag(lame.get(), 0);
    lame_set_write_id3tag_automatic(lame.get(), 0);
    if (lame_init_params(lame.get()) < 0)
        return false;

    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const service::Melody melody(seed);
    const auto total = static_cast<std::size_t>(seconds) * kSampleRate;
    std::vector<std::int16_t> pcm(kBlock);
    std::vector<unsigned char> mp3(kBlock * 5 / 4 + 7200);
    for (std::size_t first = 0; first < total; first += kBlock) {
        const std::size_t count = std::min(kBlock, total - first);
        melody.render(pcm.data(), first, count, seconds);
        const int made = lame_encode_buffer(lame.get(), pcm.data(), nullptr, static_cast<int>(count),
                                            mp3.data(), static_cast<int>(mp3.size()));
        if (made < 0)
            return false;
        out.write(reinterpret_cast<const char*>(mp3.data()), made);
    }
    const int last = lame_encode_flush(lame.get(), mp3.data(), static_cast<int>(mp3.size()));
    if (last < 0)
        return false;
    out.write(reinterpret_cast<const char*>(mp3.data()), last);
    return static_cast<bool>(out.flush());
}

bool Mp3Writer::tag(const std::filesystem::path& file, const Mp3Tags& tags) {
    TagLib::MPEG::File mpeg(file.c_str());
    if (!mpeg.isValid())
        return false;
    TagLib::Tag* tag = mpeg.ID3v2Tag(true);
    tag->setTitle(TagLib::String(tags.title, TagLib::String::UTF8));
    tag->setArtist(TagLib::String(tags.artist, TagLib::String::UTF8));
    tag->setAlbum(TagLib::String(tags.album, TagLib::String::UTF8));
    tag->setTrack(static_cast<unsigned>(tags.track));
    return mpeg.save(TagLib::MPEG::File::ID3v2);
}

} // namespace kesto
