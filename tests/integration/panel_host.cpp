#include "tests/integration/panel_host.h"

#include "host/audio/tag_reader.h"
#include "host/demo/demo_mp3.h"
#include "host/store/curl_request.h"
#include "include/kesto/window_message.h"
#include "library/my_album_db.h"
#include "listview/song_list_view.h"
#include "platform/cp949.h"
#include "service/login_client.h"
#include "service/service_server.h"
#include "songs/login_block.h"
#include "songs/panel_messages.h"
#include "songs/song_record.h"
#include "tests/support/own_download_folder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace kesto::test {

namespace {

std::mutex overrideMutex;
std::optional<std::string> overrideReply;
std::atomic<PanelHost::Tags> tagMode{PanelHost::Tags::Quick};
// A held gate stops every tag read at its start until released.
std::mutex tagGateMutex;
std::condition_variable tagGateChanged;
bool tagsHeld = false;
int tagReadsWaiting = 0;
std::atomic<int> boxes{0};
std::mutex sentMutex;
std::vector<SentRequest> sent;
std::vector<std::vector<std::string>> transferred;
std::optional<std::pair<std::string, std::string>> redirect;
std::atomic<bool> refusing{false};
std::atomic<bool> devicesConnected{true};
std::function<bool(QWidget*)> modalHandler;
PanelHost* runningHost = nullptr;

long long nanosSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
        .count();
}

int request(const char* url, void** data, std::uint32_t* length, int post, const char* body, int one,
            int zero) {
    const auto start = std::chrono::steady_clock::now();
    int result = 0;
    if (refusing)
        return 0;
    {
        std::lock_guard lock(sentMutex);
        sent.push_back({url != nullptr ? url : "", body != nullptr ? body : ""});
    }
    {
        std::lock_guard lock(overrideMutex);
        if (overrideReply) {
            *data = std::malloc(overrideReply->size() + 1);
            std::memcpy(*data, overrideReply->data(), overrideReply->size());
            *length = static_cast<std::uint32_t>(overrideReply->size());
            result = 1;
        }
    }
    std::string target = url != nullptr ? url : "";
    {
        std::lock_guard lock(overrideMutex);
        if (redirect && target.starts_with(redirect->first))
            target = redirect->second + target.substr(redirect->first.size());
    }
    if (result == 0)
        result = CurlRequest::perform(target.c_str(), data, length, post, body, one, zero);
    PanelHost::counters().requests++;
    PanelHost::counters().requestNanos += nanosSince(start);
    return result;
}

void putInt(void* buffer, int offset, std::int32_t value) {
    std::memcpy(static_cast<char*>(buffer) + offset, &value, sizeof value);
}

// The file name as title: quick, and the same on every machine.
int quickTags(const char* path, void* buffer) {
    const std::filesystem::path file(path);
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return 0;
    std::strncpy(static_cast<char*>(buffer) + KESTO_TAG_TITLE, file.stem().c_str(), KESTO_TAG_TITLE_SIZE - 1);
    std::strncpy(static_cast<char*>(buffer) + KESTO_TAG_ARTIST, "Tester", KESTO_TAG_ARTIST_SIZE - 1);
    putInt(buffer, KESTO_TAG_FILE_SIZE, static_cast<std::int32_t>(std::filesystem::file_size(file, error)));
    putInt(buffer, KESTO_TAG_BITRATE, 128000);
    putInt(buffer, KESTO_TAG_PLAY_TIME, 60);
    return 1;
}

int readTags(const char* path, void* buffer) {
    const auto start = std::chrono::steady_clock::now();
    {
        std::unique_lock lock(tagGateMutex);
        ++tagReadsWaiting;
        tagGateChanged.notify_all();
        tagGateChanged.wait(lock, [] { return !tagsHeld; });
        --tagReadsWaiting;
    }
    const int result =
        tagMode == PanelHost::Tags::Real ? TagReader::read(path, buffer) : quickTags(path, buffer);
    PanelHost::counters().tagReads++;
    PanelHost::counters().tagNanos += nanosSince(start);
    return result;
}

void transfer(const void* items, int, int) {
    std::vector<std::string> ids;
    for (auto* item = static_cast<const SongRecord*>(items);
         item->Song_ID[0] != '\0' || item->Local_Path[0] != '\0'; ++item)
        ids.emplace_back(item->Local_Path[0] != '\0' ? item->Local_Path : item->Song_ID);
    std::lock_guard lock(sentMutex);
    transferred.push_back(std::move(ids));
}

std::array<std::atomic<int>, KESTO_SERVICE_A_TABLE_SIZE> serviceACalls{};

int connected() {
    return devicesConnected ? 1 : 0;
}

void beforePlay(int, int) {
    ++serviceACalls[KESTO_SVC_A_BEFORE_PLAY];
}

