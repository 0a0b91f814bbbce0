// Texts from tags and the settings in the panel's dialogs, through the real module in a Qt
// host against the reference service. One test per process (one host per load).
#include "tests/integration/dialog_script.h"
#include "tests/integration/panel_entries_fixture.h"
#include "tests/support/shown_text.h"

#include <QCoreApplication>

namespace kesto::test {
namespace {

class OutsideTextTest : public PanelEntriesTest {
protected:
    // Local album 7 with one file whose title tag is title.
    void taggedLocalSong(const std::string& title) {
        const auto path = host.dataFolder() / "music" / "tagged.mp3";
        std::filesystem::create_directories(path.parent_path());
        writeTaggedMp3(path, title, "Tester");
        addAlbum("7", "Road Trip", {path});
    }
};

// A song's title tag and a folder from the settings in every dialog that shows them, with
// the tooltips of the dialogs' links: shown as written, never as markup, and nothing an <img>
// names is read (memory stays where it was).
TEST_F(OutsideTextTest, ShowsAsWrittenInTheDialogs) {
    const QString name = u("<img src=\"/dev/zero\"><b>x</b>");
    // The song's name comes from its title tag.
    taggedLocalSong(name.toStdString());
    PanelHost::setTags(PanelHost::Tags::Real);
    const auto downloads = host.dataFolder() / "downloads" / name.toStdString();
    std::filesystem::create_directories(downloads);
    RegistryKey().writeRootString(downloads.string(), settings::kLastSaveFolder);
    const auto startKiB = residentKiB();
    std::vector<std::pair<std::string, QString>> shown; // place, text as the user sees it
    const auto label = [&shown](QWidget* d, const char* place, const char* object) {
        const auto* l = d->findChild<QLabel*>(QString::fromLatin1(object));
        shown.emplace_back(place, l != nullptr ? shownText(l->text(), l->textFormat()) : QString());
    };
    const auto linkTips = [&shown](QWidget* d, const char* place) {
        for (const auto* l : d->findChildren<QLabel*>())
            if (!l->toolTip().isEmpty())
                shown.emplace_back(place, shownText(l->toolTip()));
    };
    DialogScript script;
    script
        .then("songInfo",
              [&](QWidget* d) {
                  label(d, "song information", "songName");
                  DialogScript::click(d, "ok");
              })
        .then("purchase", [&](QWidget* d) {
            label(d, "download options' folder", "saveFolder");
            linkTips(d, "purchase link tooltip");
            DialogScript::click(d, "cancel");
        });
    host.show(4, 4100, "7");
    ASSERT_TRUE(waitForReady(1));
    host.list()->setRowChecked(0, true);
    QCoreApplication::postEvent(host.panelWindow(), new WindowMessageEvent(msg::kInfoPage, 0, 0));
    ASSERT_TRUE(PanelHost::processUntil([&] { return script.opened("songInfo") == 1; }, 5s));
    host.show(2, kChartMenu, kChart);
    tick({0});
    host.entry<KestoEntry69>(69)(0, "");
    ASSERT_TRUE(PanelHost::processUntil([&] { return script.done(); }, 10s));
    ASSERT_GE(shown.size(), 3u);
    for (const auto& [place, text] : shown) {
        if (place.find("tooltip") != std::string::npos)
            EXPECT_FALSE(text.contains(u("<p"))) << place << ": " << text.toStdString();
        else
            EXPECT_TRUE(text.contains(name)) << place << ": " << text.toStdString();
    }
    EXPECT_LT(residentKiB() - startKiB, 64 * 1024);
}

} // namespace
} // namespace kesto::test
