#include "commands/gift_command.h"

#include "commands/eligibility.h"
#include "commands/song_pricing.h"

namespace kesto {

bool GiftCommand::run(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    EligibilityRules rules;
    rules.emptySelection = CommandText::GiftEmpty;
    rules.verdict = [](const Song& song) { return Verdict::streamingOnly(song, CommandText::GiftBell); };
    rules.nothingLeft = CommandText::GiftAllLocal;
    rules.someExcluded = CommandText::DownloadOrGiftSomeLocal;
    rules.grey = GreyItemRule(context_.pageKind, CommandText::GiftGreyQuestion);
    const auto songs = Eligibility(box).check(chosen, rules);
    if (!songs)
        return false;
    const auto prices = SongPricing(context_.protocol).price(*songs, SongPricing::Kind::Gift);
    if (!prices)
        return false;
    if (context_.hooks.giftDialog)
        context_.hooks.giftDialog(songs->records(), *prices);
    return true;
}

} // namespace kesto
