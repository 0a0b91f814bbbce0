#pragma once
// The panel's local files: files and folders imported into the page shown, entries that put
// files into a local album or a device list, and files the host plays. It lives as long as the
// panel; the page parts it shows lists with are attached while the window exists.

#include "commands/command_context.h"
#include "module/local_file_operations.h"

#include <functional>

namespace kesto {

class PageNavigator;
class PageView;
class PanelModel;
class ShowPage;
class SongCommands;

struct LocalFileParts {
    PageView* view = nullptr;
    ShowPage* showPage = nullptr;
    PageNavigator* pages = nullptr;
    SongCommands* songs = nullptr;
};

class LocalFiles final : public LocalFileOperations {
public:
    LocalFiles(PanelModel& model, std::function<CommandContext()> context)
        : model_(model), context_(std::move(context)) {}

    void attach(const LocalFileParts& parts) { p_ = parts; }
    void detach() { p_ = {}; }

    void importPath(std::string_view path) override;
    void addItems(int kind, std::string_view values) override;
    void addToLocalAlbum(std::string_view path, std::string_view albumId) override;
    void fillDeviceList(std::string_view text, int value) override;
    int readLocalSongInfo(std::string_view path, SongRecord* record) override;
    int addDroppedFiles(const std::vector<std::string>& paths) override;
    void playFiles(const std::vector<std::string>& paths) override;
    void openDownloadStorage(std::string_view folder) override;
    // Files into the page shown, which then shows them; how many were added (0 without a window).
    int importFiles(const std::vector<std::string>& paths);

private:
    // The rows point into the store that may change: they go first, the list is shown again.
    template <class Change> void changeShownList(bool shown, Change change);

    PanelModel& model_;
    std::function<CommandContext()> context_;
    LocalFileParts p_;
};

} // namespace kesto
