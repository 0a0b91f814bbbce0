// The panel's dialogs through the real module in a Qt host, against the reference service:
// each opened by its command, driven by the user's steps, and its effect seen in the service,
// the album database, the settings or the list. One test per process (one host per load).
#include "tests/integration/dialog_script.h"
#include "tests/integration/panel_entries_fixture.h"

#include "library/album_song_list.h"
#include "protocol/reply_fields.h"
#include "service/login_client.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <set>

namespace kesto::test {
namespace {

constexpr int kDownloadHistoryMenu = 5200;
constexpr const char* kMoved = "선택한 마이앨범으로 곡(들)을 이동하였습니다.";

class DialogsTest : public PanelEntriesTest {
protected:
    // The user's on-line albums, name to id, as the service keeps them.
    std::map<std::string, std::string> onlineAlbums() {
        const std::string body = std::string("tester\v") + login().uKey + "\v0\v";
        const ReplyFields fields(host.ask(host.baseUrl() + "/protocol.jsp?myAlbum", body));
        std::map<std::string, std::string> albums;
        for (std::size_t field = 1; field + 1 < fields.size(); field += 3)
            albums[fields.text(field + 1)] = fields.text(field);
        return albums;
    }

    std::filesystem::path file(const std::string& relative) {
        const auto path = host.dataFolder() / "music" / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << "x";
        return path;
    }

    // Local albums 7 "Road Trip" with the given files and 8 "Evening", empty.
    void localAlbums(const std::vector<std::string>& names) {
        std::vector<std::filesystem::path> files;
        for (const std::string& name : names)
            files.push_back(file(name + ".mp3"));
        addAlbum("7", "Road Trip", files);
        addAlbum("8", "Evening");
    }

    std::set<std::string> albumSongs(const std::string& albumId) {
        MyAlbumDb db;
        AlbumSongList list;
        std::set<std::string> names;
        if (db.start(host.dataFolder()) && db.listAlbumSongs(albumId, list))
            for (const std::string& path : list.localPaths)
                names.insert(std::filesystem::path(path).stem().string());
        return names;
    }

    // The folder downloads are saved in, made and chosen.
    std::filesystem::path downloadsFolder() {
        const auto folder = host.dataFolder() / "downloads";
        std::filesystem::create_directories(folder);
        RegistryKey().writeRootString(folder.string(), settings::kLastSaveFolder);
        return folder;
    }

    // The user's cash as the store reports it.
    std::string cash() {
        const std::string body = std::string("tester\v") + login().uKey + "\v";
        return ReplyFields(host.ask(host.baseUrl() + "/protocol.jsp?cash", body)).text(1);
    }

    // A name dialog step: the name typed, then OK.
    static DialogScript::Act named(const char* utf8) {
        return [name = u(utf8)](QWidget* d) {
            DialogScript::type(d, "name", name);
            DialogScript::click(d, "ok");
        };
    }

    // The names a page shows once it is in.
    std::vector<std::string> namesOn(int menuId, const std::string& parameter = {}) {
        host.show(2, menuId, parameter);
        PanelHost::processPending();
        return host.rowNames();
    }

    static std::string rootSetting(const char* name) {
        RegistryKey key;
        std::string text;
        key.readRootString(text, name);
        return text;
    }
};

TEST_F(DialogsTest, ThreeSongsGoIntoANewMyAlbumAndOneMovesOnIntoAnother) {
    host.show(2, kChartMenu, kChart);
    ASSERT_GE(host.list()->rowCount(), 3);
    const auto names = host.rowNames();
    tick({0, 2, 4});
    DialogScript script("myAlbumChoice", [](QWidget* d) { DialogScript::click(d, "newAlbum"); });
    // Brackets are refused: the name dialog stays for another try.
    script.then("nameDialog", named("Road (Mix)")).then("nameDialog", named("여행 Trip"));
    script.then("myAlbumChoice", [](QWidget* d) {
        EXPECT_EQ(d->findChild<QComboBox*>("albums")->currentText(), u("여행 Trip"));
        DialogScript::click(d, "ok");
    });
    host.click(cmd::kMyAlbum);
    ASSERT_TRUE(PanelHost::processUntil([&] { return boxSaid(kMoved); }, 10s));
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(boxSaid("마이앨범 명에는 다음과 같은 문자는 사용하실 수 없습니다.\n\n@ ( )"));
    const auto albums = onlineAlbums();
    ASSERT_EQ(albums.count(Cp949::fromUtf8("여행 Trip")), 1u);
    const auto shown = namesOn(2200, albums.at(Cp949::fromUtf8("여행 Trip")));
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()),
              (std::set<std::string>{names[0], names[2], names[4]}));

