// Failures as the user and the host see them, through the real module against the reference
// service told to answer a command with a negative code or with nothing at all. Each row is one
// action: the exact texts of the message boxes it shows, the messages the host gets with their
// words, the protocol commands it sends and what host service table A is handed; nothing else.
#include "tests/integration/panel_entries_fixture.h"

#include "service/service_server.h"
#include "songs/list_pages.h"

#include <QMessageBox>

namespace kesto::test {
namespace {

// Where an action starts from.
enum class Start { Chart, NowPlaying, Storage, OnlineAlbums, Device, Unplugged };
// What the user or the host does.
enum class Act {
    ShowChart,
    ServerTime,
    SongLink,
    Cart,
    MyAlbum,
    Gift,
    Buy,
    Download,
    Play,
    Delete,
    PhoneButton,
    Mp3Button,
    PhoneMessage,
    Mp3Message
};

struct Fault {
    const char* command = nullptr;
    int code = 0; // 0: no answer at all
};

struct HostMessage {
    unsigned message = 0;
    std::intptr_t wParam = 0;
    std::string text; // the block behind lParam (CP949)
    bool operator==(const HostMessage&) const = default;
};

void PrintTo(const HostMessage& m, std::ostream* out) {
    *out << m.message << "(" << m.wParam << ", \"" << Cp949::toUtf8(m.text) << "\")";
}

struct Row {
    const char* name;
    Start start;
    Act act;
    Fault fault; // the command told to fail, the last one the action sends
    std::vector<std::string> boxes;
    std::vector<HostMessage> host;
    std::vector<std::string> sentBefore = {}; // protocol commands sent before the failing one
    const char* playText = nullptr;           // entry 24's first result text, for Play
    std::vector<std::string> deviceDeletes = {};
};

constexpr const char* kText = "잠시 후에 다시 (E42) 이용하세요";
constexpr int kNoReply = -10000;
constexpr const char* kMarker = "$$$DOUBLELOGIN$$$";
constexpr const char* kTrouble = "서버와의 통신상의 오류입니다.\n잠시 후에 다시 이용해주세요.";
constexpr const char* kAskDelete =
    "다운로드 보관함에서 곡 삭제시 실제 파일이 삭제가 됩니다.\n선택하신 곡을 정말로 삭제하시겠습니까?";
constexpr const char* kNotDeleted = "파일을 삭제하는데 실패했습니다.";
constexpr const char* kAlbumKept = "지금 마이 앨범을 지울수 없습니다.\n다시 시도하세요.";
constexpr const char* kNoServer = "지금 서버와 통신할수 없습니다.\n다시 시도하세요.";
constexpr const char* kPhoneOff = "휴대폰이 연결되어 있지 않습니다.";
constexpr const char* kMp3Off = "MP3 플레이어가 연결되어 있지 않습니다.";
constexpr const char* kMp3OffMessage = "MP3 플레이어가 연결되되어 있지 않습니다.";

HostMessage ended() {
    return {KESTO_MSG_LOGIN_INVALID, 0, {}};
}
HostMessage failed(int code) {
    return {KESTO_MSG_SERVER_ERROR, code, code == kNoReply ? std::string() : Cp949::fromUtf8(kText)};
}

const std::vector<Row>& rows() {
    using enum Start;
    using enum Act;
    static const std::vector<Row> table = {
        // Show server error: the box, then 1143 for the two codes that end the log-in.
        {"list -20000", Chart, ShowChart, {"kestoSong", -20000}, {kText}, {ended()}},
        {"list -10104", Chart, ShowChart, {"kestoSong", -10104}, {kText}, {ended()}},
        {"list -1", Chart, ShowChart, {"kestoSong", -1}, {kText}, {}},
        {"list, no reply", Chart, ShowChart, {"kestoSong"}, {}, {}},
        {"server time -10104", Chart, ServerTime, {"serverTime", -10104}, {kText}, {ended()}},
        {"song link -20000", Chart, SongLink, {"song", -20000}, {kText}, {ended()}},
        {"cart -10104", Chart, Cart, {"addToCart", -10104}, {kText}, {ended()}},
        {"my album list -7", Chart, MyAlbum, {"myAlbum", -7}, {kText}, {}},
        {"my album list, no reply", Chart, MyAlbum, {"myAlbum"}, {kNoServer}, {}},
        // Play: the double log-in marker for the two log-in codes, and nothing for the host else.
        {"play -10104", NowPlaying, Play, {"streaming", -10104}, {kText}, {ended()}, {}, kMarker},
        {"play -20000", NowPlaying, Play, {"streaming", -20000}, {kText}, {ended()}, {}, kMarker},
        {"play -3", NowPlaying, Play, {"streaming", -3}, {kText}, {}, {}, ""},
        {"play, no reply", NowPlaying, Play, {"streaming"}, {}, {}, {}, ""},
        // Purchases tell the host (1142), not the user, and end no log-in themselves.
        {"gift -30", Chart, Gift, {"price", -30}, {}, {failed(-30)}},
        {"gift -10104", Chart, Gift, {"price", -10104}, {}, {failed(-10104)}},
        {"gift, no reply", Chart, Gift, {"price"}, {}, {failed(kNoReply)}},
        {"buy -30", Chart, Buy, {"priceForDirectBuy", -30}, {}, {failed(-30)}},
        {"buy, no reply", Chart, Buy, {"priceForDirectBuy"}, {}, {failed(kNoReply)}},
        {"download: song -5", Chart, Download, {"song", -5}, {kTrouble}, {}},
        {"download: song, no reply", Chart, Download, {"song"}, {}, {}},
        {"download: price -30", Chart, Download, {"priceForDirectBuy", -30}, {}, {failed(-30)}, {"song"}},
        {"download: price, silent", Chart, Download, {"priceForDirectBuy"}, {}, {failed(kNoReply)}, {"song"}},
        // Delete.
        {"storage: a file that cannot go", Storage, Delete, {}, {kAskDelete, kNotDeleted}, {}},
        {"on-line my album -4", OnlineAlbums, Delete, {"deleteSongFromMyAlbum", -4}, {kAlbumKept}, {}},
        {"on-line my album, no reply", OnlineAlbums, Delete, {"deleteSongFromMyAlbum"}, {kNoServer}, {}},
        {"device list", Device, Delete, {}, {}, {}, {}, nullptr, {"/phone/a.dcf", "/phone/b.dcf*"}},
        // Transfers to a device that is not there.
        {"phone button", Unplugged, PhoneButton, {}, {kPhoneOff}, {}},
        {"MP3 player button", Unplugged, Mp3Button, {}, {kMp3Off}, {}},
        {"phone message", Unplugged, PhoneMessage, {}, {kPhoneOff}, {}},
        {"MP3 player message", Unplugged, Mp3Message, {}, {kMp3OffMessage}, {}},
    };
    return table;
}

std::vector<std::string> deviceDeletes;

void deleteOnDevice(const char* const* paths) {
    for (; paths != nullptr && *paths != nullptr; ++paths)
        deviceDeletes.emplace_back(*paths);
}

// Notes every modal window (a message box by its text, another window by its name) and answers
// it: Yes where it asks Yes or No, else it is closed.
bool noteAndAnswer(QWidget* modal) {
    if (modal->property("noted").toBool())
        return true;
    modal->setProperty("noted", true);
    auto* box = qobject_cast<QMessageBox*>(modal);
    PanelHost::boxTexts().push_back(box != nullptr ? box->text().toStdString()
                                                   : "window " + modal->objectName().toStdString());
    QTimer::singleShot(0, modal, [modal, box] {
        QAbstractButton* yes = box != nullptr ? box->button(QMessageBox::Yes) : nullptr;
        if (yes != nullptr)
            yes->click();
        else
            modal->close();
    });
    return true;
}

class FailurePathsTest : public PanelEntriesTest {
protected:
    void SetUp() override {
        PanelHost::setServiceA(KESTO_SVC_A_DEVICE_DELETE, reinterpret_cast<KestoHostFn>(&deleteOnDevice));
        PanelEntriesTest::SetUp();
        RegistryKey key;
        key.writeSectionString(settings::kOption, "1", settings::kShowDcfInfo);
        key.writeRootString("1", settings::kShowDeleteBox);
        PanelHost::onModal(&noteAndAnswer);
    }
    void TearDown() override {
        PanelHost::onModal(nullptr);
        PanelHost::connectDevices(true);
    }

