#include "host/session/host_tables.h"

#include "host/audio/play_controller.h"
#include "host/audio/tag_reader.h"
#include "host/library/play_list_maker.h"
#include "host/session/host_log.h"
#include "host/session/host_mini_mode.h"
#include "host/store/curl_request.h"
#include "host/window/skin_images.h"

#include <utility>

namespace kesto {
namespace {

template <class Fn> KestoHostFn slot(Fn fn) {
    return reinterpret_cast<KestoHostFn>(fn);
}

// Service table A entries the reference host does not serve log their call and return 0.
template <int Index> std::intptr_t serviceA(std::intptr_t a, std::intptr_t b, std::intptr_t c) {
    HostLog::write(QStringLiteral("service A entry %1 (%2, %3, %4)").arg(Index).arg(a).arg(b).arg(c));
    return 0;
}

template <std::size_t... I> void fillServiceA(KestoHostFn* table, std::index_sequence<I...>) {
    ((table[I] = slot<KestoServiceFn>(&serviceA<static_cast<int>(I)>)), ...);
}

int serviceValue() {
    return 1;
}

} // namespace

HostTables::HostTables() {
    skin_[KESTO_SKIN_IMAGE] = slot<KestoSkinImageFn>(&SkinImages::tableImage);
    skin_[KESTO_SKIN_CREATE_BUTTON] = slot<KestoSkinCreateButtonFn>(&SkinImages::createButton);
    skin_[KESTO_SKIN_APPLY_WINDOW] = slot<KestoSkinApplyWindowFn>(&SkinImages::applyWindow);
    skin_[KESTO_SKIN_TEXT_COLOR] = slot<KestoSkinColorFn>(&SkinImages::textColor);
    skin_[KESTO_SKIN_BUTTON_READY] = slot<KestoSkinButtonReadyFn>(&SkinImages::buttonReady);
    skin_[KESTO_SKIN_BACK_COLOR] = slot<KestoSkinColorFn>(&SkinImages::backColor);
    network_[KESTO_NET_REQUEST] = slot<KestoNetRequestFn>(&CurlRequest::perform);
    fillServiceA(serviceA_.data(), std::make_index_sequence<KESTO_SERVICE_A_TABLE_SIZE>());
    serviceA_[KESTO_SVC_A_CREATE_PLAYLIST] = slot<KestoSvcCreatePlaylistFn>(&PlayListMaker::create);
    serviceA_[KESTO_SVC_A_IS_PLAYING] = slot<KestoSvcIntFn>(&PlayController::playsNowPlaying);
    serviceA_[KESTO_SVC_A_OPEN_SONG_TEXT] = slot<KestoSvcOpenSongTextFn>(&HostMiniMode::openSongText);
    serviceA_[KESTO_SVC_A_CLOSE_SONG_TEXT] = slot<KestoSvcCloseFn>(&HostMiniMode::closeSongText);
    serviceB_[KESTO_SVC_B_VALUE] = slot<KestoSvcValueFn>(&serviceValue);
    serviceB_[KESTO_SVC_B_READ_TAGS] = slot<KestoSvcReadTagsFn>(&TagReader::read);
}

} // namespace kesto
