#pragma once
// One background reader slot of the panel (the folder reader or the album reader): reads the
// files of a job into the list store through the store's own lock and reports by posting the
// local-page-ready message to the panel window. It touches no window.

#include "pages/local_page_job.h"
#include "platform/message_port.h"

#include <atomic>
#include <memory>
#include <thread>

namespace kesto {

class LocalRecordFactory;
class SongStore;

struct ReaderTarget {
    SongStore* store = nullptr;
    LocalRecordFactory* factory = nullptr;
    MessagePort* port = nullptr;
    WindowHandle window = nullptr;
};

// What the panel tells a running reader: stop at the next file (the quit message), and that
// the panel is gone (nothing is posted then).
struct ReaderSignals {
    std::atomic<bool> quit{false};
    std::atomic<bool> panelGone{false};
};

class LocalPageReader {
public:
    LocalPageReader() = default;
    ~LocalPageReader();
    LocalPageReader(const LocalPageReader&) = delete;
    LocalPageReader& operator=(const LocalPageReader&) = delete;

    // Starts a reader on the job; false while the previous reader's handle is still held.
    bool start(std::unique_ptr<LocalPageJob> job, const ReaderTarget& target);
    // True from start until the next wait.
    bool held() const { return thread_.joinable(); }
    // Waits without a time limit for the reader to end and lets its handle go.
    void wait();
    // The panel is going: the reader ends at its next file without posting; then waits.
    void stop();

    // The reader's body: -1 without a job, else 0 once the job is done.
    static int run(std::unique_ptr<LocalPageJob> job, const ReaderTarget& target,
                   const ReaderSignals& signals);

private:
    std::thread thread_;
    std::shared_ptr<ReaderSignals> signals_;
};

} // namespace kesto
