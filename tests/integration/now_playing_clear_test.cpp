// The rows of the now-playing page point into the now-playing store: a host that replaces
// the store's songs while the page shows (entry 43, twice, so that the first songs' memory is
// freed) finds the page showing the new songs, never the old ones.
#include "tests/integration/panel_host.h"

#include "listview/song_list_view.h"

#include <gtest/gtest.h>

namespace kesto::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string fileList(const std::vector<std::string>& names, const fs::path& folder) {
    std::string list;
    for (const std::string& name : names) {
        writeTaggedMp3(folder / (name + ".mp3"), name, "Tester");
        list += (folder / (name + ".mp3")).string() + '\0';
    }
    return list + '\0';
}

TEST(NowPlayingClearTest, ThePageFollowsTheStoreWhateverClearsIt) {
    PanelHost host;
    std::string why;
    ASSERT_TRUE(host.start(why)) << why;
    host.show(2, 1001, "00104");
    for (const int row : {0, 1, 2})
        host.list()->setRowChecked(row, true);
    host.entry<KestoEntry45>(45)();
    host.show(4, 0);
    ASSERT_EQ(host.list()->rowCount(), 3);

    for (const std::vector<std::string>& songs :
         {std::vector<std::string>{"alpha", "beta"}, std::vector<std::string>{"gamma"}}) {
        host.entry<KestoEntry43>(43)(fileList(songs, host.dataFolder()).c_str());
        host.list()->viewport()->repaint();
        ASSERT_TRUE(PanelHost::processUntil([&] { return host.rowNames() == songs; }, 5s))
            << host.rowNames().size() << " rows";
    }
}

} // namespace
} // namespace kesto::test
