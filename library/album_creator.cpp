#include "library/album_creator.h"

#include "platform/cp949.h"

namespace kesto {

namespace {
constexpr std::string_view kEmptyPlaylistName = "이름을 입력하여 주십시오";
constexpr std::string_view kEmptyAlbumName = "마이앨범 명을 입력하세요.";
constexpr std::string_view kForbiddenCharacters =
    "마이앨범 명에는 다음과 같은 문자는 사용하실 수 없습니다.\n\n@ ( )";
constexpr std::string_view kCannotAdd = "앨범을 추가할 수 없습니다.";
constexpr std::string_view kForbidden = "@()";

// The message texts in CP949, converted once.
struct Texts {
    std::string emptyPlaylistName, emptyAlbumName, forbiddenCharacters, cannotAdd;
};

const Texts& texts() {
    static const Texts cp949{Cp949::fromUtf8(kEmptyPlaylistName), Cp949::fromUtf8(kEmptyAlbumName),
                             Cp949::fromUtf8(kForbiddenCharacters), Cp949::fromUtf8(kCannotAdd)};
    return cp949;
}
} // namespace

AlbumCreator::AlbumCreator(KestoSvcCreatePlaylistFn createPlaylist, KestoSvcCreateMyAlbumFn createMyAlbum,
                           MessageBox& box)
    : createPlaylist_(createPlaylist), createMyAlbum_(createMyAlbum), box_(box) {}

void AlbumCreator::tell(std::string_view text, int style) {
    box_.show(text, kMessageBoxCaption, style);
}

std::optional<std::string> AlbumCreator::newPlaylist(std::string_view name) {
    if (name.empty()) {
        tell(texts().emptyPlaylistName, mb::kExclamationOk);
        return std::nullopt;
    }
    const int id = createPlaylist_ ? createPlaylist_(std::string(name).c_str()) : 0;
    if (id <= 0) {
        tell(texts().cannotAdd, mb::kStopOk);
        return std::nullopt;
    }
    return std::to_string(id);
}

bool AlbumCreator::newMyAlbum(std::string_view name) {
    if (name.empty()) {
        tell(texts().emptyAlbumName, mb::kExclamationOk);
        return false;
    }
    if (name.find_first_of(kForbidden) != std::string_view::npos) {
        tell(texts().forbiddenCharacters, mb::kExclamationOk);
        return false;
    }
    if (!createMyAlbum_ || createMyAlbum_(std::string(name).c_str()) == 0) {
        tell(texts().cannotAdd, mb::kStopOk);
        return false;
    }
    return true;
}

} // namespace kesto
