#pragma once
// The question put when a song's lyrics file is missing and DownloadLyric is 0 (nonzero
// downloads without asking, and the lyrics steps never ask then): OK downloads and keeps the
// "do not show again" box (set: 1, no more questions); Cancel downloads nothing and keeps 0.

#include "platform/message_box.h"

namespace kesto {

class RegistryKey;

class LyricsDownloadQuestion {
public:
    LyricsDownloadQuestion(RegistryKey* settings, MessageBox* box) : settings_(settings), box_(box) {}

    // Asks the user; true when the file is to be downloaded.
    bool wanted() const;

private:
    RegistryKey* settings_;
    MessageBox* box_;
};

} // namespace kesto
