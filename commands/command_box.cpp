#include "commands/command_box.h"

namespace kesto {

int CommandBox::show(CommandText text, int style, std::string_view caption) const {
    if (box_ == nullptr)
        return mb::kCancel;
    return box_->show(CommandTexts::get(text), caption, style);
}

bool CommandBox::confirm(CommandText text, int style, std::string_view caption) const {
    const int answer = show(text, style, caption);
    return answer == mb::kOk || answer == mb::kYes;
}

} // namespace kesto
