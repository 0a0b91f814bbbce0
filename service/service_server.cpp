#include "service/service_server.h"

#include "service/account_pages.h"
#include "service/catalogue_pages.h"
#include "service/fault_table.h"
#include "service/html_page.h"
#include "service/login_exchange.h"
#include "service/play_commands.h"
#include "service/service_commands.h"
#include "service/service_context.h"
#include "service/wave_stream.h"
#include "service/wire_reply.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace kesto::service {
namespace {

constexpr const char* kReplyType = "text/plain; charset=euc-kr";
constexpr const char* kHost = "127.0.0.1";
// Bodies up to this many times the limit reach the router, which answers with a code;
// larger ones are refused while being read.
constexpr std::size_t kReadLimitFactor = 4;
// Pieces the stream is written in: small enough to start playing at once.
constexpr std::size_t kStreamPiece = 64 * 1024;
// A command told to stay silent answers with this status, which a client takes as no reply.
constexpr int kSilentStatus = 503;

std::string queryOf(const httplib::Request& req) {
    const std::size_t mark = req.target.find('?');
    return mark == std::string::npos ? std::string() : req.target.substr(mark + 1);
}

} // namespace

class ServiceServer::Impl {
public:
    explicit Impl(ServiceConfig config)
        : context(std::move(config)), login(context), cataloguePages(context), accountPages(context) {}

    void installRoutes();
    void installPages();
    void page(const std::string& path, std::function<std::string(const PageRequest&)> render);

    ServiceContext context;
    std::unique_ptr<ServiceCommands> commands; // made once the catalogue is open
    LoginExchange login;
    CataloguePages cataloguePages;
    AccountPages accountPages;
    FaultTable faults;
    httplib::Server http;
    std::thread thread;
    int port = 0;
    std::string baseUrl;
};

void ServiceServer::Impl::installRoutes() {
    auto protocol = [this](const httplib::Request& req, httplib::Response& res) {
        const std::string command = queryOf(req);
        if (const auto fault = faults.find(command)) {
            if (fault->silent)
                res.status = kSilentStatus;
            else
                res.set_content(fault->reply, kReplyType);
            return;
        }
        res.set_content(commands->router().handle(command, req.body, baseUrl), kReplyType);
    };
    http.Post("/protocol.jsp", protocol);
    http.Post("/protocol_search.jsp", protocol);
    http.Post("/login.jsp", [this](const httplib::Request& req, httplib::Response& res) {
        const bool vtBody = req.body.find('\x0B') != std::string::npos;
        const WireRequest fields(req.body);
        const PageParams params(queryOf(req), vtBody ? std::string_view() : std::string_view(req.body));
        const std::string user = vtBody ? fields.field(0) : params.get("userid");
        const std::string password = vtBody ? fields.field(1) : params.get("password");
        res.set_content(login.login(user, password, baseUrl), kReplyType);
    });
    http.Get(R"(/stream/(\w+)\.wav)", [this](const httplib::Request& req, httplib::Response& res) {
        const Song* song = context.catalogue().song(req.matches[1].str());
        const auto seconds =
            song == nullptr ? std::nullopt
                            : context.streamTickets().seconds(req.get_param_value(PlayCommands::kStreamKey),
                                                              song->id, context.now());
        if (!seconds) {
            res.status = song == nullptr ? 404 : 403;
            return;
        }
        // The song's own tune for as long as its grant allows; the server answers range
        // requests from the same provider, so players can seek.
        auto wave = std::make_shared<WaveStream>(song->id, *seconds);
        res.set_content_provider(wave->size(), "audio/wav",
                                 [wave](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                     const std::string piece =
                                         wave->bytes(offset, std::min(length, kStreamPiece));
                                     return sink.write(piece.data(), piece.size());
                                 });
    });
    http.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty() && res.status != kSilentStatus)
            res.set_content(
                WireReply::error(res.status == 413 ? ServiceCode::BodyTooLarge : ServiceCode::UnknownCommand),
                kReplyType);
    });
    http.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
        res.status = 500;
        res.set_content(WireReply::error(ServiceCode::StoreFailure), kReplyType);
    });
    http.set_payload_max_length(context.config().maxBodyBytes * kReadLimitFactor);
    // Small replies on kept-alive connections would otherwise wait for delayed acknowledgements.
    http.set_tcp_nodelay(true);
}