int afterPlay() {
    ++serviceACalls[KESTO_SVC_A_AFTER_PLAY];
    return 1;
}

int mp3Connected(char*) {
    return devicesConnected ? 1 : 0;
}

// The host's "new my album" (table A entry 41): made on the service for the logged-in user.
int createMyAlbum(const char* name) {
    if (runningHost == nullptr || name == nullptr)
        return 0;
    const auto* login = static_cast<const LoginBlock*>(runningHost->entry<KestoEntry3>(3)());
    const std::string body = std::string("tester\v") + login->uKey + "\v1\v" + name + "\v";
    const std::string reply = runningHost->ask(runningHost->baseUrl() + "/protocol.jsp?myAlbum", body);
    return !reply.empty() && reply[0] != '-' ? 1 : 0;
}

// The host's "new play list" (table A entry 32): a row of the album database.
int createPlaylist(const char* name) {
    if (runningHost == nullptr || name == nullptr)
        return 0;
    MyAlbumDb db;
    if (!db.start(runningHost->dataFolder()))
        return 0;
    static int next = 500;
    const int id = ++next;
    return db.addAlbum(std::to_string(id), name) ? id : 0;
}

template <class Fn> KestoHostFn slot(Fn fn) {
    return reinterpret_cast<KestoHostFn>(fn);
}

std::array<KestoHostFn, KESTO_NET_TABLE_SIZE> network{};
std::array<KestoHostFn, KESTO_SERVICE_A_TABLE_SIZE> serviceA{};
std::array<KestoHostFn, KESTO_SERVICE_B_TABLE_SIZE> serviceB{};
std::array<KestoHostFn, KESTO_SKIN_TABLE_SIZE> skin{};

std::filesystem::path freshFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kesto-panel-XXXXXX").string();
    return mkdtemp(pattern.data());
}

} // namespace

MessageLog::MessageLog(QObject* target, bool takesTexts) : takesTexts_(takesTexts) {
    if (target != nullptr)
        target->installEventFilter(this);
}

bool MessageLog::eventFilter(QObject*, QEvent* event) {
    if (event->type() == WindowMessageEvent::eventType()) {
        const auto* message = static_cast<WindowMessageEvent*>(event);
        Posted one{message->message(), message->wParam(), message->lParam(), {}, {}, {}};
        if (takesTexts_) {
            takeTexts(one);
            one.text = one.wText + " " + one.lText;
        }
        posted.push_back(std::move(one));
        lastArrival = std::chrono::steady_clock::now();
    }
    return false;
}

// The blocks the header says the host frees, read and freed here.
void MessageLog::takeTexts(Posted& one) {
    auto take = [](std::intptr_t block, std::string& text) {
        if (block == 0)
            return;
        text = reinterpret_cast<const char*>(block);
        std::free(reinterpret_cast<void*>(block));
    };
    switch (one.message) {
    case KESTO_MSG_OPEN_WEB_PAGE:
    case KESTO_MSG_PHONE_DECO_PAGE:
    case KESTO_MSG_MUSIC_VIDEO_PAGE:
    case KESTO_MSG_MV_DOWNLOAD_PAGE:
    case KESTO_MSG_SONG_WEB_PAGE:
        take(one.wParam, one.wText);
        take(one.lParam, one.lText);
        break;
    case KESTO_MSG_SONG_INFO_PAGE:
        take(one.wParam, one.wText);
        break;
    case KESTO_MSG_SERVER_ERROR:
    case KESTO_MSG_LYRICS_WANTED:
        take(one.lParam, one.lText);
        break;
    default:
        break;
    }
}

std::vector<Posted> MessageLog::of(unsigned message) const {
    std::vector<Posted> found;
    for (const Posted& one : posted)
        if (one.message == message)
            found.push_back(one);
    return found;
}

const Posted* MessageLog::last(unsigned message) const {
    for (auto it = posted.rbegin(); it != posted.rend(); ++it)
        if (it->message == message)
            return &*it;
    return nullptr;
}

int MessageLog::count(unsigned message) const {
    return static_cast<int>(std::count_if(posted.begin(), posted.end(),
                                          [message](const Posted& p) { return p.message == message; }));
}

void HostCounters::reset() {
    requests = 0;
    requestNanos = 0;
    tagReads = 0;
    tagNanos = 0;
}

HostCounters& PanelHost::counters() {
    static HostCounters counters;
    return counters;
}

void PanelHost::setTags(Tags tags) {
    tagMode = tags;
}

void PanelHost::holdTags(bool held) {
    {
        std::lock_guard lock(tagGateMutex);
        tagsHeld = held;
    }
    tagGateChanged.notify_all();
}

bool PanelHost::tagReadHeld() {
    std::lock_guard lock(tagGateMutex);
    return tagsHeld && tagReadsWaiting > 0;
}

