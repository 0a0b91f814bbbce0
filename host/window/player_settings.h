#pragma once
// The player's own settings (window, panes, last page, mini list place), in a file of its own
// beside the data of the run: the panel's settings file is the panel's alone.

#include <QVariant>

#include <filesystem>

namespace kesto {

class PlayerSettings {
public:
    static constexpr const char* kFileName = "kesto-player.ini";
    static constexpr const char* kGeometry = "window/geometry";
    static constexpr const char* kWindowState = "window/state";
    static constexpr const char* kSourceSplit = "window/sourceSplit";
    static constexpr const char* kLastPage = "pages/last";
    static constexpr const char* kMiniListRect = "mini/listRect";

    // Where the settings live from now on: dataFolder/kesto-player.ini.
    static void useFolder(const std::filesystem::path& dataFolder);
    static QVariant value(const char* key, const QVariant& fallback = {});
    static void setValue(const char* key, const QVariant& value);
    // Written to the file at once (also done when the process ends).
    static void sync();
};

} // namespace kesto
