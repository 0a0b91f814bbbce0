#pragma once
// Notices that more than one part of the panel shows, as UTF-8 source text (callers convert
// them to CP949 once).

namespace kesto::notice {

// A stopped ("grey") song chosen in the purchase history (page kind 7) ...
inline constexpr const char* kGreyShort =
    "현재 선택하신 곡은 음반사 및 저작권자의 요청으로 인하여\n현재 케스토에서 서비스가 잠정적으로 중지된 "
    "음원 파일이며\n중지기간 동안 재생, 담기 및 선물이 불가합니다.";
// ... and in the leased purchases (page kind 8).
inline constexpr const char* kGreyLong =
    "현재 선택하신 곡은 음반사 및 저작권자의 요청으로 인하여\n현재 케스토에서 서비스가 잠정적으로 중지된 "
    "음원 파일이며\n중지기간 동안 재생, 담기, 다운로드, 선물 및 파일 기간연장\n이 불가합니다.";
inline constexpr const char* kNoLyrics = "가사가 지원되지 않는 곡입니다";

} // namespace kesto::notice
