#include "columns/click_table.h"

#include "columns/column_kind.h"
#include "columns/page_rules.h"
#include "songs/panel_messages.h"

namespace kesto {

std::uint16_t ClickTable::flagsFor(int columnKind, int columnIndex, const Song& r, int pageKind,
                                   bool miniList) {
    const bool links = PageRules::hasLinkCells(pageKind) && !miniList;
    switch (columnKind) {
    case col::kPlayState:
        if (miniList)
            return 0;
        // A grey row tells why it is grey; any other row is listened to from its icon.
        if (r.isGrey())
            return columnIndex == 0 ? bit(ClickKind::GreyState) : 0;
        return bit(ClickKind::ListenIcon);
    case col::kDownload:
        return bit(ClickKind::DownloadLeft) | bit(ClickKind::DownloadRight);
    case col::kSongName:
        return miniList ? bit(ClickKind::MiniSong) : 0;
    case col::kPhoneDeco:
        return r.Phone_Deco > 0 ? bit(ClickKind::PhoneDeco) : 0;
    case col::kLyrics:
        return r.Has_Lyrics == 1 ? bit(ClickKind::Lyrics) : 0;
    case col::kMusicVideo:
        return r.text(SongField::MV_ID)[0] != '\0' ? bit(ClickKind::MusicVideo) : 0;
    case col::kMessage:
        return r.Has_Message == 1 ? bit(ClickKind::Message) : 0;
    case col::kAlbum:
        return links && r.text(SongField::Album_Name)[0] != '\0' ? bit(ClickKind::AlbumText) : 0;
    case col::kArtist:
        return links && r.text(SongField::Artist_Name)[0] != '\0' ? bit(ClickKind::ArtistText) : 0;
    case col::kMvName:
        return bit(ClickKind::MvTitle);
    case col::kResend:
        return bit(ClickKind::Resend);
    case col::kMvResend:
        return bit(ClickKind::MvResend);
    case col::kMvDownload:
        return bit(ClickKind::MvDownload);
    default:
        return 0;
    }
}

ClickAction ClickTable::action(ClickKind kind, bool miniList) {
    switch (kind) {
    case ClickKind::ListenIcon:
        return {HotArea::Icon, msg::kStateIconListen, false, false, false};
    case ClickKind::DownloadLeft:
        return {HotArea::LeftZone, miniList ? msg::kMiniIconClick : msg::kDownloadRow, false, false, false};
    case ClickKind::DownloadRight:
        return {HotArea::RightZone, msg::kRowSongWebPage, true, false, false};
    case ClickKind::MiniSong:
        return {HotArea::Icon, msg::kMiniIconClick, false, false, false};
    case ClickKind::PhoneDeco:
        return {HotArea::Icon, miniList ? msg::kMiniPhoneDeco : msg::kPhoneDecoPage, false, true, false};
    case ClickKind::Lyrics:
        return {HotArea::Icon, miniList ? msg::kMiniLyrics : msg::kRowLyrics, false, false, false};
    case ClickKind::MusicVideo:
        return {HotArea::Icon, msg::kRowMusicVideo, false, false, false};
    case ClickKind::Message:
        return {HotArea::Icon, msg::kGiftMessagePage, false, false, false};
    case ClickKind::AlbumText:
        return {HotArea::Text, msg::kAlbumPage, false, false, true};
    case ClickKind::ArtistText:
        return {HotArea::Text, msg::kArtistPage, false, false, true};
    case ClickKind::MvTitle:
        return {HotArea::Text, msg::kMusicVideoPage, false, false, true};
    case ClickKind::Resend:
        return {HotArea::Icon, msg::kPhoneDecoWithTransaction, false, false, false};
    case ClickKind::MvResend:
        return {HotArea::Icon, msg::kMvDownloadPage, false, false, false};
    case ClickKind::MvDownload:
        return {HotArea::Icon, msg::kMvDownloadPage2, false, false, false};
    case ClickKind::GreyState:
        break;
    }
    return {HotArea::StateIcon, 0, false, false, false};
}

bool ClickTable::inHotArea(HotArea area, int x, int cellWidth, int textWidth) {
    switch (area) {
    case HotArea::Icon: {
        const int left = (cellWidth - kIconWidth) / 2;
        return x >= left && x < left + kIconWidth;
    }
    case HotArea::LeftZone:
        return x >= 0 && x < cellWidth / 2;
    case HotArea::RightZone:
        return x >= cellWidth / 2 && x < cellWidth;
    case HotArea::Text: {
        const int shown = textWidth < cellWidth ? textWidth : cellWidth;
        const int left = (cellWidth - shown) / 2;
        return x >= left && x < left + shown;
    }
    case HotArea::StateIcon:
        return x >= kStateIconLeft && x <= kStateIconRight;
    }
    return false;
}

} // namespace kesto
