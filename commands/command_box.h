#pragma once
// The panel's message box as the song commands use it: named texts, the panel's caption, and
// an answer that counts as "go on" only for OK or Yes (no box at all goes no further).

#include "commands/command_texts.h"
#include "platform/message_box.h"

#include <string_view>

namespace kesto {

class CommandBox {
public:
    explicit CommandBox(MessageBox* box) : box_(box) {}

    // Shows the text and returns the answer; mb::kCancel when there is no box.
    int show(CommandText text, int style, std::string_view caption = kMessageBoxCaption) const;
    // A stop message (style 16).
    void stop(CommandText text) const { show(text, mb::kStopOk); }
    // A question; true when the user answered OK or Yes.
    bool confirm(CommandText text, int style = mb::kExclamationOkCancel,
                 std::string_view caption = kMessageBoxCaption) const;

private:
    MessageBox* box_;
};

} // namespace kesto
