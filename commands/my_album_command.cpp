#include "commands/my_album_command.h"

#include "commands/eligibility.h"
#include "commands/my_album_put.h"

namespace kesto {

std::optional<Selection> MyAlbumCommand::eligible(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    EligibilityRules rules;
    rules.emptySelection = origin_ == CommandOrigin::NowPlaying ? CommandText::MyAlbumEmptyNowPlaying
                                                                : CommandText::MyAlbumEmpty;
    rules.verdict = [](const Song& song) { return Verdict::streamingOnly(song, CommandText::MyAlbumBell); };
    rules.nothingLeft = CommandText::MyAlbumAllLocal;
    rules.someExcluded = CommandText::MyAlbumSomeLocal;
    rules.grey = GreyItemRule(context_.pageKind, CommandText::MyAlbumGreyQuestion);
    return Eligibility(box).check(chosen, rules);
}

bool MyAlbumCommand::run(const Selection& chosen) const {
    const auto songs = eligible(chosen);
    if (!songs || !context_.hooks.chooseMyAlbum)
        return false;
    const auto records = songs->records();
    const auto choice = context_.hooks.chooseMyAlbum(records);
    if (!choice)
        return false;
    const MyAlbumPut put(context_.protocol);
    return put.put(*choice, put.currentAlbum(context_.menuId), records);
}

bool MyAlbumCommand::runInto(const Selection& chosen, const std::string& albumId) const {
    const auto songs = eligible(chosen);
    if (!songs)
        return false;
    const MyAlbumPut put(context_.protocol);
    return put.put(MyAlbumChoice{albumId, false}, put.currentAlbum(context_.menuId), songs->records());
}

} // namespace kesto