void PanelHost::overrideReplies(std::optional<std::string> reply) {
    std::lock_guard lock(overrideMutex);
    overrideReply = std::move(reply);
}

int PanelHost::boxesShown() {
    return boxes;
}

int PanelHost::serviceACalled(int index) {
    return index >= 0 && index < KESTO_SERVICE_A_TABLE_SIZE
               ? serviceACalls[static_cast<std::size_t>(index)].load()
               : 0;
}

std::vector<SentRequest> PanelHost::requestsSent() {
    std::lock_guard lock(sentMutex);
    return sent;
}

void PanelHost::forgetRequests() {
    std::lock_guard lock(sentMutex);
    sent.clear();
}

std::vector<std::vector<std::string>> PanelHost::transfers() {
    std::lock_guard lock(sentMutex);
    return transferred;
}

void PanelHost::redirectRequests(std::optional<std::string> base) {
    std::lock_guard lock(overrideMutex);
    redirect.reset();
    if (base && service_)
        redirect.emplace(service_->baseUrl(), *base);
}

void PanelHost::setServiceA(int index, KestoHostFn fn) {
    serviceA[static_cast<std::size_t>(index)] = fn;
}

void PanelHost::setSkin(int index, KestoHostFn fn) {
    skin[static_cast<std::size_t>(index)] = fn;
}

KestoHostTable PanelHost::networkTable() {
    return network.data();
}

KestoHostTable PanelHost::serviceATable() {
    return serviceA.data();
}

KestoHostTable PanelHost::serviceBTable() {
    return serviceB.data();
}

void PanelHost::refuseRequests(bool refuse) {
    refusing = refuse;
}

void PanelHost::connectDevices(bool connected) {
    devicesConnected = connected;
}

void PanelHost::onModal(std::function<bool(QWidget*)> handler) {
    modalHandler = std::move(handler);
}

std::vector<std::string>& PanelHost::boxTexts() {
    static std::vector<std::string> texts;
    return texts;
}

std::string PanelHost::htmlText() const {
    QWidget* panel = panelWindow();
    auto* text = panel != nullptr ? panel->findChild<QTextBrowser*>() : nullptr;
    return text != nullptr ? text->toPlainText().toStdString() : std::string();
}

void PanelHost::destroyHostWindow() {
    hostLog_.reset();
    host_.reset();
}

PanelHost::PanelHost() : host_(std::make_unique<QWidget>()), data_(freshFolder()) {
    host_->resize(1000, 700);
    std::filesystem::current_path(data_);
    setenv("KESTO_REGISTRY_FILE", (data_ / "registry.reg").c_str(), 1);
    setenv("XDG_DATA_HOME", (data_ / "xdg").c_str(), 1);
    network[KESTO_NET_REQUEST] = slot<KestoNetRequestFn>(&request);
    serviceB[KESTO_SVC_B_READ_TAGS] = slot<KestoSvcReadTagsFn>(&readTags);
    serviceA[KESTO_SVC_A_TRANSFER] = slot<KestoSvcTransferFn>(&transfer);
    serviceA[KESTO_SVC_A_BEFORE_PLAY] = slot<KestoSvcBeforePlayFn>(&beforePlay);
    serviceA[KESTO_SVC_A_AFTER_PLAY] = slot<KestoSvcIntFn>(&afterPlay);
    // A phone and an MP3 player are plugged in.
    serviceA[KESTO_SVC_A_PHONE_CONNECTED] = slot<KestoSvcIntFn>(&connected);
    serviceA[KESTO_SVC_A_MP3_CONNECTED] = slot<KestoSvcMp3ConnectedFn>(&mp3Connected);
    serviceA[KESTO_SVC_A_CREATE_MY_ALBUM] = slot<KestoSvcCreateMyAlbumFn>(&createMyAlbum);
    serviceA[KESTO_SVC_A_CREATE_PLAYLIST] = slot<KestoSvcCreatePlaylistFn>(&createPlaylist);
    runningHost = this;
    // A message box would wait for a user: close each at once and count it.
    // Not a child of the host window, which a test may destroy first.
    watch_ = std::make_unique<QTimer>();
    QTimer* watch = watch_.get();
    QObject::connect(watch, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (modalHandler && modalHandler(modal))
                return;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                boxTexts().push_back(box->text().toStdString());
            ++boxes;
            modal->close();
        }
    });
    watch->start(10);
}

PanelHost::~PanelHost() {
    holdTags(false);
    runningHost = nullptr;
    modalHandler = nullptr;
    if (table_ != nullptr)
        entry<KestoEntry17>(17)();
    // Messages still queued for the host carry blocks the host frees: its log takes them now.
    if (host_)
        QCoreApplication::sendPostedEvents(host_.get());
    panelLog_.reset();
    hostLog_.reset();
    host_.reset();
    if (service_)
        service_->stop();
    std::error_code error;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), error);
    std::filesystem::remove_all(data_, error);
}

