#include "commands/listen_command.h"

#include "commands/command_settings.h"
#include "commands/eligibility.h"
#include "songs/song_store.h"

namespace kesto {

bool ListenCommand::run(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    EligibilityRules rules;
    rules.emptySelection = CommandText::ListenEmpty;
    rules.grey = GreyItemRule(context_.pageKind, std::nullopt);
    const auto songs = Eligibility(box).check(chosen, rules);
    if (!songs || context_.nowPlaying == nullptr)
        return false;
    SongStore& store = *context_.nowPlaying;
    if (!CommandSettings(context_.settings).hearingAppend())
        store.clear();
    const int start = store.count();
    for (const ChosenSong& song : songs->songs())
        store.addCopy(&song.record);
    if (context_.protocol.port != nullptr)
        context_.protocol.port->post(context_.protocol.host, KESTO_MSG_PLAY_NOW_PLAYING, start, 1);
    return true;
}

} // namespace kesto
