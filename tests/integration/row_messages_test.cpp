// Row messages of the song list, each from the control's click through the real panel of the
// loaded module to its effect: a request the service saw, a page in the HTML area, a message to
// the host. The lyrics case drives the click and the row menu item of another row together.
#include "tests/integration/panel_entries_fixture.h"

#include "columns/click_table.h"
#include "columns/column_kind.h"
#include "columns/row_cell.h"

#include <tuple>

namespace kesto::test {
namespace {

constexpr int kVisibleRows = 10;
constexpr int kReceivedGiftsMenu = 6000;
constexpr int kMusicVideoPurchasesMenu = 9600;

struct Cell {
    int row = -1;
    int column = -1;
};

class RowMessagesTest : public PanelEntriesTest {
protected:
    void SetUp() override {
        PanelEntriesTest::SetUp();
        host.show(2, kChartMenu, kFiftyRowChart);
        ASSERT_GT(list().rowCount(), kVisibleRows);
    }

    // The first visible row whose cell of that column kind answers the click kind.
    Cell clickable(int columnKind, ClickKind kind, int from = 0) {
        const int column = columnOf(columnKind);
        for (int row = from; column >= 0 && row < kVisibleRows; ++row) {
            const std::optional<RowCell> cell = list().cell(row, column);
            if (cell && (cell->clickFlags & ClickTable::bit(kind)) != 0)
                return {row, column};
        }
        return {};
    }

    // x: where in the cell, as a fraction of its width (icons and texts are centred).
    void clickCell(Cell cell, double x = 0.5) {
        const QRect rect = list().cellRect(cell.row, cell.column);
        const QPoint at(rect.left() + static_cast<int>(rect.width() * x), rect.center().y());
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, at);
    }

    // Right-clicks the row (which selects it alone), then chooses the item of the row menu.
    void chooseFromRowMenu(int row, int commandId) {
        const QRect rect = list().cellRect(row, columnOf(col::kSongName));
        QTest::mousePress(list().viewport(), Qt::RightButton, {}, rect.center());
        QTest::mouseRelease(list().viewport(), Qt::RightButton, {}, rect.center());
        QAction* action = rowMenuItem(commandId);
        ASSERT_NE(action, nullptr) << "the row menu has no item " << commandId;
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }

    std::string songId(int row) { return list().record(row)->text(SongField::Song_ID); }
};

TEST_F(RowMessagesTest, LyricsIconAndLyricsMenuShowTheLyricsPageOfThatRow) {
    const Cell icon = clickable(col::kLyrics, ClickKind::Lyrics);
    ASSERT_GE(icon.row, 0) << "no lyrics icon in the first rows";
    clickCell(icon);
    ASSERT_TRUE(hostGot(KESTO_MSG_LYRICS_WANTED));
    EXPECT_EQ(host.hostLog().of(KESTO_MSG_LYRICS_WANTED)[0].lText, songId(icon.row));
    EXPECT_NE(host.htmlText().find("lyrics.jsp?song_id=" + songId(icon.row) + "&is_exist="),
              std::string::npos);
    EXPECT_EQ(host.htmlText().find("u_key"), std::string::npos);

    // The menu of another row carries that row in lParam.
    const int other = clickable(col::kLyrics, ClickKind::Lyrics, icon.row + 1).row;
    ASSERT_GE(other, 0);
    chooseFromRowMenu(other, listcmd::kLyrics2);
    ASSERT_TRUE(PanelHost::processUntil(
        [&] { return host.htmlText().find("song_id=" + songId(other) + "&") != std::string::npos; }, 5s))
        << host.htmlText();
}

TEST_F(RowMessagesTest, ArtistAndAlbumTextsShowTheirListsFromTheService) {
    const std::tuple<int, ClickKind, SongField, const char*> texts[] = {
        {col::kArtist, ClickKind::ArtistText, SongField::Artist_ID, "artist"},
        {col::kAlbum, ClickKind::AlbumText, SongField::Album_ID, "album"}};
    for (const auto& [columnKind, kind, field, command] : texts) {
        SCOPED_TRACE(command);
        host.show(2, kChartMenu, kFiftyRowChart);
        const Cell cell = clickable(columnKind, kind);
        ASSERT_GE(cell.row, 0);
        const std::string chosen = list().record(cell.row)->text(field);
        clickCell(cell);
        ASSERT_TRUE(PanelHost::processUntil([&] { return requestsOf(command) > 0; }, 5s));
        ASSERT_GT(list().rowCount(), 0);
        for (int row = 0; row < list().rowCount(); ++row)
            EXPECT_EQ(list().record(row)->text(field), chosen);
    }
}

TEST_F(RowMessagesTest, DownloadCellRightZoneOpensTheSongWebPageOfThatRow) {
    const Cell cell = clickable(col::kDownload, ClickKind::DownloadRight);
    ASSERT_GE(cell.row, 0);
    clickCell(cell, 0.75);
    ASSERT_TRUE(hostGot(KESTO_MSG_SONG_WEB_PAGE));
    const auto first = host.hostLog().of(KESTO_MSG_SONG_WEB_PAGE)[0];
    EXPECT_TRUE(first.wText.ends_with("/LoginAppToWeb.jsp?")) << first.wText;
    EXPECT_NE(first.lText.find("p_songid%3D" + songId(cell.row) + "%0B"), std::string::npos) << first.lText;
}

TEST_F(RowMessagesTest, PhoneDecorationIconOpensItsPageAfterTheDelay) {
    const Cell cell = clickable(col::kPhoneDeco, ClickKind::PhoneDeco);
    ASSERT_GE(cell.row, 0);
    clickCell(cell);
    EXPECT_TRUE(host.hostLog().of(KESTO_MSG_PHONE_DECO_PAGE).empty()); // reported after 300 ms
    ASSERT_TRUE(hostGot(KESTO_MSG_PHONE_DECO_PAGE));
    const auto page = host.hostLog().of(KESTO_MSG_PHONE_DECO_PAGE)[0];
    EXPECT_TRUE(page.wText.ends_with("/phone_deco.jsp")) << page.wText;
    EXPECT_NE(page.lText.find("song_id=" + songId(cell.row) + "&"), std::string::npos) << page.lText;
    // The song's own decoration kind, whichever column was clicked.
    const std::string flag = "Phone_Deco_Flag=" + std::to_string(list().record(cell.row)->Phone_Deco) + "&";
    EXPECT_NE(page.lText.find(flag), std::string::npos) << page.lText;
}

TEST_F(RowMessagesTest, ReportMenuOpensTheInformationPageOfTheChosenSong) {
    chooseFromRowMenu(3, listcmd::kReportSong);
    ASSERT_TRUE(hostGot(KESTO_MSG_SONG_INFO_PAGE));
    const Song& song = *list().record(3);
    EXPECT_NE(host.hostLog().of(KESTO_MSG_SONG_INFO_PAGE)[0].wText.find(
                  std::string("song_id=") + song.text(SongField::Song_ID) + "&album_id=" +
                  song.text(SongField::Album_ID) + "&artist_id=" + song.text(SongField::Artist_ID) + "&"),
              std::string::npos);
}

TEST_F(RowMessagesTest, DoubleClickAndThePlayMarkListenToTheRowThroughNowPlaying) {
    const QRect rect = list().cellRect(2, columnOf(col::kSongName));
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, rect.center());
    ASSERT_TRUE(hostGot(KESTO_MSG_PLAY_NOW_PLAYING));
    EXPECT_EQ(playNext(0, 0).songId, songId(2));
    // The play mark of a row that is not grey listens on its first click; a double click there
    // does not start the song a second time.
    const Cell mark = clickable(col::kPlayState, ClickKind::ListenIcon, 4);
    ASSERT_GE(mark.row, 0);
    clickCell(mark); // a double click is a click, then the double click event
    const QRect markRect = list().cellRect(mark.row, mark.column);
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {},
                       {markRect.left() + markRect.width() / 2, markRect.center().y()});
    ASSERT_TRUE(hostGot(KESTO_MSG_PLAY_NOW_PLAYING, 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(host.hostLog().of(KESTO_MSG_PLAY_NOW_PLAYING).size(), 2u);
    ASSERT_EQ(host.entry<KestoEntry0>(0)(), 1);
    EXPECT_EQ(playNext(0, 0).songId, songId(mark.row));
    // Entry 24 hands the host the song that went into now playing at the posted position.
    for (const auto& play : host.hostLog().of(KESTO_MSG_PLAY_NOW_PLAYING))
        EXPECT_TRUE(play.wParam == 0 && play.lParam == 1) << play.wParam << ", " << play.lParam;
}

TEST_F(RowMessagesTest, GiftMessageIconShowsTheMessagePageOfTheGift) {
    host.show(2, kReceivedGiftsMenu);
    ASSERT_GT(list().rowCount(), 0) << "the service keeps a gift for every new user";
    const Cell icon = clickable(col::kMessage, ClickKind::Message);
    ASSERT_GE(icon.row, 0);
    const std::string page =
        "message.jsp?is_send=0&gift_id=" + std::string(list().record(icon.row)->text(SongField::Row_Text));
    clickCell(icon);
    ASSERT_TRUE(PanelHost::processUntil([&] { return host.htmlText().find(page) != std::string::npos; }, 5s))
        << host.htmlText();
}

TEST_F(RowMessagesTest, MusicVideoTitleOpensTheVideoPageThroughTheHost) {
    host.show(2, kMusicVideoPurchasesMenu);
    ASSERT_GT(list().rowCount(), 0);
    const Cell title = clickable(col::kMvName, ClickKind::MvTitle);
    ASSERT_GE(title.row, 0);
    clickCell(title);
    ASSERT_TRUE(hostGot(KESTO_MSG_MUSIC_VIDEO_PAGE));
    const auto page = host.hostLog().of(KESTO_MSG_MUSIC_VIDEO_PAGE)[0];
    EXPECT_NE(page.wText.find("music_video.jsp"), std::string::npos) << page.wText;
    EXPECT_NE(page.lText.find(std::string("p_mvid=") + list().record(title.row)->text(SongField::MV_ID)),
              std::string::npos)
        << page.lText;
}

} // namespace
} // namespace kesto::test
