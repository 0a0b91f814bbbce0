#include "commands/download_command.h"

#include "commands/download_request.h"
#include "commands/eligibility.h"

namespace kesto {

bool DownloadCommand::run(const Selection& chosen, int mode) const {
    const CommandBox box(context_.protocol.box);
    const bool bellList =
        context_.protocol.login != nullptr && context_.protocol.login->menuParameter == kBellList;
    EligibilityRules rules;
    rules.emptySelection = CommandText::DownloadEmpty;
    rules.verdict = [bellList](const Song& song) {
        return Verdict::streamingOnly(song, CommandText::BellFromBellListOnly, bellList);
    };
    rules.nothingLeft = CommandText::DownloadAllLocal;
    rules.someExcluded = CommandText::DownloadOrGiftSomeLocal;
    const auto songs = Eligibility(box).check(chosen, rules);
    return songs && DownloadRequest(context_).run(*songs, mode);
}

} // namespace kesto
