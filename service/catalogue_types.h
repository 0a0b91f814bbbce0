#pragma once
// The sample catalogue's rows, as the store keeps them (texts in CP949).

#include <string>
#include <vector>

namespace kesto::service {

struct Artist {
    std::string id;
    std::string name;
};

struct Album {
    std::string id;
    std::string name;
    std::string artistId;
    std::string released; // YYYYMMDD
};

struct Song {
    std::string id;
    std::string name;
    std::string artistId;
    std::string albumId;
    int playTime = 0;
    std::string serviceFlags; // five '0'/'1' characters
    std::string qualityFlags; // 128, 192, 64 kbps offered
    bool serviceable = true;
    int phoneDeco = 0;
    std::string lyrics; // empty: no lyrics
    std::string mvId;
    int price = 0;
};

struct MusicVideo {
    std::string id;
    std::string songId;
    std::string name;
    std::string cast;
    std::string size;
};

struct RingCut {
    std::string songId;
    std::string sectionStart;
    std::string sectionEnd;
};

struct ChartEntry {
    std::string songId;
    std::string rankText; // "NEW", "NO" or the rank change as a signed number
};

struct Chart {
    std::string code; // at most 5 characters: it becomes the rows' menu id
    std::string title;
    std::vector<ChartEntry> entries;
};

struct Theme {
    std::string id;
    std::string title;
    std::vector<std::string> songIds;
};

struct Promotion {
    std::string id;
    std::string title;
    std::string link;
};

} // namespace kesto::service

namespace kesto::service {

struct Catalogue {
    std::vector<Artist> artists;
    std::vector<Album> albums;
    std::vector<Song> songs;
    std::vector<MusicVideo> musicVideos;
    std::vector<RingCut> ringCuts;
    std::vector<Chart> charts;
    std::vector<Theme> themes;
    std::vector<Promotion> promotions;
};

} // namespace kesto::service
