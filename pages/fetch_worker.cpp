#include "pages/fetch_worker.h"

#include "library/file_type.h"
#include "library/local_record_factory.h"
#include "songs/panel_messages.h"
#include "songs/song_store.h"

namespace kesto {

FetchWorker::~FetchWorker() {
    stop();
}

bool FetchWorker::start(std::unique_ptr<ThreadJob> job, const WorkerTarget& target) {
    if (thread_.joinable())
        return false;
    signals_ = std::make_shared<WorkerSignals>();
    // The reader keeps the signals alive on its own, whatever happens to this slot.
    thread_ = std::thread([job = std::move(job), target, signals = signals_]() mutable {
        run(std::move(job), target, *signals);
    });
    return true;
}

void FetchWorker::wait() {
    if (thread_.joinable())
        thread_.join();
}

void FetchWorker::stop() {
    if (signals_) {
        signals_->panelGone = true;
        signals_->quit = true;
    }
    wait();
}

int FetchWorker::run(std::unique_ptr<ThreadJob> job, const WorkerTarget& target,
                     const WorkerSignals& signals) {
    if (!job)
        return -1;
    if (job->state == ThreadJob::kFilled) {
        for (std::size_t i = 0; i < job->paths.size(); ++i) {
            const std::string& path = job->paths[i];
            if (path.empty() || signals.quit)
                break;
            if (signals.panelGone)
                return 0;
            const int type = FileType::fromPath(path);
            if (!FileType::isImportable(type))
                continue;
            SongRecord record = SongRecord::make();
            if (target.factory->build(path, type, job->originOf(i), record))
                target.store->addCopy(&record);
        }
    }
    if (!signals.panelGone && target.port != nullptr)
        target.port->post(target.window, msg::kLocalPageReady, job->viewMode, job->pageKind);
    return 0;
}

} // namespace kesto
