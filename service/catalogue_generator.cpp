#include "service/catalogue_generator.h"

#include "platform/cp949.h"

#include <array>
#include <string_view>

namespace kesto::service {
namespace {

// A small fixed generator: std:: distributions differ between libraries, this does not.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed)
        : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    std::uint32_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    template <std::size_t N> std::string pick(const std::array<std::string_view, N>& pool) {
        return Cp949::fromUtf8(pool[static_cast<std::size_t>(below(static_cast<int>(N)))]);
    }

private:
    std::uint64_t state_;
};

constexpr std::array<std::string_view, 20> kFamily = {"김", "이", "박", "최", "정", "강", "조",
                                                      "윤", "장", "임", "한", "오", "서", "신",
                                                      "권", "황", "안", "송", "류", "홍"};
constexpr std::array<std::string_view, 16> kGiven = {"하늘", "민수", "서연", "지우", "도윤", "수아",
                                                     "예준", "하은", "시우", "지민", "은비", "태양",
                                                     "보라", "현우", "소희", "진호"};
constexpr std::array<std::string_view, 10> kAdjective = {"푸른",   "하얀",   "작은",   "빛나는", "조용한",
                                                         "달콤한", "뜨거운", "차가운", "새벽의", "따뜻한"};
constexpr std::array<std::string_view, 12> kNoun = {"별",   "바다",   "거리", "기차", "정원", "우산",
                                                    "하늘", "고양이", "편지", "계절", "노을", "창문"};
constexpr std::array<std::string_view, 10> kLatinFirst = {"Mina",  "Jay",  "Sora",   "Alex", "Luna",
                                                          "Kevin", "Yuna", "Daniel", "Hana", "Ryan"};
constexpr std::array<std::string_view, 8> kLatinLast = {"Park",   "Kim",  "Lee",  "Stone",
                                                        "Rivers", "Moon", "Choi", "Hart"};
constexpr std::array<std::string_view, 8> kLatinWord = {"Blue",   "Silver",   "Midnight", "Paper",
                                                        "Summer", "Electric", "Golden",   "Quiet"};
constexpr std::array<std::string_view, 8> kLatinThing = {"Notes",  "Lights", "Birds",  "Engines",
                                                         "Dreams", "Roads",  "Hearts", "Waves"};
constexpr std::array<std::string_view, 8> kLyricLine = {
    "너와 걷던 그 거리에 다시 비가 내려", "I still remember the light in your eyes",
    "조용히 불러보는 너의 이름",          "우리 함께였던 계절이 지나가고",
    "Hold on, the night is almost over",  "창문 너머로 번지는 노을처럼",
    "작은 목소리로 안녕이라 말해",        "We were young and the sky was wide"};
// A few titles that need the wire encodings: ';', '%', a text that reads as NULL, "&#".
constexpr std::array<std::string_view, 5> kSpecialTitles = {"Rain; Again", "100% 사랑", "Null", "Tom & Jerry",
                                                            "세미콜론; 그리고 %20"};

std::string padded(int value, int width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < static_cast<std::size_t>(width) ? width - text.size() : 0, '0') + text;
}

std::string artistName(SeededRandom& rng, int index) {
    switch (index % 4) {
    case 0:
        return rng.pick(kFamily) + rng.pick(kGiven);
    case 1:
        return rng.pick(kAdjective) + " " + rng.pick(kNoun);
    case 2:
        return rng.pick(kLatinFirst) + " " + rng.pick(kLatinLast);
    default:
        return "The " + rng.pick(kLatinWord) + " " + rng.pick(kLatinThing);
    }
}

std::string songName(SeededRandom& rng, int index) {
    if (index % 97 == 7)
        return Cp949::fromUtf8(kSpecialTitles[static_cast<std::size_t>(index / 97) % kSpecialTitles.size()]);
    static const std::string suffix = Cp949::fromUtf8("의 노래");
    switch (rng.below(4)) {
    case 0:
        return rng.pick(kAdjective) + " " + rng.pick(kNoun);
    case 1:
        return rng.pick(kNoun) + suffix;
    case 2:
        return rng.pick(kLatinWord) + " " + rng.pick(kLatinThing);
    default:
        return rng.pick(kAdjective) + " " + rng.pick(kLatinThing);
    }
}

std::string lyrics(SeededRandom& rng) {
    std::string text;
    for (int line = 0; line < 8; ++line)
        text += rng.pick(kLyricLine) + "\n";
    return text;
}

void addArtistsAndAlbums(SeededRandom& rng, Catalogue& out) {
    static const std::string albumWord = Cp949::fromUtf8(" 앨범");
    for (int a = 0; a < CatalogueGenerator::kArtists; ++a) {
        out.artists.push_back({std::to_string(10001 + a), artistName(rng, a)});
        for (int b = 0; b < CatalogueGenerator::kAlbumsPerArtist; ++b) {
            const int n = a * CatalogueGenerator::kAlbumsPerArtist + b;
            std::string name = n % 3 == 0 ? rng.pick(kAdjective) + " " + rng.pick(kNoun) + albumWord
                                          : rng.pick(kLatinWord) + " " + rng.pick(kLatinThing);
            const std::string released =
                std::to_string(2001 + n % 7) + padded(1 + n % 12, 2) + padded(1 + n % 28, 2);
            out.albums.push_back({std::to_string(200001 + n), name, out.artists.back().id, released});
        }
    }
}

