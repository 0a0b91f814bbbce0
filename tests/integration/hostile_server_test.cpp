// The panel against a server that misbehaves, through the module and the host's request
// function: a reply of 100 MB, a reply that claims more rows than it has, a reply the host waits
// for while the user acts again, and a server that closes in the middle of a reply.
#include "tests/integration/panel_entries_fixture.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <httplib.h>

#include <mutex>
#include <thread>
#include <tuple>

namespace kesto::test {
namespace {

constexpr char kVt = '\x0b';

class HostileServerTest : public PanelEntriesTest {
protected:
    void SetUp() override {
        PanelEntriesTest::SetUp();
        // One route, whose handler each test may change.
        server.Post(R"(/.*)", [this](const httplib::Request& req, httplib::Response& res) {
            httplib::Server::Handler handler;
            {
                std::lock_guard lock(handlerMutex);
                handler = current;
            }
            handler(req, res);
        });
        port = server.bind_to_any_port("127.0.0.1");
        ASSERT_GT(port, 0);
        thread = std::thread([this] { server.listen_after_bind(); });
        ASSERT_TRUE(PanelHost::processUntil([this] { return server.is_running(); }, 5s));
    }
    void TearDown() override {
        host.redirectRequests(std::nullopt);
        server.stop();
        if (thread.joinable())
            thread.join();
    }
    // Every protocol request of the panel goes to the test server from now on.
    void serve(httplib::Server::Handler handler) {
        {
            std::lock_guard lock(handlerMutex);
            current = std::move(handler);
        }
        host.redirectRequests("http://127.0.0.1:" + std::to_string(port));
    }

    httplib::Server server;
    std::mutex handlerMutex;
    httplib::Server::Handler current;
    int port = 0;
    std::thread thread;
};

// A reply of 100 MB, one that claims more rows than it holds, one cut off in the middle (plainly
// or chunked): the rows it holds whole or none, no message, and the store's next page whole.
TEST_F(HostileServerTest, HugeLyingAndCutRepliesShowOnlyWholeRowsAndThePanelStaysUsable) {
    std::string huge = chartReply(1000000, {"first"});
    huge.resize(100u << 20, kVt);
    const std::string whole = chartReply(40, std::vector<std::string>(40, "cut"));
    std::atomic<bool> chunked{false};
    using Response = httplib::Response;
    const std::tuple<const char*, httplib::Server::Handler, std::vector<std::string>> replies[] = {
        {"100 MB", [&](const httplib::Request&, Response& res) { res.set_content(huge, "text/plain"); }, {}},
        {"more rows claimed",
         [](const httplib::Request&, Response& res) {
             res.set_content(chartReply(2147483647, {"one", "two"}), "text/plain");
         },
         {"one", "two"}},
        {"closed mid reply",
         [&](const httplib::Request&, Response& res) {
             res.set_content_provider(whole.size(), "text/plain",
                                      [&](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                          if (offset > 0)
                                              return false; // the connection drops after the first part
                                          sink.write(whole.data(), whole.size() / 2);
                                          return true;
                                      });
         },
         {}},
        {"closed before the last chunk",
         [&](const httplib::Request&, Response& res) {
             res.set_chunked_content_provider("text/plain", [&](std::size_t offset, httplib::DataSink& sink) {
                 if (offset > 0 || chunked.exchange(true))
                     return false;
                 sink.write(whole.data(), whole.size() / 2);
                 return true;
             });
         },
         {}},
    };
    for (const auto& [name, handler, rows] : replies) {
        SCOPED_TRACE(name);
        serve(handler);
        host.show(2, kChartMenu, kChart);
        PanelHost::processPending();
        EXPECT_EQ(host.pageKind(), kChartPageKind);
        std::vector<std::string> names = host.rowNames();
        if (!rows.empty() && names.size() == rows.size() + 1)
            names.pop_back(); // at most one empty row past the end
        EXPECT_EQ(names, rows);
        EXPECT_EQ(PanelHost::boxesShown(), 0);
    }
    host.redirectRequests(std::nullopt); // the store again
    host.show(2, kChartMenu, kChart);
    EXPECT_EQ(host.list()->rowCount(), 50);
}

TEST_F(HostileServerTest, AReplyBlocksAndTheUsersNextPageIsShownWholeAfterIt) {
    std::atomic<int> served{0};
    serve([&](const httplib::Request&, httplib::Response& res) {
        if (served++ == 0) {
            // While the host waits for this reply, the user picks another page: it is queued
            // behind the blocked request.
            QMetaObject::invokeMethod(
                host.hostWindow(), [this] { host.show(2, kChartMenu, "00101"); }, Qt::QueuedConnection);
            res.set_content(chartReply(2, {"slow one", "slow two"}), "text/plain");
        } else {
            res.set_content(chartReply(3, {"next one", "next two", "next three"}), "text/plain");
        }
    });
    host.show(2, kChartMenu, kChart);
    EXPECT_EQ(host.rowNames(), (std::vector<std::string>{"slow one", "slow two"}));
    ASSERT_TRUE(PanelHost::processUntil([&] { return served.load() == 2; }, 5s));
    PanelHost::processPending();
    EXPECT_EQ(host.pageKind(), kChartPageKind);
    EXPECT_EQ(host.rowNames(), (std::vector<std::string>{"next one", "next two", "next three"}));
    EXPECT_EQ(PanelHost::boxesShown(), 0);
}

// Song ids that would add a form field or name a file outside its folder stay values: the
// hand-off's form carries the id encoded, and the host is asked for no file of an id that is no
// plain name (the played songs' lyrics).
TEST_F(HostileServerTest, SongIdsThatWouldReshapeAFormOrAPathStayValues) {
    serve([](const httplib::Request&, httplib::Response& res) {
        res.set_content(chartReply(3, {"1&u_key=x", "/../../x", "2"}), "text/plain");
    });
    host.show(2, kChartMenu, kChart);
    ASSERT_GE(host.list()->rowCount(), 3);
    QCoreApplication::postEvent(host.panelWindow(),
                                new WindowMessageEvent(msg::kPhoneDecoWithTransaction, 0, 0));
    ASSERT_TRUE(hostGot(KESTO_MSG_OPEN_WEB_PAGE));
    const std::string form = host.hostLog().last(KESTO_MSG_OPEN_WEB_PAGE)->lText;
    EXPECT_NE(form.find("&song_id=S1%26u_key%3Dx&transaction_id="), std::string::npos) << form;
    EXPECT_EQ(form.find("u_key=x"), std::string::npos) << form;

    listenTo({0, 1, 2});
    host.entry<KestoEntry72>(72)(1);
    for (int position = 0; position < 3; ++position)
        playNext(position, 0);
    PanelHost::processPending();
    const std::vector<std::vector<std::string>> asked = {{"S1&u_key=x"}, {"S2"}};
    EXPECT_EQ(PanelHost::transfers(), asked);
}

} // namespace
} // namespace kesto::test