void ServiceServer::Impl::page(const std::string& path,
                               std::function<std::string(const PageRequest&)> render) {
    auto handler = [render](const httplib::Request& req, httplib::Response& res) {
        const bool form = req.get_header_value("Content-Type").find("form-urlencoded") != std::string::npos ||
                          req.method == "POST";
        PageRequest request{PageParams(queryOf(req), form ? std::string_view(req.body) : std::string_view()),
                            ""};
        res.set_content(render(request), HtmlPage::kContentType);
    };
    http.Get(path, handler);
    http.Post(path, handler);
}

void ServiceServer::Impl::installPages() {
    const CataloguePages& c = cataloguePages;
    const AccountPages& a = accountPages;
    page("/", [&c](const PageRequest& r) { return c.start(r); });
    page("/chart.jsp", [&c](const PageRequest& r) { return c.chart(r); });
    page("/album.jsp", [&c](const PageRequest& r) { return c.album(r); });
    page("/artist.jsp", [&c](const PageRequest& r) { return c.artist(r); });
    page("/artist_index.jsp", [&c](const PageRequest& r) { return c.artistIndex(r); });
    page("/search.jsp", [&c](const PageRequest& r) { return c.search(r); });
    page("/lyrics.jsp", [&c](const PageRequest& r) { return c.lyrics(r); });
    page("/song_info.jsp", [&c](const PageRequest& r) { return c.songInfo(r); });
    page("/LoginAppToWeb.jsp", [&a](const PageRequest& r) { return a.loginAppToWeb(r); });
    page("/message.jsp", [&a](const PageRequest& r) { return a.message(r); });
    page("/phone_deco.jsp", [&a](const PageRequest& r) { return a.phoneDeco(r); });
    page("/music_video.jsp", [&a](const PageRequest& r) { return a.musicVideo(r); });
    page("/mv_down.jsp", [&a](const PageRequest& r) { return a.mvDownload(r); });
    page("/auth_buy.jsp", [&a](const PageRequest& r) { return a.authBuy(r); });
    page("/cash_charge.jsp", [&a](const PageRequest& r) { return a.cashCharge(r); });
    page("/album_scrap.jsp", [&a](const PageRequest& r) { return a.albumScrap(r); });
    for (const char* help : {"/kesto_player_faqlist.jsp", "/counselCate.jsp", "/cus_machine_player.jsp",
                             "/cus_machine_mp3.jsp", "/free_download.jsp"})
        page(help, [&a, path = std::string(help)](const PageRequest&) { return a.help(path); });
}

ServiceServer::ServiceServer(ServiceConfig config) : impl_(std::make_unique<Impl>(std::move(config))) {}

ServiceServer::~ServiceServer() {
    stop();
}

bool ServiceServer::start() {
    Impl& s = *impl_;
    if (s.thread.joinable() || !s.context.open())
        return false;
    s.commands = std::make_unique<ServiceCommands>(s.context);
    s.installRoutes();
    s.installPages();
    const int wanted = s.context.config().port;
    s.port =
        wanted == 0 ? s.http.bind_to_any_port(kHost) : (s.http.bind_to_port(kHost, wanted) ? wanted : -1);
    if (s.port <= 0)
        return false;
    s.baseUrl = std::string("http://") + kHost + ":" + std::to_string(s.port);
    s.thread = std::thread([&s] { s.http.listen_after_bind(); });
    // stop() only takes effect on a running loop.
    while (!s.http.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

int ServiceServer::port() const {
    return impl_->port;
}

std::string ServiceServer::baseUrl() const {
    return impl_->baseUrl;
}

void ServiceServer::stop() {
    if (!impl_ || !impl_->thread.joinable())
        return;
    impl_->http.stop();
    impl_->thread.join();
}

void ServiceServer::failCommand(const std::string& command, int code, const std::string& message) {
    WireReply reply;
    reply.plainNumber(code).text(message);
    impl_->faults.set(command, FaultTable::Fault{false, reply.str()});
}

void ServiceServer::silenceCommand(const std::string& command) {
    impl_->faults.set(command, FaultTable::Fault{true, {}});
}

void ServiceServer::clearFaults() {
    impl_->faults.clear();
}

} // namespace kesto::service
