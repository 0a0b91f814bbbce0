#include "columns/list_commands.h"

#include "columns/list_command_ids.h"
#include "songs/panel_messages.h"

namespace kesto {
namespace {

using Action = ListCommand::Action;
using Row = ListCommand::Row;

ListCommand post(unsigned message, Row row = Row::None) {
    return {Action::Post, message, row, 0};
}

ListCommand act(Action action, int which = 0) {
    return {action, 0, Row::None, which};
}

} // namespace

ListCommand ListCommands::lookup(int id, bool miniList) {
    using namespace listcmd;
    if (miniList && id >= kMiniFirst && id <= kMiniLast)
        return act(Action::Forward);
    switch (id) {
    case kSongInfo:
    case kSongInfo2:
        return post(msg::kGenericRequest);
    case kLyrics:
    case kLyrics2:
        return post(msg::kLyrics, Row::FocusedOrFirst);
    case kPhoneSms:
        return post(msg::kRowSongWebPage, Row::FocusedOrFirst);
    case kReportSong:
        return post(msg::kInfoPage);
    case kAddFiles:
    case kAddFiles2:
        return miniList ? act(Action::Forward) : post(msg::kAddFilesDialog);
    case kAddFolder:
    case kAddFolder2:
        return miniList ? act(Action::Forward) : post(msg::kAddFilesSecond);
    case kCut:
    case kCut2:
    case kCopy:
    case kCopy2:
    case kPaste:
    case kPaste2:
        // The list's own cut, copy and paste, carried out by its owner.
        return act(Action::Forward);
    case kSelectAll:
    case kSelectAll2:
        return act(Action::CheckAll);
    case kUncheckAll:
        return act(Action::UncheckAll);
    case kInvertSelection:
        return act(Action::InvertChecks);
    case kListCommand1:
    case kListCommand1b:
        return post(msg::kNowPlayingToPhone);
    case kListCommand2:
    case kListCommand2b:
        return post(msg::kNowPlayingToMp3Player);
    case kDelete:
    case kDelete2:
        return post(msg::kDelete);
    case kDownload:
    case kDownload2:
        return post(msg::kDownloadRow);
    case kGiftMessage:
    case kGiftMessage2:
        return post(msg::kChosenGiftMessagePage);
    case kDeviceDelete:
    case kDeviceDelete2:
        return post(msg::kDeviceDelete);
    case kToPhone:
        return post(msg::kToPhone);
    case kToMp3Player:
        return post(msg::kToMp3Player);
    case kListen:
        return post(msg::kRowListen, Row::First);
    case kPutPlayList:
    case kPutMyAlbum:
    case kPutCart:
    case kPutGift:
        return act(Action::PutInto);
    case kLoadPlayList:
        return act(Action::LoadList, 1);
    case kLoadMyAlbum:
        return act(Action::LoadList, 2);
    case kClearNowPlaying:
        return act(Action::ClearNowPlaying);
    case kAutoSizeColumn:
        return act(Action::AutoSizeColumn);
    case kAutoSizeAll:
        return act(Action::AutoSizeAll);
    default:
        return {};
    }
}

} // namespace kesto