    // Moved on into another on-line album, a song leaves the shown one.
    host.ask(host.baseUrl() + "/protocol.jsp?myAlbum",
             std::string("tester\v") + login().uKey + "\v1\vSpare\v");
    tick({0});
    DialogScript move("myAlbumChoice", [](QWidget* d) {
        EXPECT_TRUE(d->findChild<QCheckBox*>("deleteAfter")->isChecked());
        EXPECT_TRUE(DialogScript::select(d, "albums", "Spare"));
        DialogScript::click(d, "ok");
    });
    PanelHost::boxTexts().clear();
    host.click(cmd::kMove);
    ASSERT_TRUE(PanelHost::processUntil([&] { return boxSaid(kMoved); }, 10s));
    PanelHost::processPending();
    EXPECT_EQ(host.list()->rowCount(), static_cast<int>(shown.size()) - 1);
    EXPECT_EQ(namesOn(2200, onlineAlbums().at("Spare")), std::vector<std::string>{shown[0]});
}

TEST_F(DialogsTest, LocalSongsAreCopiedMovedAndPutIntoANewPlayList) {
    localAlbums({"one", "two", "three"});
    host.show(4, 4100, "7");
    ASSERT_TRUE(waitForReady(1));
    ASSERT_EQ(host.list()->rowCount(), 3);
    const auto names = host.rowNames();
    tick({0, 1});
    DialogScript copy("playListChoice", [](QWidget* d) {
        auto* lists = d->findChild<QComboBox*>("playLists");
        EXPECT_EQ(lists->count(), 1); // the shown play list is not offered
        EXPECT_TRUE(DialogScript::select(d, "playLists", "Evening"));
        DialogScript::click(d, "ok");
    });
    host.click(cmd::kPlayList);
    ASSERT_TRUE(PanelHost::processUntil([&] { return copy.done() && albumSongs("8").size() == 2; }, 10s));
    EXPECT_EQ(albumSongs("7").size(), 3u);
    EXPECT_EQ(albumSongs("8"), (std::set<std::string>{names[0], names[1]}));
    EXPECT_TRUE(
        PanelHost::processUntil([&] { return host.hostLog().count(KESTO_MSG_PLAYLIST_CHANGED) == 1; }, 5s));

    waitForReady(2);
    host.list()->uncheckAll();
    tick({2});
    DialogScript move("playListChoice", [](QWidget* d) {
        EXPECT_TRUE(d->findChild<QCheckBox*>("deleteAfter")->isChecked());
        DialogScript::select(d, "playLists", "Evening");
        DialogScript::click(d, "ok");
    });
    host.click(cmd::kMove);
    ASSERT_TRUE(PanelHost::processUntil([&] { return move.done() && albumSongs("8").size() == 3; }, 10s));
    EXPECT_EQ(albumSongs("7").size(), 2u);
    host.show(4, 4100, "8");
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.list()->rowCount() == 3; }, 10s));

    // A play list made from the choice dialog receives the songs.
    const std::string chosen = host.rowNames()[0];
    tick({0});
    DialogScript fresh("playListChoice", [](QWidget* d) { DialogScript::click(d, "newPlayList"); });
    fresh.then("nameDialog", named("아침")).then("playListChoice", [](QWidget* d) {
        EXPECT_EQ(d->findChild<QComboBox*>("playLists")->currentText(), u("아침"));
        DialogScript::click(d, "ok");
    });
    host.click(cmd::kPlayList);
    ASSERT_TRUE(PanelHost::processUntil([&] { return fresh.done(); }, 10s));
    PanelHost::processPending();
    MyAlbumDb db;
    ASSERT_TRUE(db.start(host.dataFolder()));
    SQLite::Statement query(*db.database(), "select Album_ID from AlbumName_tbl where Album_Name=?");
    query.bind(1, Cp949::fromUtf8("아침"));
    ASSERT_TRUE(query.executeStep());
    EXPECT_EQ(albumSongs(query.getColumn(0).getString()), std::set<std::string>{chosen});
}

