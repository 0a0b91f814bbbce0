// The song information dialog of local songs through the real module.
#include "tests/integration/dialog_script.h"
#include "tests/integration/panel_entries_fixture.h"

namespace kesto::test {
namespace {

using SongInformationTest = PanelEntriesTest;

// The store is asked which on-line my albums hold a song only about its own ids: never about
// the id an album row or the panel made up for a file.
TEST_F(SongInformationTest, AsksTheStoreOnlyAboutItsOwnIds) {
    addAlbum("7", "Road Trip", {localFile("solo")});
    // The download storage folder lists a plain file.
    const auto folder = host.dataFolder() / "storage";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(localFile("plain"), folder / "plain.mp3");
    RegistryKey().writeRootString(folder.string(), settings::kLastSaveFolder);
    for (const int menu : {4100, 3000}) {
        host.show(4, menu, "7");
        ASSERT_TRUE(PanelHost::processUntil([&] { return host.list()->rowCount() == 1; }, 5s)) << menu;
        host.list()->setRowChecked(0, true);
        PanelHost::forgetRequests();
        DialogScript script;
        script.then("songInfo", [](QWidget* d) {
            EXPECT_EQ(d->findChild<QLabel*>("myAlbums"), nullptr);
            DialogScript::click(d, "ok");
        });
        QCoreApplication::postEvent(host.panelWindow(), new WindowMessageEvent(msg::kInfoPage, 0, 0));
        ASSERT_TRUE(PanelHost::processUntil([&] { return script.done(); }, 5s)) << menu;
        EXPECT_TRUE(PanelHost::requestsSent().empty()) << menu;
    }
    EXPECT_EQ(host.rowRecords()[0]->text(SongField::Song_ID)[0], '-') << "a plain file's id is made up";
}

} // namespace
} // namespace kesto::test
