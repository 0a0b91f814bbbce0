#pragma once
// The panel's modal message box, as the Qt-free code sees it. Texts are CP949 bytes.

#include <string_view>

namespace kesto {

// Win32 message-box styles that the panel uses.
namespace mb {
inline constexpr int kStopOk = 16;
inline constexpr int kExclamationOk = 48;
inline constexpr int kExclamationOkCancel = 49;
inline constexpr int kQuestionOkCancel = 33;
inline constexpr int kQuestionYesNo = 36;
inline constexpr int kInformationOk = 64;
// Answers.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
} // namespace mb

// The caption of every message box unless a command names another ("Kesto Player").
inline constexpr std::string_view kMessageBoxCaption = "Kesto Player";

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the text modally and returns the button pressed (mb::kOk, ...).
    virtual int show(std::string_view textCp949, std::string_view captionCp949, int style) = 0;
    // The same with a check box under the text ("do not show again"): checked holds its state
    // before and after. A box that draws no check box leaves it as it was.
    virtual int showWithCheck(std::string_view textCp949, std::string_view captionCp949, int style,
                              std::string_view checkTextCp949, bool& checked) {
        static_cast<void>(checkTextCp949);
        static_cast<void>(checked);
        return show(textCp949, captionCp949, style);
    }
};

} // namespace kesto
