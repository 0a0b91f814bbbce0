#pragma once
// Every message text of the song commands, by name. The sources hold UTF-8; the texts are
// converted to CP949 once, on first use, and handed out as CP949 bytes.

#include <cstdint>
#include <string_view>

namespace kesto {

enum class CommandText : std::uint8_t {
    ListenEmpty,
    MyAlbumEmpty,
    MyAlbumEmptyNowPlaying,
    MyAlbumBell,
    MyAlbumAllLocal,
    MyAlbumSomeLocal,
    MyAlbumGreyQuestion,
    PlayListEmpty,
    PlayListAllStreaming,
    PlayListAllStreamingNowPlaying,
    PlayListSomeStreaming,
    CartEmpty,
    CartAllLocal,
    CartSomeLocal,
    CartLocalNotice,
    CartAdded,
    CartCaption,
    GiftEmpty,
    GiftBell,
    GiftAllLocal,
    GiftGreyQuestion,
    DownloadOrGiftSomeLocal,
    DownloadEmpty,
    BellFromBellListOnly,
    DownloadAllLocal,
    DownloadGreyQuestion,
    TooManyAlbums,
    AlbumWithSongs,
    TooManySongs,
    ServerTrouble,
    MoveEmpty,
    MoveGrey,
    DeleteStorageQuestion,
    DeleteFileFailed,
    DeleteMyAlbumFailed,
    DeleteNoServer,
    DeletePlayListFailed,
    TransferBusy,
    PhoneNotConnected,
    Mp3PlayerNotConnected,
    Mp3PlayerNotConnectedPanel,
    TransferEmpty,
    TransferLocalFile,
    TransferNotDownloaded,
    GreyShortNotice,
    GreyLongNotice,
    ArtistIndexTitle,
    NoLyrics,
    DropDownloadQuestion,
    DcfInfoFailed,
    PlayListAddFailed,
    NoDownloadFolder,
    LyricsMissingQuestion,
    DoNotShowAgain,
    Count
};

class CommandTexts {
public:
    // The CP949 bytes of the text; valid for the life of the program.
    static std::string_view get(CommandText id);
    // The same text as UTF-8, as written in the source.
    static std::string_view utf8(CommandText id);
};

} // namespace kesto
