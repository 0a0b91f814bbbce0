#pragma once
// Every text of the panel's dialogs, by name, as UTF-8. Labels are drawn through dialogText();
// texts that go to the message box or the server are converted with Cp949::fromUtf8.

#include <string_view>

namespace kesto::dialog_text {

// My-album choice.
inline constexpr std::string_view kMyAlbumTitle = "마이앨범을 선택하세요.";
inline constexpr std::string_view kMyAlbumMoveTitle = "이동할 곡을 담을 마이앨범을 선택하세요.";
inline constexpr std::string_view kMyAlbumDeleteAfter = "담은 후 현재 앨범에서 삭제";
inline constexpr std::string_view kNewMyAlbum = "새 마이앨범";
inline constexpr std::string_view kMyAlbumNote =
    "마이앨범에는 Kesto 스트리밍 음원만 담을 수 있습니다.\n다운로드 받은 DCF 파일과 로컬 PC 음원은 "
    "플레이리스트에 담으세요.";
inline constexpr std::string_view kNoMyAlbum =
    "마이앨범이 없습니다.\n새 마이앨범을 만드신 후 다시 시도해주세요.";
inline constexpr std::string_view kChooseMyAlbum = "선택한 곡을 담을 앨범을  선택하세요.";

// Play-list choice.
inline constexpr std::string_view kPlayListTitle = "선택하신 곡을 담을 플레이리스트를 선택하세요";
inline constexpr std::string_view kPlayListDeleteAfter = "담은 후 현재 플레이리스트에서 삭제";
inline constexpr std::string_view kNewPlayList = "새 플레이리스트";
inline constexpr std::string_view kPlayListNote =
    "Kesto 스트리밍 음원은 마이앨범에만, 로컬 PC의 음악 파일은 플레이리스트에만 담을 수 있습니다.";
inline constexpr std::string_view kNoPlayList =
    "플레이리스트가 없습니다.\n새 플레이리스트을 만드신 후 다시 시도해주세요.";
inline constexpr std::string_view kChoosePlayList = "선택한 곡을 담을 Playlist를  선택하세요.";
inline constexpr std::string_view kDbError = "DB Error";

// Name dialogs.
inline constexpr std::string_view kNewPlayListPrompt = "새로 만들 플레이리스트의 이름을 입력하세요.";
inline constexpr std::string_view kNewPlayListField = "새리스트 이름:";
inline constexpr std::string_view kNewMyAlbumPrompt = "새로 만들 앨범의 이름을 입력하세요.";
inline constexpr std::string_view kNewMyAlbumField = "앨범 이름:";

// Delete confirmation.
inline constexpr std::string_view kDeleteWarning =
    "현재 폴더에서 음원을 삭제하면 해당 곡이 담긴 폴더(들)에서도 삭제가 됩니다.";
inline constexpr std::string_view kDeleteQuestion = "정말 삭제하시겠습니까?";
inline constexpr std::string_view kDoNotShowAgain = "이 메시지 다시 보지 않기";

// Local files.
inline constexpr std::string_view kAudioFilter =
    "All Audio Files (*.dcf *.mp3 *.ogg);;OGG Files (*.ogg);;DCF Files (*.dcf);;MPEG Audio Files (*.mp3)";
inline constexpr std::string_view kIncludeSubFolders = "하위 폴더 포함";
inline constexpr std::string_view kAddFilesTitle = "파일추가";
inline constexpr std::string_view kAddFolderTitle = "폴더추가";

// Song information.
inline constexpr std::string_view kSongInfoTitle = "곡 정보";
inline constexpr std::string_view kListenCountFormat = "%d회";
inline constexpr std::string_view kInfoName = "곡명:";
inline constexpr std::string_view kInfoArtist = "아티스트:";
inline constexpr std::string_view kInfoTime = "재생시간:";
inline constexpr std::string_view kInfoBitrate = "비트레이트:";
inline constexpr std::string_view kInfoPath = "파일 위치:";
inline constexpr std::string_view kInfoListened = "들은 횟수:";
inline constexpr std::string_view kInfoAlbums = "이 곡이 담긴 플레이리스트:";
inline constexpr std::string_view kInfoMyAlbums = "담긴 마이앨범";
inline constexpr std::string_view kInfoNoMyAlbum = "없음";

// Purchase and gift.
inline constexpr std::string_view kPurchaseTitle = "선택하신 곡을 구매합니다.";
inline constexpr std::string_view kGiftTitle = "선택하신 곡을 선물합니다.";
inline constexpr std::string_view kTotal = "합계: ";
inline constexpr std::string_view kCash = "캐시: ";
inline constexpr std::string_view kPoints = "포인트: ";
inline constexpr std::string_view kExternalPoints = "제휴 포인트: ";
inline constexpr std::string_view kPayByCash = "캐시로 결제";
inline constexpr std::string_view kPayByPhone = "휴대폰으로 결제";
inline constexpr std::string_view kSmsCode = "SMS 인증번호:";
inline constexpr std::string_view kBought = "구매가 완료되었습니다.";
inline constexpr std::string_view kReceiver = "받는 사람 아이디:";
inline constexpr std::string_view kGiftMessage = "선물 메시지:";
inline constexpr std::string_view kNoReceiver = "선물 받을 분의 아이디를 입력하세요.";
inline constexpr std::string_view kGiftSent = "선물하기가 완료되었습니다.";

inline constexpr std::string_view kDcfNotice =
    "다운로드 받은 곡은 DCF 파일로 저장되며, 케스토 플레이어와 지원되는 기기에서 재생할 수 있습니다.";

// Exchanges.
inline constexpr std::string_view kNoReply = "지금 서버와 통신할수 없습니다.\n다시 시도하세요.";

// The buyer's links under the purchase and gift dialogs.
inline constexpr std::string_view kMyPageLink = "마이 페이지";
inline constexpr std::string_view kCashChargeLink = "캐쉬 충전";
inline constexpr std::string_view kFaqLink = "자주 묻는 질문";
inline constexpr std::string_view kCounselLink = "고객 상담";
inline constexpr std::string_view kMp3PlayerHelpLink = "MP3 플레이어 안내";
inline constexpr std::string_view kPhoneHelpLink = "휴대폰 안내";
inline constexpr std::string_view kFreeDownloadLink = "무료 다운로드 안내";
// The download's folder, whether files already there are skipped, and its play list.
inline constexpr std::string_view kSaveFolder = "저장 폴더: ";
inline constexpr std::string_view kSkipExisting = "이미 있는 파일은 건너뛰기";
inline constexpr std::string_view kDownloadPlayList = "플레이리스트에 담기:";
inline constexpr std::string_view kNoPlayListChosen = "(none)";
// Purchase authentication on the site (handed to the host's browser window).
inline constexpr std::string_view kAuthBuy = "구매 인증";

// Buttons.
inline constexpr std::string_view kOk = "확인";
inline constexpr std::string_view kCancel = "취소";

} // namespace kesto::dialog_text