bool PanelHost::start(std::string& why) {
    ownDownloadFolder(data_);
    service::ServiceConfig config;
    config.dataDir = (data_ / "service").string();
    service_ = std::make_unique<service::ServiceServer>(config);
    if (!service_->start())
        return why = "service did not start", false;
    module_ = dlopen(KESTO_MODULE_FILE, RTLD_NOW | RTLD_LOCAL);
    if (module_ == nullptr)
        return why = dlerror(), false;
    auto info = reinterpret_cast<KestoGetPanelInfoFn>(dlsym(module_, "Song_GetPanelInfo"));
    table_ = info != nullptr ? info(host_.get()) : nullptr;
    if (table_ == nullptr)
        return why = "no entry table", false;
    entry<KestoEntry14>(14)(nullptr, skin.data(), network.data(), 1, serviceA.data(), serviceB.data());
    const auto reply = service::LoginClient::login(service_->baseUrl(), "tester", "secret");
    if (!reply)
        return why = "no login reply", false;
    entry<KestoEntry39>(39)(reply->c_str(), "tester", 0, 0);
    const KestoRect rect{0, 0, host_->width(), host_->height()};
    if (entry<KestoEntry16>(16)(&rect, 0) != 1)
        return why = "entry 16 failed", false;
    panelLog_ = std::make_unique<MessageLog>(panelWindow());
    hostLog_ = std::make_unique<MessageLog>(host_.get(), true);
    host_->show();
    counters().reset();
    return true;
}

void PanelHost::show(int viewMode, int menuId, const std::string& parameter) {
    entry<KestoEntry23>(23)(viewMode, "", menuId, parameter.c_str(), 0);
}

QWidget* PanelHost::panelWindow() const {
    return static_cast<QWidget*>(entry<KestoEntry20>(20)());
}

SongListView* PanelHost::list() const {
    KestoRect rect{};
    // The control was made by the module from the same sources and flags: its layout is ours.
    void* control = entry<KestoEntry74>(74)(1, &rect);
    if (control == nullptr && panelWindow() != nullptr)
        control = panelWindow()->findChild<QWidget*>(QStringLiteral("songList"));
    return static_cast<SongListView*>(static_cast<QWidget*>(control));
}

bool PanelHost::processUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void PanelHost::processPending() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

std::vector<const Song*> PanelHost::rowRecords() const {
    std::vector<const Song*> records;
    SongListView* control = list();
    for (int row = 0; control != nullptr && row < control->rowCount(); ++row)
        records.push_back(control->record(row));
    return records;
}

std::vector<std::string> PanelHost::rowNames() const {
    std::vector<std::string> names;
    for (const Song* record : rowRecords())
        names.emplace_back(record != nullptr ? record->text(SongField::Song_Name) : "");
    return names;
}

std::vector<std::string> PanelHost::columnTitles() const {
    std::vector<std::string> titles;
    if (SongListView* control = list())
        for (const ColumnInfo& column : control->columns())
            titles.emplace_back(column.titleView());
    return titles;
}

void PanelHost::click(int controlId) {
    QCoreApplication::postEvent(panelWindow(), new WindowMessageEvent(msg::kWindowCommand, controlId, 0));
}

std::string PanelHost::ask(const std::string& url, const std::string& body) {
    void* data = nullptr;
    std::uint32_t length = 0;
    if (CurlRequest::perform(url.c_str(), &data, &length, 1, body.c_str(), 1, 0) == 0)
        return {};
    std::string reply(static_cast<const char*>(data), length);
    std::free(data);
    return reply;
}

service::ServiceServer& PanelHost::service() const {
    return *service_;
}

std::string PanelHost::baseUrl() const {
    return service_->baseUrl();
}

std::string chartReply(int claimed, const std::vector<std::string>& names) {
    constexpr char kVt = '\x0b';
    std::string text =
        std::to_string(claimed) + kVt + "0" + kVt + "0" + kVt + "h" + kVt + "00104" + kVt + "h2";
    for (const std::string& name : names) {
        const std::string fields[] = {"S" + name, "1",     name, "200", "", "A1", "Artist",
                                      "B1",       "Album", "0",  "0",   "", "0",  "1"};
        for (const std::string& field : fields)
            text += kVt + field;
    }
    return text;
}

std::string fileList(const std::vector<std::filesystem::path>& files) {
    std::string list;
    for (const auto& file : files)
        list += file.string() + '\0';
    return list + '\0';
}

void writeTaggedMp3(const std::filesystem::path& path, const std::string& title, const std::string& artist) {
    DemoMp3::write(path, title, artist);
}

} // namespace kesto::test
