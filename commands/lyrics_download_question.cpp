#include "commands/lyrics_download_question.h"

#include "commands/command_settings.h"
#include "commands/command_texts.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

namespace kesto {

bool LyricsDownloadQuestion::wanted() const {
    if (CommandSettings(settings_).downloadLyric())
        return true;
    // No box to ask with: nothing is downloaded unasked.
    if (box_ == nullptr)
        return false;
    bool neverAsk = false;
    const int answer =
        box_->showWithCheck(CommandTexts::get(CommandText::LyricsMissingQuestion), kMessageBoxCaption,
                            mb::kQuestionOkCancel, CommandTexts::get(CommandText::DoNotShowAgain), neverAsk);
    const bool ok = answer == mb::kOk;
    store(ok && neverAsk);
    return ok;
}

void LyricsDownloadQuestion::store(bool neverAsk) const {
    if (settings_ != nullptr)
        settings_->writeSectionDword(settings::kOption, neverAsk ? 1U : 0U, settings::kDownloadLyric);
}

} // namespace kesto
