#include "host/store/host_downloads.h"

#include "host/audio/next_song_call.h"
#include "host/session/cp949_text.h"
#include "host/session/host_log.h"
#include "host/store/save_folder.h"

#include <QMetaObject>

#include <cstring>

namespace kesto {
namespace {

// A list longer than any download the panel allows ends here whatever follows.
constexpr std::size_t kMaxItems = 1000;

HostDownloads*& instance() {
    static HostDownloads* downloads = nullptr;
    return downloads;
}

std::string text(const char* field, std::size_t capacity) {
    return std::string(field, strnlen(field, capacity));
}

QString shown(const std::string& cp949) {
    return QString::fromStdString(Cp949Text::toUtf8(cp949));
}

} // namespace

HostDownloads::HostDownloads(std::filesystem::path moduleFolder, QObject* parent)
    : QObject(parent), moduleFolder_(std::move(moduleFolder)) {
    instance() = this;
}

HostDownloads::~HostDownloads() {
    if (instance() == this)
        instance() = nullptr;
    closing_ = true;
    cancelled_ = true;
    if (worker_.joinable())
        worker_.join();
}

void HostDownloads::install(KestoHostFn* serviceA, StoreLogin login) {
    login_ = std::move(login);
    serviceA[KESTO_SVC_A_TRANSFER] = reinterpret_cast<KestoHostFn>(&HostDownloads::transfer);
}

void HostDownloads::transfer(const void* items, int writeFlag, int) {
    // A song handed over while entry 24 runs is the played song's missing lyrics file: the
    // player shows lyrics as the store's page and keeps no lyrics files.
    if (NextSongCall::asking()) {
        HostLog::write(QStringLiteral("lyrics file not kept: the lyrics pane shows the store's page"));
        return;
    }
    if (instance() != nullptr && items != nullptr)
        instance()->take(items, writeFlag);
}

void HostDownloads::take(const void* items, int writeFlag) {
    const std::filesystem::path folder = SaveFolder::resolve(moduleFolder_);
    const auto* records = static_cast<const KestoSongRecord*>(items);
    std::deque<Job> taken;
    for (std::size_t i = 0;
         i < kMaxItems && (records[i].Song_ID[0] != '\0' || records[i].Local_Path[0] != '\0'); ++i) {
        const KestoSongRecord& r = records[i];
        // Songs for a device carry their file; the player has no device to send them to.
        if (r.Local_Path[0] != '\0') {
            HostLog::write(QStringLiteral("no device: %1 stays on this PC")
                               .arg(shown(text(r.Local_Path, sizeof r.Local_Path))));
            continue;
        }
        DownloadItem item{text(r.Song_ID, sizeof r.Song_ID), text(r.Song_Name, sizeof r.Song_Name),
                          text(r.Artist_Name, sizeof r.Artist_Name), text(r.Menu_ID, sizeof r.Menu_ID),
                          r.Item_Type};
        taken.push_back({std::move(item), folder, writeFlag != 0});
    }
    if (taken.empty())
        return;
    HostLog::write(QStringLiteral("downloading %1 songs into %2")
                       .arg(taken.size())
                       .arg(QString::fromStdString(folder.string())));
    std::lock_guard lock(mutex_);
    for (Job& job : taken)
        jobs_.push_back(std::move(job));
    if (!idle_)
        return;
    if (worker_.joinable())
        worker_.join();
    idle_ = false;
    cancelled_ = false;
    worker_ = std::thread([this] { work(); });
}

void HostDownloads::cancel() {
    cancelled_ = true;
}

void HostDownloads::work() {
    QStringList landed, failed;
    QString folder;
    int done = 0;
    for (;;) {
        Job job;
        int total = 0;
        {
            std::lock_guard lock(mutex_);
            if (jobs_.empty() || cancelled_) {
                // Songs not begun when the user cancelled are not downloaded either.
                for (const Job& left : jobs_)
                    failed << shown(left.item.name.empty() ? left.item.songId : left.item.name);
                jobs_.clear();
                idle_ = true;
                break;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
            total = done + 1 + static_cast<int>(jobs_.size());
        }
        const QString name = shown(job.item.name.empty() ? job.item.songId : job.item.name);
        folder = QString::fromStdString(job.folder.string());
        report(done, total, name);
        std::string why = "no save folder can be made";
        const auto outcome = job.folder.empty()
                                 ? SongFetch::Outcome::Failed
                                 : SongFetch::land(login_, job.item, job.folder, job.overwrite, why);
        if (outcome == SongFetch::Outcome::Failed) {
            failed << name;
            const QString line =
                QStringLiteral("download of %1 failed: %2").arg(name, QString::fromStdString(why));
            QMetaObject::invokeMethod(
                this, [line] { HostLog::write(line); }, Qt::QueuedConnection);
        } else {
            landed << name;
        }
        ++done;
    }
    if (closing_)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, landed, failed, folder] {
            ++completed_;
            emit finished(landed, failed, folder);
        },
        Qt::QueuedConnection);
}

void HostDownloads::report(int done, int total, const QString& song) {
    QMetaObject::invokeMethod(
        this, [this, done, total, song] { emit progress(done, total, song); }, Qt::QueuedConnection);
}

} // namespace kesto
