#pragma once
// The panel's list view: the song list control above the HTML area, arranged by the view
// mode (1 HTML alone, 2 and 3 both, 4 the list alone, 5 and 6 both with the splitter taken
// from the settings). Show page hands its lists over here.

#include "pages/page_view.h"
#include "platform/message_port.h"
#include "songs/song.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <unordered_map>

class QSplitter;

namespace kesto {

class SongListView;
class ColumnSetStore;
class HtmlArea;
class LinkLabel;
class ListOwnerActions;
class RegistryColumnSettings;
class RegistryKey;
class SongDrops;
struct DropDecision;
struct PageState;

class ListViewArea final : public QWidget, public PageView {
    Q_OBJECT
public:
    // Messages of the list control go to panelWindow through port.
    ListViewArea(PageState& state, MessagePort& port, WindowHandle panelWindow, MessageBox* box,
                 QWidget* parent);
    ~ListViewArea() override;

    SongListView& list() { return *list_; }
    LinkLabel& linkLabel() { return *label_; }
    HtmlArea& html() { return *html_; }

    // PageView
    void setViewMode(int viewMode) override;
    void dropRows() override;
    void showList(SongStore& store, const ListHandOver& handOver) override;
    void showCurrent(int row) override;

    // A web page alone, headed by its title (UTF-8) until the page announces links of its own.
    void showWebPage(const std::string& address, const std::string& title);

    // What the list tells and asks: the panel's part goes to the actions it hands in.
    void setActions(ListOwnerActions* actions) { actions_ = actions; }
    int pageKind() const;
    bool rankSuppressed() const { return rankSuppressed_; }
    int skinType() const;
    bool currentMarking() const;
    void setHostWindow(WindowHandle host);
    void checkChanged(int row, bool checked);
    void rowsSorted();
    bool commandEnabled(int commandId) const;
    void putInto(int commandId, const std::vector<Song*>& records);
    void forwardCommand(int commandId);
    void loadList(int which);
    void clearNowPlaying();
    void rowsMoved() { followRows(); }
    void songsDropped(const DropDecision& decision, const std::vector<Song>& songs);
    void filesDropped(const std::vector<std::string>& paths);

    // Where drops on the list go; null drops nothing.
    void setDrops(SongDrops* drops) { drops_ = drops; }

    // Saves the column layout of the shown page kind.
    void saveColumns();

private:
    void arrange(int viewMode);
    // The "No." column counts on from the pages before: page index x 50 (x 20 in the cart).
    void numberRows();
    // One whole album: each row shows its track number, wherever a sort put it.
    void numberTracks();
    // The folder page lists the newest files first.
    void sortNewestFirst();
    // The store behind the rows takes their new order.
    void followRows();
    int settingValue(const char* name, int fallback) const;

    PageState& state_;
    MessageBox* box_;
    std::unique_ptr<RegistryKey> key_;
    std::unique_ptr<RegistryColumnSettings> columnSettings_;
    std::unique_ptr<ColumnSetStore> columnStore_;
    LinkLabel* label_;
    QSplitter* splitter_;
    SongListView* list_;
    HtmlArea* html_;
    ListOwnerActions* actions_ = nullptr;
    SongDrops* drops_ = nullptr;
    bool hasAddress_ = false;
    std::string pageTitle_; // the heading of a web page shown alone
    int viewMode_ = 0;
    bool rankSuppressed_ = false;
    int installedKind_ = -1;
    std::int64_t numberBase_ = 0;
    std::unordered_map<const Song*, int> tracks_; // album pages: record to track number
};

} // namespace kesto
