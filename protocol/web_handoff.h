#pragma once
// Actions that end on a page of the service's web site: forms the page address and, where the
// page needs the user's credentials, a form body, then hands both to the host (which opens
// the page by POST and frees the buffers) or gives them to the caller for the embedded view
// or a browser window. Form values are percent-encoded as a form body wants them.

#include "protocol/protocol_context.h"
#include "songs/song.h"

#include <optional>
#include <string>
#include <string_view>

namespace kesto {

struct WebForm {
    std::string address;
    std::string body;
};

class WebHandoff {
public:
    // The sizes the host expects at least; longer texts get buffers of their own length.
    static constexpr std::size_t kAddressBuffer = 512;
    static constexpr std::size_t kBodyBuffer = 128;
    // Navigation modes of the embedded view.
    static constexpr int kViewModeLyrics = 1;
    static constexpr int kViewModeGiftMessage = 2;

    explicit WebHandoff(const ProtocolContext& context) : context_(context) {}

    // Pages handed to the host; false when a buffer could not be had or nothing was posted.
    bool phoneDecoWithTransaction(const Song& song) const;      // 1130
    bool phoneDeco(const Song& song, int decorationKind) const; // 1153
    bool musicVideoOfSong(const Song& song) const;              // 1130
    bool musicVideo(const Song& song) const;                    // 1154, by music-video id
    bool musicVideoDownload(const Song& song) const;            // 1155
    bool songWebPage(const Song& song) const;                   // 1157
    bool authBuy() const;                                       // 1130
    // 1151: the form text alone; a null song asks for the page without a song.
    bool songInformation(const Song* song) const;

    // The pieces, for callers that show them elsewhere.
    WebForm phoneDecoWithTransactionForm(const Song& song) const;
    WebForm phoneDecoForm(const Song& song, int decorationKind) const;
    WebForm musicVideoOfSongForm(const Song& song) const;
    WebForm musicVideoForm(const Song& song) const;
    WebForm musicVideoDownloadForm(const Song& song) const;
    WebForm songWebPageForm(const Song& song) const;
    WebForm authBuyForm() const;
    std::string songInformationForm(const Song* song) const;
    // VT, "p_songid=", the song id, VT, "p_menuid=", the menu id.
    static std::string webParameter(const Song& song);

    // Pages of the embedded view.
    // is_send is 1 on the sent gift box (page kind 11), else 0.
    std::string giftMessagePage(int pageKind, std::string_view giftId) const;
    // "userid=..&u_key=..": the body a page is posted with that only the user may read (a gift
    // message), so the key never shows in an address.
    std::string keyForm() const;
    std::string lyricsPage(std::string_view songId) const;

    // A hyperlink target that goes through the log-in bridge instead: its address and body;
    // nothing for any other target.
    std::optional<WebForm> loginBridgeFor(std::string_view target) const;
    WebForm cashCharge() const;
    std::string faqPage() const;
    // The user's page: a hyperlink target that the log-in bridge opens.
    std::string userPage() const;
    std::string counselPage() const;
    // Help pages of the site: the MP3 players and the phones songs go to (both through the
    // log-in bridge) and free downloads (as it is).
    static constexpr std::string_view kMp3PlayerHelpPage = "/cus_machine_player.jsp";
    static constexpr std::string_view kPhoneHelpPage = "/cus_machine_mp3.jsp";
    static constexpr std::string_view kFreeDownloadPage = "/free_download.jsp";
    std::string sitePage(std::string_view path) const { return webPage(path); }

    // Posts address and body buffers with the message; returns false when nothing was posted,
    // as for an address that is no http or https page of the store's origins (logged).
    bool handOff(unsigned message, std::string_view address, std::string_view body) const;

private:
    std::string credentials() const; // "userid=..&password=.."
    std::string webPage(std::string_view path) const;

    const ProtocolContext& context_;
};

} // namespace kesto