    void start(Start from) {
        PanelHost::connectDevices(from != Start::Unplugged);
        switch (from) {
        case Start::Storage:
            return storage();
        case Start::OnlineAlbums:
            host.show(2, menu::kOnlineAlbums);
            return tick({0});
        case Start::Device:
            host.entry<KestoEntry40>(40)(0, 0, "", "");
            host.entry<KestoEntry51>(51)("/phone/a.dcf\vA\vX\v1\v60\v0\n/phone/b.dcf\vB\vX\v1\v60\v1", 1);
            return tick({0, 1});
        default:
            break;
        }
        host.show(2, kChartMenu, kChart);
        tick({0});
        if (from == Start::NowPlaying)
            host.entry<KestoEntry45>(45)();
    }

    // A download storage of two songs, both ticked, one gone from the disk under the list.
    void storage() {
        const auto folder = host.dataFolder() / ("storage" + std::to_string(++storages));
        std::filesystem::create_directories(folder);
        for (const char* name : {"a", "b"})
            std::ofstream(folder / (std::string(name) + ".mp3")) << "x";
        const int ready = host.panelLog().count(msg::kLocalPageReady);
        host.entry<KestoEntry38>(38)(folder.c_str());
        ASSERT_TRUE(waitForReady(ready + 1));
        tick({0, 1});
        std::filesystem::remove(host.rowRecords()[1]->text(SongField::Local_Path));
    }

