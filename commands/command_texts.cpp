#include "commands/command_texts.h"

#include "platform/cp949.h"
#include "songs/notice_texts.h"

#include <array>
#include <cstddef>
#include <string>

namespace kesto {
namespace {

constexpr std::size_t kCount = static_cast<std::size_t>(CommandText::Count);

// In the order of CommandText.
constexpr std::array<std::string_view, kCount> kUtf8 = {
    "재생할 곡을 선택하세요.",                              // ListenEmpty
    "마이 앨범에 담을곡을 선택하세요.",                     // MyAlbumEmpty
    "마이앨범에 담을 곡을 선택하세요.",                     // MyAlbumEmptyNowPlaying
    "MP3벨은 마이앨범에 담을 수 없습니다.",                 // MyAlbumBell
    "마이앨범에는 Kesto 스트리밍 음원만 담을 수 있습니다.", // MyAlbumAllLocal
    "마이앨범에는 Kesto 스트리밍 음원만 담을 수 있습니다.\n로컬 PC 음원을 제외한 나머지 곡들을 "
    "마이앨범으로\n담으시겠습니까?", // MyAlbumSomeLocal
    "음반사 및 저작권자의 요청으로 인하여 현재 케스토에서 서비\n스가 중지된 곡이 있습니다. 서비스가 중지된 "
    "곡을 제외한\n나머지 곡들을 마이앨범으로 이동하시겠습니까? ", // MyAlbumGreyQuestion
    "플레이리스트에 담을 곡을 선택하세요.",                       // PlayListEmpty
    "플레이리스트에는 로컬 PC음원만 담을 수 있습니다.",           // PlayListAllStreaming
    "플레이리스트에는 로컬 PC음원만 담을 수 있습니다",            // PlayListAllStreamingNowPlaying
    "플레이리스트에는 로컬 PC음원만 담을 수 있습니다.\nKesto 스트리밍 음원을 제외한 나머지 "
    "곡들을\n플레이리스트로 담으시겠습니까?",                                  // PlayListSomeStreaming
    "체크박스에 선택된 곡이 하나도 없습니다.\n구매하실 곡을 먼저 선택하세요.", // CartEmpty
    "장바구니에는 Kesto 스트리밍 음원만 담을 수 있습니다.\n확인하신후 다시 시도하여 주십시오.", // CartAllLocal
    "장바구니에는 Kesto 스트리밍 음원만 담을 수 있습니다.\n로컬 PC음원을 제외한 나머지 곡들을 장바구니로 "
    "담으시겠\n습니까?", // CartSomeLocal
    "선택된 곡들 중 로컬 PC의 음원을 제외한 나머지 케스토 스트리밍 음원만 구매 및 선물을 합니다.", // CartLocalNotice
    "  선택하신 곡을 장바구니에 담았습니다.\n지금 장바구니를 확인 하시겠습니까?", // CartAdded
    "장바구니",                                                                   // CartCaption
    "체크박스에 선택된 곡이 하나도 없습니다.\n선물하실 곡을 먼저 선택하세요.",    // GiftEmpty
    "MP3벨은 선물처리를 할 수 없습니다.",                                         // GiftBell
    "다운로드 및 선물하기는 Kesto 스트리밍 음원만 가능합니다.\r\n확인후 다시 시도하여 주십시오", // GiftAllLocal
    "음반사 및 저작권자의 요청으로 인하여 현재 케스토에서 서비\n스가 중지된 곡이 있습니다. 서비스가 중지된 "
    "곡을 제외한\n나머지 곡들을 선물하시겠습니까? ", // GiftGreyQuestion
    "다운로드 및 선물하기는 Kesto 스트리밍 음원만 가능합니다.\n로컬 PC음원을 제외한 나머지 곡들을 "
    "다운로드/선물하시겠습니까?",                              // DownloadOrGiftSomeLocal
    "선택된 곡이 없습니다.\n다운로드 받으실 곡을 선택하세요.", // DownloadEmpty
    "MP3벨은 MP3벨 다운로드 목록에서만 받을 수 있습니다.",     // BellFromBellListOnly
    "다운로드 및 선물하기는 Kesto 스트리밍 음원만 가능합니다.\n확인 후 다시 시도하여 주십시오.", // DownloadAllLocal
    "음반사 및 저작권자의 요청으로 인하여 현재 케스토에서 서비\n스가 중지된 곡이 있습니다. 서비스가 중지된 "
    "곡을 제외한\n나머지 곡들을 다운로드 하시겠습니까? ", // DownloadGreyQuestion
    "앨범은 한번에 한개이상 구매하실 수 없습니다.",       // TooManyAlbums
    "장바구니 구매 결제시 앨범과 곡을 동시에 구매할 수 없습니다. \n앨범을 먼저 구매결제 후 다운로드 하세요.", // AlbumWithSongs
    "한번에 20곡 이상 구매할 수 없습니다.",                        // TooManySongs
    "서버와의 통신상의 오류입니다.\n잠시 후에 다시 이용해주세요.", // ServerTrouble
    "이동할 대상을 선택해야 합니다.",                              // MoveEmpty
    "회색 아이템이 섞여 있으면 이동할 수 없습니다.",               // MoveGrey
    "다운로드 보관함에서 곡 삭제시 실제 파일이 삭제가 됩니다.\n선택하신 곡을 정말로 삭제하시겠습니까?", // DeleteStorageQuestion
    "파일을 삭제하는데 실패했습니다.",                     // DeleteFileFailed
    "지금 마이 앨범을 지울수 없습니다.\n다시 시도하세요.", // DeleteMyAlbumFailed
    "지금 서버와 통신할수 없습니다.\n다시 시도하세요.",    // DeleteNoServer
    "플레이리스트에서 음원을 지울 수 없습니다.",           // DeletePlayListFailed
    "음원 다운로드/전송 프로세스가 진행중입니다.\n음원 다운로드/전송 완료 후 다시 시도하여 주십시오.", // TransferBusy
    "휴대폰이 연결되어 있지 않습니다.",         // PhoneNotConnected
    "MP3 플레이어가 연결되어 있지 않습니다.",   // Mp3PlayerNotConnected
    "MP3 플레이어가 연결되되어 있지 않습니다.", // Mp3PlayerNotConnectedPanel
    "전송할 데이터를 선택해야 합니다.",         // TransferEmpty
    "로컬 PC음원 파일(MP3,OGG)은 디바이스로 전송할 수 없습니다.\nMP3 파일일 경우 DCF 컨버팅 하신 후 "
    "전송하시거나,로컬 PC음원\n파일을 제외한 나머지 곡들을 선택한 후 다시 시도하여 주십시오.", // TransferLocalFile
    "디바이스로 전송하려는 곡들 중에 PC로 다운로드 하지 않은 Kesto\n스트리밍 음원이 있습니다.\n\nKesto "
    "스트리밍 음원을 먼저 다운로드 받으시겠습니까?",       // TransferNotDownloaded
    notice::kGreyShort,                                    // GreyShortNotice
    notice::kGreyLong,                                     // GreyLongNotice
    "아티스트별 보기",                                     // ArtistIndexTitle
    notice::kNoLyrics,                                     // NoLyrics
    "해당곡 다운로드 후 플레이리스트에 추가하시겠습니까?", // DropDownloadQuestion
    "DCF파일 정보를 추출하지 못했습니다.",                 // DcfInfoFailed
    "플레이리스트에 추가하지 못하였습니다.\n"
    "다시 시도하거나 잘못된 파일입니다.", // PlayListAddFailed
    "다운로드 폴더를 만들 수 없습니다.\n"
    "다른 사용자의 폴더이거나 여러 사용자가 쓸 수 있는 폴더는 쓰지 않습니다.",       // NoDownloadFolder
    "해당곡의 가사파일이 없습니다.\n해당곡의 가사를 다운로드(무료) 받으시겠습니까?", // LyricsMissingQuestion
    "이 메시지를 다시 표시 안 함",                                                   // DoNotShowAgain
};

const std::array<std::string, kCount>& cp949Table() {
    static const std::array<std::string, kCount> table = [] {
        std::array<std::string, kCount> converted;
        for (std::size_t i = 0; i < kCount; ++i)
            converted[i] = Cp949::fromUtf8(kUtf8[i]);
        return converted;
    }();
    return table;
}

} // namespace

std::string_view CommandTexts::get(CommandText id) {
    return cp949Table().at(static_cast<std::size_t>(id));
}

std::string_view CommandTexts::utf8(CommandText id) {
    return kUtf8.at(static_cast<std::size_t>(id));
}

} // namespace kesto
