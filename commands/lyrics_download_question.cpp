#include "commands/lyrics_download_question.h"

#include "commands/command_texts.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

namespace kesto {

bool LyricsDownloadQuestion::wanted() const {
    // No box to ask with: nothing is downloaded unasked.
    if (box_ == nullptr)
        return false;
    bool neverAsk = false;
    const int answer =
        box_->showWithCheck(CommandTexts::get(CommandText::LyricsMissingQuestion), kMessageBoxCaption,
                            mb::kQuestionOkCancel, CommandTexts::get(CommandText::DoNotShowAgain), neverAsk);
    const bool ok = answer == mb::kOk;
    // Cancel, or OK with the box clear, keeps the 0 that was asked with: nothing to write.
    if (ok && neverAsk && settings_ != nullptr)
        settings_->writeSectionDword(settings::kOption, 1U, settings::kDownloadLyric);
    return ok;
}

} // namespace kesto
