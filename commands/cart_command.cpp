#include "commands/cart_command.h"

#include "commands/eligibility.h"
#include "commands/song_id_list.h"
#include "protocol/cart_request.h"
#include "protocol/protocol_exchange.h"

namespace kesto {

bool CartCommand::run(const Selection& chosen) const {
    const CommandBox box(context_.protocol.box);
    EligibilityRules rules;
    rules.emptySelection = CommandText::CartEmpty;
    rules.verdict = [](const Song& song) { return song.isLocal() ? Verdict::exclude() : Verdict::take(); };
    rules.nothingLeft = CommandText::CartAllLocal;
    if (origin_ == CommandOrigin::NowPlaying) {
        rules.someExcluded = CommandText::CartSomeLocal;
    } else {
        rules.someExcluded = CommandText::CartLocalNotice;
        rules.someExcludedStyle = mb::kExclamationOk;
    }
    const auto songs = Eligibility(box).check(chosen, rules);
    if (!songs)
        return false;
    // The service takes one song per request: the list goes in order, up to the first refusal.
    for (const std::string& id : SongIdList::ids(*songs)) {
        const auto reply =
            ProtocolExchange::run(context_.protocol, CartRequest::add(*context_.protocol.login, id));
        if (!reply || reply->code() < 0)
            return false;
    }
    const bool look = box.confirm(CommandText::CartAdded, mb::kQuestionOkCancel,
                                  CommandTexts::get(CommandText::CartCaption));
    if (look && context_.hooks.showPage)
        context_.hooks.showPage(kCartMenu, kCartViewMode);
    return true;
}

} // namespace kesto