TEST_F(DialogsTest, DeleteConfirmationCancelsAndItsDoNotShowAgainPersists) {
    localAlbums({"one", "two", "three"});
    host.show(4, 4000);
    ASSERT_TRUE(waitForReady(1));
    ASSERT_EQ(host.list()->rowCount(), 3);
    tick({0});
    DialogScript cancel("deleteConfirm", [](QWidget* d) { DialogScript::click(d, "cancel"); });
    host.entry<KestoEntry60>(60)();
    ASSERT_TRUE(PanelHost::processUntil([&] { return cancel.done(); }, 5s));
    PanelHost::processPending();
    EXPECT_EQ(albumSongs("7").size(), 3u);
    EXPECT_EQ(rootSetting(settings::kShowDeleteBox), "0");

    DialogScript agree("deleteConfirm", [](QWidget* d) {
        DialogScript::check(d, "doNotShowAgain", true);
        DialogScript::click(d, "ok");
    });
    host.entry<KestoEntry60>(60)();
    ASSERT_TRUE(PanelHost::processUntil([&] { return albumSongs("7").size() == 2; }, 5s));
    EXPECT_EQ(rootSetting(settings::kShowDeleteBox), "1");

    // Not asked again: the next delete goes straight through.
    ASSERT_TRUE(waitForReady(2));
    tick({0});
    DialogScript never;
    host.entry<KestoEntry60>(60)();
    ASSERT_TRUE(PanelHost::processUntil([&] { return albumSongs("7").size() == 1; }, 5s));
    EXPECT_EQ(never.opened("deleteConfirm"), 0);
}

TEST_F(DialogsTest, AddFolderTakesSubFoldersOnlyWhenAskedAddFilesTheChosenAndBothRememberTheFolder) {
    localAlbums({});
    const auto top = file("tree/a.mp3").parent_path();
    for (const char* name : {"tree/b.ogg", "tree/notes.txt", "tree/inner/c.mp3"})
        file(name);
    // The dialog opened in folder, with sub-folders or not, and the names typed when given.
    auto choose = [](const std::filesystem::path& folder, bool subFolders, const QString& names = {}) {
        return [folder, subFolders, names](QWidget* d) {
            auto* dialog = qobject_cast<QFileDialog*>(d);
            ASSERT_NE(dialog, nullptr);
            dialog->setDirectory(QString::fromStdString(folder.string()));
            DialogScript::check(d, "includeSubFolders", subFolders);
            if (!names.isEmpty())
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(names);
            QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        };
    };
    host.show(4, 4100, "7");
    waitForReady(1);
    DialogScript flat("addFolder", choose(top, false));
    host.entry<KestoEntry56>(56)(1, 0);
    ASSERT_TRUE(PanelHost::processUntil([&] { return albumSongs("7").size() == 2; }, 10s));
    EXPECT_EQ(albumSongs("7"), (std::set<std::string>{"a", "b"}));
    EXPECT_EQ(rootSetting(settings::kLastOpenFolder), top.string());

    host.show(4, 4100, "8");
    DialogScript deep("addFolder", choose(top, true));
    host.entry<KestoEntry56>(56)(1, 0);
    ASSERT_TRUE(PanelHost::processUntil([&] { return albumSongs("8").size() == 3; }, 10s));
    EXPECT_EQ(albumSongs("8"), (std::set<std::string>{"a", "b", "c"}));

    const auto first = file("picked/x.mp3");
    file("picked/y.ogg");
    file("picked/z.mp3");
    host.show(4, 4100, "7");
    DialogScript files("addFiles", choose(first.parent_path(), false, "\"x.mp3\" \"y.ogg\""));
    host.entry<KestoEntry56>(56)(0, 0);
    ASSERT_TRUE(PanelHost::processUntil([&] { return albumSongs("7").size() == 4; }, 10s));
    EXPECT_EQ(albumSongs("7"), (std::set<std::string>{"a", "b", "x", "y"}));
    EXPECT_EQ(rootSetting(settings::kLastOpenFolder), first.parent_path().string());
}

