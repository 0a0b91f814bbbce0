#include "pages/local_page_reader.h"

#include "library/file_type.h"
#include "library/local_record_factory.h"
#include "platform/failure_guard.h"
#include "songs/panel_messages.h"
#include "songs/song_store.h"

namespace kesto {

LocalPageReader::~LocalPageReader() {
    stop();
}

bool LocalPageReader::start(std::unique_ptr<LocalPageJob> job, const ReaderTarget& target) {
    if (thread_.joinable())
        return false;
    signals_ = std::make_shared<ReaderSignals>();
    // The reader keeps the signals alive on its own, whatever happens to this slot.
    thread_ = std::thread([job = std::move(job), target, signals = signals_]() mutable {
        // An exception that left the thread would end the host.
        FailureGuard::run(LogCategory::Pages, "local page reader",
                          [&] { return run(std::move(job), target, *signals); });
    });
    return true;
}

void LocalPageReader::wait() {
    if (thread_.joinable())
        thread_.join();
}

void LocalPageReader::stop() {
    if (signals_) {
        signals_->panelGone = true;
        signals_->quit = true;
    }
    wait();
}

int LocalPageReader::run(std::unique_ptr<LocalPageJob> job, const ReaderTarget& target,
                         const ReaderSignals& signals) {
    if (!job)
        return -1;
    for (std::size_t i = 0; i < job->paths.size(); ++i) {
        const std::string& path = job->paths[i];
        if (path.empty() || signals.quit)
            break;
        if (signals.panelGone)
            return 0;
        const int type = FileType::fromPath(path);
        if (!FileType::isImportable(type))
            continue;
        Song record;
        if (target.factory->build(path, type, job->originOf(i), record))
            target.store->addCopy(&record);
        else
            FailureLog::write(LogCategory::Pages, "local file left out, its tags cannot be read: " + path);
    }
    if (!signals.panelGone && target.port != nullptr)
        target.port->post(target.window, msg::kLocalPageReady, job->viewMode, job->pageKind);
    return 0;
}

} // namespace kesto
