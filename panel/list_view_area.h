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
    WindowHandle hostSideWindow() const override { return hostWindow_; }
    // Where "load a play list or my album" is sent: the host's window.
    void setHostSideWindow(WindowHandle host) { hostWindow_ = host; }

    // Saves the column layout of the shown page kind.
    void saveColumns();

private:
    void arrange(int viewMode);
    int settingValue(const char* name, int fallback) const;

    PageState& state_;
    MessageBox* box_;
    std::unique_ptr<RegistryKey> key_;
    std::unique_ptr<RegistryColumnSettings> columnSettings_;
    std::unique_ptr<ColumnSetStore> columnStore_;
    QSplitter* splitter_;
    CMuleListCtrl* list_;
    HtmlArea* html_;
    WindowHandle hostWindow_ = nullptr;
    bool hasAddress_ = false;
    int installedKind_ = -1;
};

} // namespace kesto
