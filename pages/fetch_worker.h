#pragma once
// One background reader slot of the panel (the folder reader or the album reader): reads the
// files of a job into the list store through the store's own lock and reports by posting the
// local-page-ready message to the panel window. It touches no window.

#include "pages/thread_job.h"
#include "platform/message_port.h"

#include <atomic>
#include <memory>
#include <thread>

namespace kesto {

class LocalRecordFactory;
class SongStore;

struct WorkerTarget {
    SongStore* store = nullptr;
    LocalRecordFactory* factory = nullptr;
    MessagePort* port = nullptr;
    WindowHandle window = nullptr;
};

// What the panel tells a running reader: stop at the next file (the quit message), and that
// the panel is gone (nothing is posted then).
struct WorkerSignals {
    std::atomic<bool> quit{false};
    std::atomic<bool> panelGone{false};
};

class FetchWorker {
public:
    FetchWorker() = default;
    ~FetchWorker();
    FetchWorker(const FetchWorker&) = delete;
    FetchWorker& operator=(const FetchWorker&) = delete;

    // Starts a reader on the job; false while the previous reader's handle is still held.
    bool start(std::unique_ptr<ThreadJob> job, const WorkerTarget& target);
    // True from start until the next wait.
    bool held() const { return thread_.joinable(); }
    // Waits without a time limit for the reader to end and lets its handle go.
    void wait();
    // The panel is going: the reader ends at its next file without posting; then waits.
    void stop();

    // The reader's body: -1 without a job, else 0 once the job is done.
    static int run(std::unique_ptr<ThreadJob> job, const WorkerTarget& target, const WorkerSignals& signals);

private:
    std::thread thread_;
    std::shared_ptr<WorkerSignals> signals_;
};

} // namespace kesto
