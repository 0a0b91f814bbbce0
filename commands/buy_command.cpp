#include "commands/buy_command.h"

#include "commands/eligibility.h"
#include "commands/song_pricing.h"

namespace kesto {

bool BuyCommand::run(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    EligibilityRules rules;
    rules.emptySelection = CommandText::CartEmpty;
    rules.verdict = [](const Song& song) { return song.isLocal() ? Verdict::exclude() : Verdict::take(); };
    // Only local songs: the notice, then nothing is left to buy.
    rules.nothingLeft = CommandText::CartLocalNotice;
    rules.someExcluded = CommandText::CartLocalNotice;
    rules.someExcludedStyle = mb::kExclamationOk;
    const auto songs = Eligibility(box).check(chosen, rules);
    if (!songs)
        return false;
    const auto prices = SongPricing(context_.protocol).price(*songs, SongPricing::Kind::DirectBuy);
    if (!prices)
        return false;
    if (context_.hooks.purchaseDialog)
        context_.hooks.purchaseDialog(songs->records(), *prices, kBuyOnly, {});
    return true;
}

} // namespace kesto
