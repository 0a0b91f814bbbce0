#pragma once
// A Qt host for the real libKesto_List.so: a window that records what the module posts to it,
// host tables whose request function goes to a reference service on loopback, a tag reader
// that can be the real one or a quick stand-in, and a fresh data folder as the current folder.
// One per process: the module accepts one host window per load.

#include "include/kesto/panel_api.h"

#include <QTimer>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kesto {
class SongListView;
struct Song;
namespace service {
class ServiceServer;
}
} // namespace kesto

namespace kesto::test {

struct Posted {
    unsigned message = 0;
    std::intptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::string text;  // wText and lText, when the log takes the message's text blocks
    std::string wText; // the block behind wParam, where the message carries one
    std::string lText; // the block behind lParam, likewise
};

// Records every numbered message delivered to a widget. A host's log takes over (and frees)
// the text blocks the module hands the host with its messages.
class MessageLog : public QObject {
public:
    explicit MessageLog(QObject* target, bool takesTexts = false);
    bool eventFilter(QObject* watched, QEvent* event) override;
    std::vector<Posted> posted;
    // The last message of that number, or null; all of them, oldest first.
    const Posted* last(unsigned message) const;
    std::vector<Posted> of(unsigned message) const;
    // When the last message arrived, before its handler ran.
    std::chrono::steady_clock::time_point lastArrival;
    int count(unsigned message) const;
    void clear() { posted.clear(); }

private:
    static void takeTexts(Posted& one);
    bool takesTexts_;
};

// A request the module sent through the host.
struct SentRequest {
    std::string url;
    std::string body;
};

struct HostCounters {
    std::atomic<int> requests{0};
    std::atomic<long long> requestNanos{0};
    std::atomic<int> tagReads{0};
    std::atomic<long long> tagNanos{0};
    void reset();
};

class PanelHost {
public:
    enum class Tags { Quick, Real };

    PanelHost();
    ~PanelHost();

    // Starts the service, loads the module, logs in and creates the panel. False with a reason.
    bool start(std::string& why);

    template <class Fn> Fn entry(int index) const { return reinterpret_cast<Fn>(table_[index]); }
    void show(int viewMode, int menuId, const std::string& parameter = {});
    QWidget* hostWindow() { return host_.get(); }
    // The host window goes before entry 17 (a host closing down in its own order).
    void destroyHostWindow();
    MessageLog& hostLog() { return *hostLog_; }
    QWidget* panelWindow() const;
    SongListView* list() const;
    MessageLog& panelLog() { return *panelLog_; }
    int pageKind() const { return entry<KestoEntry13>(13)(); }

    // Runs the event loop until done() or the time is up; false on time-out.
    static bool processUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
    static void processPending();

    // The song names of the list's rows, and the records behind them.
    std::vector<std::string> rowNames() const;
    std::vector<const Song*> rowRecords() const;
    std::vector<std::string> columnTitles() const;
    // Posts a button command to the panel window.
    void click(int controlId);

    // Sends a protocol request directly, as the module would.
    std::string ask(const std::string& url, const std::string& body);
    std::string baseUrl() const;
    // The reference service, for its test controls (a command that fails or stays silent).
    service::ServiceServer& service() const;

    const std::filesystem::path& dataFolder() const { return data_; }
    static HostCounters& counters();
    static void setTags(Tags tags);
    // While held, the reader's tag reads wait at their start; tagReadHeld() says one waits.
    static void holdTags(bool held);
    static bool tagReadHeld();
    // The next replies come from here instead of the service, while set.
    static void overrideReplies(std::optional<std::string> reply);
    // While set, requests go through the host's request function to this server (as
    // "http://host:port") instead of the service.
    void redirectRequests(std::optional<std::string> base);
    // Message boxes the module opened (each is closed at once).
    static int boxesShown();
    // Every request sent through the host's request function, in order; cleared by reset.
    static std::vector<SentRequest> requestsSent();
    static void forgetRequests();
    // Each list handed to host service table A's transfer (entry 33): the Local_Path of a
    // local file, the Song_ID of a streaming song.
    static std::vector<std::vector<std::string>> transfers();
    // How often the module called host service table A's entry of that index.
    static int serviceACalled(int index);
    // What the HTML area shows: the address it was sent to (the text view names it).
    std::string htmlText() const;
    // Puts a function into host service table A (before start()).
    static void setServiceA(int index, KestoHostFn fn);
    static void setSkin(int index, KestoHostFn fn); // before start()
    // The network and service tables that entry 14 hands over (a test may wrap their slots
    // before start()).
    static KestoHostTable networkTable();
    static KestoHostTable serviceATable();
    static KestoHostTable serviceBTable();
    // While set, the request function gives no reply at all.
    static void refuseRequests(bool refuse);
    // While set, each modal window is first handed here; true means the handler took it (it
    // must act through queued calls, never run a nested loop) and it is not closed.
    static void onModal(std::function<bool(QWidget*)> handler);
    // Texts of the message boxes closed, in order (UTF-8).
    static std::vector<std::string>& boxTexts();
    // What host table A entries 26 and 28 answer (connected unless told otherwise).
    static void connectDevices(bool connected);

private:
    std::unique_ptr<QWidget> host_;
    std::unique_ptr<QTimer> watch_;
    std::filesystem::path data_;
    std::unique_ptr<service::ServiceServer> service_;
    void* module_ = nullptr;
    KestoEntryFn* table_ = nullptr;
    std::unique_ptr<MessageLog> panelLog_;
    std::unique_ptr<MessageLog> hostLog_;
};

// A service-list reply (page kind 19) that says it has claimed rows and holds one per name.
std::string chartReply(int claimed, const std::vector<std::string>& names);

// Paths as the host hands them over: each ended by a NUL, the list by another.
std::string fileList(const std::vector<std::filesystem::path>& files);

// Writes a small MP3 file with an ID3v2 title and artist, readable by TagLib.
void writeTaggedMp3(const std::filesystem::path& path, const std::string& title, const std::string& artist);

} // namespace kesto::test
