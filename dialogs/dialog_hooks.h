#pragma once
// Fills the dialog hooks of the song commands with the panel's Qt dialogs. The panel hands in
// its window, the skin table, the command context of the moment (its hooks are not read) and
// what it does with files the user chose; the hooks keep copies and open the dialogs when a
// command reaches them.

#include "commands/command_context.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace kesto {

struct DialogParts {
    QWidget* parent = nullptr;
    KestoHostTable skin = nullptr;
    CommandContext context;
    // Imports chosen files into the shown page.
    std::function<void(const std::vector<std::string>&)> import;
};

class DialogHooks {
public:
    static void install(CommandHooks& hooks, const DialogParts& parts);

private:
    static void albums(CommandHooks& hooks, const DialogParts& parts);
    static void playLists(CommandHooks& hooks, const DialogParts& parts);
    static void files(CommandHooks& hooks, const DialogParts& parts);
    static void purchases(CommandHooks& hooks, const DialogParts& parts);
};

} // namespace kesto
