#pragma once
// Where downloads land: the LastSaveFolder value of the settings file the panel and the player
// share (the user picks it in the download dialog). The file is a registry export, UTF-8 as the
// panel writes it or UTF-16LE with a byte-order mark as Windows does. Without the value the
// panel's own default: "download" beside the module, else the user's data folder.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kesto {

class SaveFolder {
public:
    // KESTO_REGISTRY_FILE, else $XDG_CONFIG_HOME/kesto/registry.reg (~/.config without it).
    static std::filesystem::path settingsFile();
    // The value (UTF-8) under the Kesto root key of an export, when the text holds it.
    static std::optional<std::string> fromSettings(std::string_view fileBytes);
    // The folder to write into, made when missing; empty when none can be had.
    static std::filesystem::path resolve(const std::filesystem::path& moduleFolder);
};

} // namespace kesto
