#include "commands/grey_item_rule.h"

namespace kesto {

GreyItemRule::GreyItemRule(int pageKind, std::optional<CommandText> question)
    : pageKind_(pageKind), question_(question) {}

GreyItemRule GreyItemRule::downloadRule(int pageKind, CommandText question) {
    GreyItemRule rule(pageKind, question);
    rule.kind7Notice_ = false;
    return rule;
}

std::optional<CommandText> GreyItemRule::notice() const {
    if (pageKind_ == kBoughtFiles)
        return CommandText::GreyLongNotice;
    if (pageKind_ == kBoughtSongs && kind7Notice_)
        return CommandText::GreyShortNotice;
    return std::nullopt;
}

bool GreyItemRule::apply(const CommandBox& box, Selection& songs) const {
    const std::size_t before = songs.size();
    const std::size_t grey = songs.removeIf([](const Song& song) { return song.isGrey(); });
    if (grey == 0)
        return true;
    const auto told = notice();
    if (!told)
        return true; // silently; the caller tells when nothing is left
    if (grey == before) {
        box.stop(*told);
        return false;
    }
    return !question_ || box.confirm(*question_);
}

} // namespace kesto