    void act(Act what) {
        switch (what) {
        case Act::ShowChart:
            return host.show(2, kChartMenu, kChart);
        case Act::ServerTime: {
            std::array<char, KESTO_SERVER_TIME_SIZE> time{};
            host.entry<KestoEntry2>(2)(time.data());
            return;
        }
        case Act::SongLink: {
            const std::string link =
                "songinfo://1;1;" + std::string(host.rowRecords()[0]->text(SongField::Song_ID)) + "/";
            return host.entry<KestoEntry46>(46)(link.c_str());
        }
        case Act::Play:
            playText = playNext(0, 0).streamAddress;
            return;
        case Act::Delete:
            host.entry<KestoEntry60>(60)();
            return;
        case Act::PhoneMessage:
        case Act::Mp3Message:
            QCoreApplication::postEvent(
                host.panelWindow(),
                new WindowMessageEvent(what == Act::PhoneMessage ? msg::kToPhone : msg::kToMp3Player, 0, 0));
            return;
        default:
            return host.click(buttonOf(what));
        }
    }

    static int buttonOf(Act what) {
        constexpr std::pair<Act, int> buttons[] = {
            {Act::Cart, cmd::kCart}, {Act::MyAlbum, cmd::kMyAlbum},   {Act::Gift, cmd::kGift},
            {Act::Buy, cmd::kBuy},   {Act::Download, cmd::kDownload}, {Act::PhoneButton, cmd::kToPhone}};
        for (const auto& [act, button] : buttons)
            if (act == what)
                return button;
        return cmd::kToMp3Player;
    }

    std::vector<HostMessage> hostMessages() {
        std::vector<HostMessage> got;
        for (const Posted& p : host.hostLog().posted)
            got.push_back({p.message, p.wParam, p.lText});
        return got;
    }

    static std::vector<std::string> commandsSent() {
        std::vector<std::string> words;
        for (const SentRequest& sent : PanelHost::requestsSent())
            if (sent.url.find("/protocol") != std::string::npos)
                words.push_back(sent.url.substr(sent.url.find('?') + 1));
        return words;
    }

    int storages = 0;
    std::string playText;
};

TEST_F(FailurePathsTest, EachFailureShowsItsTextAndTellsTheHostExactlyWhatTheTextSays) {
    service::ServiceServer& store = host.service();
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.name);
        start(row.start);
        PanelHost::processPending();
        PanelHost::boxTexts().clear();
        host.hostLog().clear();
        PanelHost::forgetRequests();
        deviceDeletes.clear();
        playText = "-";
        std::vector<std::string> sent = row.sentBefore;
        if (row.fault.command != nullptr) {
            sent.emplace_back(row.fault.command);
            if (row.fault.code == 0)
                store.silenceCommand(row.fault.command);
            else
                store.failCommand(row.fault.command, row.fault.code, Cp949::fromUtf8(kText));
        }
        act(row.act);
        PanelHost::processUntil(
            [&] {
                return PanelHost::boxTexts().size() >= row.boxes.size() &&
                       host.hostLog().posted.size() >= row.host.size();
            },
            5s);
        PanelHost::processUntil([] { return false; }, 150ms); // and nothing after them
        EXPECT_EQ(PanelHost::boxTexts(), row.boxes);
        EXPECT_EQ(hostMessages(), row.host);
        EXPECT_EQ(commandsSent(), sent);
        EXPECT_EQ(deviceDeletes, row.deviceDeletes);
        if (row.playText != nullptr) {
            EXPECT_EQ(playText, row.playText);
        }
        store.clearFaults();
    }
}

} // namespace
} // namespace kesto::test
