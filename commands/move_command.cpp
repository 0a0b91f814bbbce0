#include "commands/move_command.h"

#include "commands/eligibility.h"

namespace kesto {

bool MoveCommand::run(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    EligibilityRules rules;
    rules.emptySelection = CommandText::MoveEmpty;
    rules.verdict = [](const Song& song) {
        return song.isGrey() ? Verdict::refuse(CommandText::MoveGrey) : Verdict::take();
    };
    const auto songs = Eligibility(box).check(chosen, rules);
    if (!songs)
        return false;
    const int kind = context_.pageKind;
    const auto& move = (kind == 2 || kind == 3)   ? context_.hooks.moveOnline
                       : (kind == 4 || kind == 5) ? context_.hooks.moveLocal
                                                  : std::function<void(const SongList&)>();
    if (!move)
        return false;
    move(songs->records());
    return true;
}

} // namespace kesto
