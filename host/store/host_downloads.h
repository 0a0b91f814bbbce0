#pragma once
// Entry 33 of service table A in the reference host: the songs the panel hands over after a
// purchase are fetched one by one on a thread of their own and land in the save folder as
// "<Song_ID>.dcf", where the panel's play list and download storage look for them. Progress,
// the end and each failed song (by name) come out as signals on the GUI thread; cancel stops
// before the next song. The entry is a plain function, so the one instance is reached here.

#include "host/store/song_fetch.h"
#include "include/kesto/panel_api.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>

namespace kesto {

class HostDownloads : public QObject {
    Q_OBJECT
public:
    // moduleFolder: where the panel's default download folder is, beside the module.
    explicit HostDownloads(std::filesystem::path moduleFolder, QObject* parent = nullptr);
    ~HostDownloads() override;

    // Points entry 33 of the table at this instance for the given log-in.
    void install(KestoHostFn* serviceA, StoreLogin login);
    static void transfer(const void* items, int writeFlag, int zero);

    void cancel();
    bool running() const { return worker_.joinable() && !idle_; }
    // How many downloads have ended (each run of handed-over songs), on the GUI thread.
    int completed() const { return completed_; }

signals:
    void progress(int done, int total, const QString& song);
    void finished(const QStringList& landed, const QStringList& failed, const QString& folder);

private:
    struct Job {
        DownloadItem item;
        std::filesystem::path folder;
        bool overwrite = true;
    };

    void take(const void* items, int writeFlag);
    void work();
    void report(int done, int total, const QString& song);

    std::filesystem::path moduleFolder_;
    StoreLogin login_;
    std::mutex mutex_;
    std::deque<Job> jobs_;
    std::thread worker_;
    std::atomic<bool> idle_{true};
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> closing_{false};
    int completed_ = 0;
};

} // namespace kesto
