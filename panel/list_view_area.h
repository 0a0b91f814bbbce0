#pragma once
// The panel's list view: the song list control above the HTML area, arranged by the view
// mode (1 HTML alone, 2 and 3 both, 4 the list alone, 5 and 6 both with the splitter taken
// from the settings). Show page hands its lists over here.

#include "listview/list_control_owner.h"
#include "pages/page_view.h"

#include <QWidget>

#include <memory>

class QSplitter;

namespace kesto {

class CMuleListCtrl;
class ColumnSetStore;
class HtmlArea;
class RegistryColumnSettings;
class RegistryKey;
class SongDrops;
struct PageState;

class ListViewArea final : public QWidget, public PageView, public ListControlOwner {
    Q_OBJECT
public:
    // Messages of the list control go to panelWindow through port.
    ListViewArea(PageState& state, MessagePort& port, WindowHandle panelWindow, MessageBox* box,
                 QWidget* parent);
    ~ListViewArea() override;

    CMuleListCtrl& list() { return *list_; }
    HtmlArea& html() { return *html_; }

    // PageView
    void setViewMode(int viewMode) override;
    void dropRows() override;
    void showList(SongStore& store, const ListHandOver& handOver) override;
    void showCurrent(int row) override;

    // ListControlOwner
    int pageKind() const override;
    MessageBox* messageBox() override { return box_; }
    void rowsMoved() override { followRows(); }
    void rowsSorted() override { followRows(); }
    void songsDropped(const std::vector<SongRecord>& songs) override;
    void filesDropped(const std::vector<std::string>& paths) override;

    // Where drops on the list go; null drops nothing.
    void setDrops(SongDrops* drops) { drops_ = drops; }

    // Saves the column layout of the shown page kind.
    void saveColumns();

private:
    void arrange(int viewMode);
    // The store behind the rows takes their new order.
    void followRows();
    int settingValue(const char* name, int fallback) const;

    PageState& state_;
    MessageBox* box_;
    std::unique_ptr<RegistryKey> key_;
    std::unique_ptr<RegistryColumnSettings> columnSettings_;
    std::unique_ptr<ColumnSetStore> columnStore_;
    QSplitter* splitter_;
    CMuleListCtrl* list_;
    HtmlArea* html_;
    SongDrops* drops_ = nullptr;
    bool hasAddress_ = false;
    int installedKind_ = -1;
};

} // namespace kesto