TEST_F(DialogsTest, TwoSongsBoughtShowInThePurchaseHistoryAndAFailedPaymentChargesNothing) {
    const auto history = namesOn(kDownloadHistoryMenu);
    host.show(2, kChartMenu, kChart);
    ASSERT_GE(host.list()->rowCount(), 2);
    const auto names = host.rowNames();
    const std::string cashBefore = cash();
    tick({0, 1});
    // No reply, an error, by phone without the SMS code: each is told, the dialog stays, nothing
    // is charged.
    DialogScript refused("purchase", [](QWidget* d) {
        EXPECT_FALSE(d->findChild<QLabel*>("wallet")->text().isEmpty());
        EXPECT_EQ(d->findChild<QTableWidget*>("prices")->rowCount(), 2);
        PanelHost::refuseRequests(true);
        DialogScript::click(d, "ok");
    });
    refused.then("purchase", [](QWidget* d) {
        PanelHost::refuseRequests(false);
        PanelHost::overrideReplies("-30\vCard declined\v");
        DialogScript::click(d, "ok");
    });
    refused.then("purchase", [](QWidget* d) {
        PanelHost::overrideReplies(std::nullopt);
        DialogScript::check(d, "payByPhone", true);
        DialogScript::click(d, "ok");
    });
    refused.then("purchase", [](QWidget* d) { DialogScript::click(d, "cancel"); });
    host.click(cmd::kBuy);
    ASSERT_TRUE(PanelHost::processUntil([&] { return refused.done(); }, 10s));
    PanelHost::processPending();
    const auto& texts = PanelHost::boxTexts();
    ASSERT_EQ(texts.size(), 3u); // the last the store's own message
    EXPECT_EQ(texts[0], "지금 서버와 통신할수 없습니다.\n다시 시도하세요.");
    EXPECT_EQ(texts[1], "Card declined");
    EXPECT_EQ(cash(), cashBefore);
    EXPECT_EQ(namesOn(kDownloadHistoryMenu), history);

    host.show(2, kChartMenu, kChart);
    tick({0, 1});
    DialogScript paid("purchase", [](QWidget* d) { DialogScript::click(d, "ok"); });
    host.click(cmd::kBuy2);
    ASSERT_TRUE(PanelHost::processUntil([&] { return boxSaid("구매가 완료되었습니다."); }, 10s));
    EXPECT_NE(cash(), cashBefore);
    EXPECT_TRUE(PanelHost::transfers().empty()); // a purchase alone downloads nothing
    const auto bought = namesOn(kDownloadHistoryMenu);
    std::multiset<std::string> expected(history.begin(), history.end());
    expected.insert(names.begin(), names.begin() + 2);
    EXPECT_EQ(std::multiset<std::string>(bought.begin(), bought.end()), expected);
}

TEST_F(DialogsTest, EachDownloadModeHasItsDialogAndPaidSongsGoIntoTheChosenPlayList) {
    localAlbums({});
    const auto downloads = downloadsFolder();
    host.show(2, kChartMenu, kChart);
    tick({0, 1, 2});
    std::set<std::string> ids;
    for (const int row : {0, 1, 2})
        ids.insert(host.rowRecords().at(row)->text(SongField::Song_ID));
    QString folder;
    DialogScript script("purchase", [&folder](QWidget* d) {
        folder = d->findChild<QLabel*>("saveFolder")->text();
        DialogScript::check(d, "skipExisting", true);
        EXPECT_TRUE(DialogScript::select(d, "playLists", "Evening"));
        DialogScript::click(d, "ok");
    });
    // The choice comes back; a download the host asks for offers no play list.
    script.then("purchase", [](QWidget* d) {
        EXPECT_EQ(d->findChild<QComboBox*>("playLists")->currentText(), u("Evening"));
        DialogScript::click(d, "cancel");
    });
    script.then("purchase", [](QWidget* d) {
        EXPECT_EQ(d->findChild<QComboBox*>("playLists"), nullptr);
        DialogScript::click(d, "cancel");
    });
    host.entry<KestoEntry69>(69)(0, "");
    ASSERT_TRUE(PanelHost::processUntil([&] { return !PanelHost::transfers().empty(); }, 10s));
    EXPECT_EQ(PanelHost::transfers().front().size(), 3u);
    EXPECT_TRUE(folder.endsWith(QString::fromStdString(downloads.string()))) << folder.toStdString();
    EXPECT_EQ(rootSetting(settings::kFileSkipWrite), "1");
    EXPECT_EQ(rootSetting(settings::kPlayListSave), "Evening");
    EXPECT_EQ(host.entry<KestoEntry59>(59)(), 1); // on its way until the files arrive
    // The album lists the songs once the host has written them.
    for (const std::string& id : ids)
        std::ofstream(downloads / (id + ".dcf")) << "x";
    EXPECT_EQ(albumSongs("8"), ids);
    host.entry<KestoEntry63>(63)(0, "");
    host.entry<KestoEntry70>(70)(0, "");
    ASSERT_TRUE(PanelHost::processUntil([&] { return script.done(); }, 10s));
    // In the gift box the gifts are handed to the host without paying.
    const std::string cashBefore = cash();
    host.show(2, 6000);
    PanelHost::processPending();
    tick({0});
    host.entry<KestoEntry70>(70)(0, "");
    EXPECT_EQ(PanelHost::transfers().back().size(), 1u);
    EXPECT_EQ(cash(), cashBefore);
}

