#pragma once
// Whether a song's missing lyrics file is downloaded, as DownloadLyric says: nonzero downloads
// without asking; 0 asks, with a "do not show again" box. OK downloads and keeps the box's
// state (set: 1, no more questions); Cancel downloads nothing and keeps 0.

#include "platform/message_box.h"

namespace kesto {

class RegistryKey;

class LyricsDownloadQuestion {
public:
    LyricsDownloadQuestion(RegistryKey* settings, MessageBox* box) : settings_(settings), box_(box) {}

    // True when the file is to be downloaded; asks the user where the option says so.
    bool wanted() const;

private:
    RegistryKey* settings_;
    MessageBox* box_;
};

} // namespace kesto