void addSongs(SeededRandom& rng, Catalogue& out) {
    int n = 0;
    for (const Album& album : out.albums) {
        for (int t = 0; t < CatalogueGenerator::kSongsPerAlbum; ++t, ++n) {
            Song song;
            song.id = std::to_string(3000001 + n);
            song.name = songName(rng, n);
            song.artistId = album.artistId;
            song.albumId = album.id;
            song.playTime = 150 + rng.below(180);
            song.serviceFlags = n % 11 == 0 ? "11000" : "10000";
            song.qualityFlags =
                std::array<const char*, 3>{"110", "111", "100"}[static_cast<std::size_t>(n % 3)];
            song.serviceable = n % 37 != 5;
            song.phoneDeco = n % 5 == 0 ? 1 + n % 3 : 0;
            if (n % 3 == 0)
                song.lyrics = lyrics(rng);
            song.price = n % 4 == 0 ? 900 : 600;
            out.songs.push_back(std::move(song));
        }
    }
}

void addVideosAndCuts(Catalogue& out) {
    static const std::string castSuffix = Cp949::fromUtf8(" 외");
    static const std::string mvSuffix = Cp949::fromUtf8(" (뮤직비디오)");
    for (std::size_t i = 0; i < out.songs.size(); i += 100) {
        Song& song = out.songs[i];
        song.mvId = std::to_string(50001 + i / 100);
        const std::string& artist = out.artists[(std::stoi(song.artistId) - 10001)].name;
        out.musicVideos.push_back(
            {song.mvId, song.id, song.name + mvSuffix, artist + castSuffix,
             std::to_string(12 + i / 100 % 30) + "." + std::to_string(i / 100 % 10) + "MB"});
    }
    for (std::size_t i = 3; i < out.songs.size(); i += 60) {
        const int start = static_cast<int>(i % 50);
        out.ringCuts.push_back({out.songs[i].id, "00:" + padded(start, 2), "00:" + padded(start + 40, 2)});
    }
}

Chart makeChart(SeededRandom& rng, const Catalogue& cat, std::string code, std::string_view title, int size,
                int rankStyle) {
    Chart chart{std::move(code), Cp949::fromUtf8(title), {}};
    const int count = static_cast<int>(cat.songs.size());
    const int start = rng.below(count);
    // A prime step that does not divide the count: every song at most once.
    constexpr std::array<int, 8> steps = {7, 11, 13, 17, 19, 23, 29, 31};
    const int step = steps[static_cast<std::size_t>(rng.below(static_cast<int>(steps.size())))];
    for (int i = 0; i < size; ++i) {
        std::string rank = "NO";
        if (rankStyle == 1)
            rank = i % 9 == 4 ? "NEW" : std::to_string(rng.below(11) - 5);
        else if (rankStyle == 2)
            rank = "NEW";
        chart.entries.push_back({cat.songs[static_cast<std::size_t>((start + i * step) % count)].id, rank});
    }
    return chart;
}

void addCharts(SeededRandom& rng, Catalogue& out) {
    out.charts.push_back(makeChart(rng, out, "00101", "실시간 차트 TOP 100", 100, 1));
    out.charts.push_back(makeChart(rng, out, "00102", "최신 음악", 60, 2));
    out.charts.push_back(makeChart(rng, out, "00103", "발라드 차트", 75, 1));
    out.charts.push_back(makeChart(rng, out, "00104", "추천 음악", 50, 0));
    out.charts.push_back(makeChart(rng, out, "238", "MP3벨", 40, 0));
}

void addThemes(SeededRandom& rng, Catalogue& out) {
    constexpr std::array<std::string_view, 8> titles = {"비 오는 날", "드라이브",  "카페에서",
                                                        "새벽 감성",  "운동할 때", "Love Songs",
                                                        "여름 바다",  "Jazz Night"};
    for (std::size_t t = 0; t < titles.size(); ++t) {
        Theme theme{std::to_string(701 + t), Cp949::fromUtf8(titles[t]), {}};
        const int size = 12 + rng.below(9);
        for (int i = 0; i < size; ++i)
            theme.songIds.push_back(
                out.songs[static_cast<std::size_t>(rng.below(static_cast<int>(out.songs.size())))].id);
        out.themes.push_back(std::move(theme));
    }
    out.promotions = {{"P1", Cp949::fromUtf8("이달의 신곡 50% 할인"), "categoryinfo://00102;2;0;P"},
                      {"P2", Cp949::fromUtf8("실시간 차트 TOP 100"), "categoryinfo://00101;2;0;P"},
                      {"P3", Cp949::fromUtf8("비 오는 날 듣기 좋은 노래"), "themeinfo://701;2;0;P/"}};
}

} // namespace

Catalogue CatalogueGenerator::generate() const {
    SeededRandom rng(seed_);
    Catalogue out;
    addArtistsAndAlbums(rng, out);
    addSongs(rng, out);
    addVideosAndCuts(out);
    addCharts(rng, out);
    addThemes(rng, out);
    return out;
}

} // namespace kesto::service
