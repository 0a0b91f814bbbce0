#include "commands/play_list_command.h"

#include "commands/eligibility.h"

namespace kesto {
namespace {

// The local my-album pages.
bool isLocalAlbumPage(int pageKind) {
    return pageKind == 4 || pageKind == 5;
}

} // namespace

bool PlayListCommand::run(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    EligibilityRules rules;
    rules.emptySelection = CommandText::PlayListEmpty;
    rules.verdict = [](const Song& song) { return song.isLocal() ? Verdict::take() : Verdict::exclude(); };
    rules.nothingLeft = origin_ == CommandOrigin::NowPlaying ? CommandText::PlayListAllStreamingNowPlaying
                                                             : CommandText::PlayListAllStreaming;
    rules.someExcluded = CommandText::PlayListSomeStreaming;
    const auto songs = Eligibility(box).check(chosen, rules);
    if (!songs)
        return false;
    if (context_.hooks.playListDialog)
        context_.hooks.playListDialog(songs->records());
    if (isLocalAlbumPage(context_.pageKind) && context_.hooks.reshowPage)
        context_.hooks.reshowPage();
    return true;
}

} // namespace kesto