TEST_F(DialogsTest, GiftShowsAmongTheSentGiftsAndReachesTheReceiversGiftBox) {
    host.show(2, kChartMenu, kChart);
    const std::string song = host.rowRecords()[3]->text(SongField::Song_ID);
    tick({3});
    DialogScript script("gift", [](QWidget* d) {
        // No receiver yet: told, and the dialog stays.
        DialogScript::click(d, "ok");
    });
    script.then("gift", [](QWidget* d) {
        DialogScript::type(d, "receiver", "friend");
        d->findChild<QPlainTextEdit*>("message")->setPlainText("Happy birthday");
        DialogScript::click(d, "ok");
    });
    host.click(cmd::kGift);
    ASSERT_TRUE(PanelHost::processUntil([&] { return boxSaid("선물하기가 완료되었습니다."); }, 10s));
    EXPECT_TRUE(boxSaid("선물 받을 분의 아이디를 입력하세요."));
    // The sent gifts page shows it with its state (set K ends with it).
    host.show(2, 7000);
    ASSERT_EQ(host.list()->rowCount(), 1);
    EXPECT_EQ(host.list()->cellText(0, host.list()->columnCount() - 1).toStdString(), "받음");
    const auto reply = service::LoginClient::login(host.baseUrl(), "friend", "secret");
    ASSERT_TRUE(reply);
    const ReplyFields login(*reply);
    const std::string body = std::string("friend\v") + login.text(1) + "\v0\v0\v";
    const std::string box = host.ask(host.baseUrl() + "/protocol.jsp?giftBox", body);
    EXPECT_NE(box.find(song), std::string::npos);
    EXPECT_NE(box.find("tester"), std::string::npos);
}

