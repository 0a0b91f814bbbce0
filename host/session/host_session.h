#pragma once
// The host's side of the module's life: run the reference service, load the module, hand over
// the window and the tables, log in, create the panel in the panel area and keep it sized to
// it, show the pages the user picks, destroy it at the end.

#include "host/session/host_tables.h"
#include "host/session/module_loader.h"
#include "host/store/host_service.h"

#include <QObject>

#include <filesystem>
#include <memory>
#include <string>

namespace kesto {

class HostDownloads;
class MainWindow;
struct HostPage;
class SourcePane;

class HostSession : public QObject {
public:
    explicit HostSession(MainWindow& window);
    ~HostSession() override;
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    // Starts the service with its data folder (empty: a fresh one), loads the module, calls
    // Song_GetPanelInfo, entry 14, entry 39 with the log-in and entry 16; logs each step.
    bool start(const QString& modulePath, const std::filesystem::path& dataFolder = {});
    const ModuleLoader& module() const { return module_; }
    const HostService& service() const { return service_; }
    HostDownloads& downloads() const { return *downloads_; }

    // Entry 23 with the page's menu id (entry 38 for the download storage).
    void show(const HostPage& page);
    // Entry 23 with a menu id and its parameter, as the page menu would.
    void showMenuId(int menuId, const char* parameter = "");
    // Entry 39 with a new log-in reply of the service.
    void logIn();
    // The source pane lists the play lists again (one was made outside the panel).
    void refreshSources();
    // The last page shown in an earlier run, else the first chart: a page with content.
    void showOpeningPage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Entry 33's downloads, shown in the status line; the page showing them is shown again.
    void startDownloads(const QString& modulePath);
    void keepBandInReach();
    void markNowPlaying();

    MainWindow& window_;
    HostService service_;
    ModuleLoader module_;
    HostTables tables_;
    SourcePane* sources_ = nullptr; // owned by the window
    std::unique_ptr<HostDownloads> downloads_;
    int shownMenu_ = -1;
    std::string shownParameter_;
};

} // namespace kesto