TEST_F(DialogsTest, LocalSongInformationShowsTheListenCountAndItsAlbums) {
    localAlbums({"solo"});
    // The song, a store song, is in an on-line my album too.
    host.show(2, kChartMenu, kChart);
    const std::string id = host.rowRecords()[0]->text(SongField::Song_ID);
    const auto [onlineName, onlineId] = *onlineAlbums().begin();
    host.ask(host.baseUrl() + "/protocol.jsp?addSongToMyAlbum",
             "tester\v" + std::string(login().uKey) + "\v" + onlineId + "\v1\v" + id + "\v\v1\v");
    {
        MyAlbumDb db;
        ASSERT_TRUE(db.start(host.dataFolder()));
        ASSERT_TRUE(db.execStatement("update AlbumInfo_tbl set Listen_Count=3, Song_ID='" + id + "'"));
    }
    host.show(4, 4100, "7");
    ASSERT_TRUE(waitForReady(1));
    // Listened to and played once more (entries 45 and 24): the album counts it.
    host.list()->setRowChecked(0, true); // the information is of the chosen song
    host.entry<KestoEntry45>(45)();
    host.entry<KestoEntry24>(24)("", 0, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    DialogScript script("songInfo", [name = onlineName](QWidget* d) {
        EXPECT_EQ(d->findChild<QLabel*>("listenCount")->text(), u("4회"));
        const auto* line = d->findChild<QLabel*>("myAlbums");
        EXPECT_EQ(line != nullptr ? line->text().toStdString() : "", Cp949::toUtf8(name));
        auto* albums = d->findChild<QListWidget*>("albums");
        ASSERT_EQ(albums->count(), 1);
        EXPECT_EQ(albums->item(0)->text(), "Road Trip");
        DialogScript::click(d, "ok");
    });
    QCoreApplication::postEvent(host.panelWindow(), new WindowMessageEvent(msg::kInfoPage, 0, 0));
    ASSERT_TRUE(PanelHost::processUntil([&] { return script.done(); }, 5s));
}

TEST_F(DialogsTest, HostEntriesOpenTheDialogOfTheirKind) {
    host.show(2, kChartMenu, kChart);
    const std::string first = host.rowRecords()[0]->text(SongField::Song_ID);
    const std::string second = host.rowRecords()[1]->text(SongField::Song_ID);
    const auto close = [](QWidget* d) { DialogScript::click(d, "cancel"); };
    const auto reject = [](QWidget* d) { QMetaObject::invokeMethod(d, "reject", Qt::QueuedConnection); };
    DialogScript script("purchase", [](QWidget* d) {
        EXPECT_EQ(d->findChild<QTableWidget*>("prices")->rowCount(), 2);
        DialogScript::click(d, "cancel");
    });
    script.then("gift", close)
        .then("addFiles", reject)
        .then("addFolder", reject)
        .then("myAlbumChoice", close);
    const std::string ids = first + ";" + second;
    host.entry<KestoEntry5>(5)(0, ids.c_str(), "");
    host.entry<KestoEntry5>(5)(1, first.c_str(), "");
    host.entry<KestoEntry50>(50)(0, "");
    host.entry<KestoEntry50>(50)(1, "");
    tick({0});
    host.entry<KestoEntry58>(58)();
    ASSERT_TRUE(PanelHost::processUntil([&] { return script.done(); }, 10s));
    EXPECT_TRUE(PanelHost::transfers().empty());
}

TEST_F(DialogsTest, ADownloadedStreamingSongGoesToTheDeviceAndARunningDownloadHoldsThePhone) {
    const auto downloads = downloadsFolder();
    PanelHost::connectDevices(true);
    host.show(2, kChartMenu, kChart);
    const auto records = host.rowRecords();
    std::ofstream(downloads / (std::string(records[0]->text(SongField::Song_ID)) + ".mp3")) << "x";
    tick({0});
    host.entry<KestoEntry42>(42)(2);
    PanelHost::processPending();
    ASSERT_EQ(PanelHost::transfers().size(), 1u);
    EXPECT_EQ(PanelHost::transfers()[0].size(), 1u);
    EXPECT_TRUE(PanelHost::boxTexts().empty());

    // A song still to be downloaded: asked first, and Cancel sends nothing.
    host.list()->uncheckAll();
    tick({1});
    host.entry<KestoEntry42>(42)(2);
    PanelHost::processPending();
    EXPECT_EQ(PanelHost::transfers().size(), 1u);
    EXPECT_EQ(PanelHost::boxTexts().size(), 1u);

    // Paid and handed over, it is on its way: the phone waits for it.
    DialogScript script("purchase", [](QWidget* d) { DialogScript::click(d, "ok"); });
    host.entry<KestoEntry63>(63)(0, "");
    ASSERT_TRUE(PanelHost::processUntil([&] { return PanelHost::transfers().size() == 2; }, 10s));
    host.entry<KestoEntry42>(42)(1);
    PanelHost::processPending();
    EXPECT_EQ(
        PanelHost::boxTexts().back(),
        "음원 다운로드/전송 프로세스가 진행중입니다.\n음원 다운로드/전송 완료 후 다시 시도하여 주십시오.");
    std::ofstream(downloads / (std::string(records[1]->text(SongField::Song_ID)) + ".mp3")) << "x";
    host.entry<KestoEntry42>(42)(1);
    PanelHost::processPending();
    EXPECT_EQ(PanelHost::transfers().size(), 3u);
}

} // namespace
} // namespace kesto::test
