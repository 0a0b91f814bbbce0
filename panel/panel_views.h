#pragma once
// The panel's child widgets as the parts and the entries see them: the HTML area, the list
// control and the buttons that follow the page shown. Made with the window, gone with it.

#include "module/list_control_operations.h"
#include "pages/panel_window_ops.h"

namespace kesto {

class ButtonBar;
class ListPanelWindow;
class ListViewArea;
class ModuleState;
class PageNavigator;
struct PageState;

struct PanelViewParts {
    ListPanelWindow* window = nullptr;
    ButtonBar* buttons = nullptr;
    ListViewArea* listView = nullptr;
    const PageState* state = nullptr;
    const ModuleState* module = nullptr; // the host window
};

class PanelViews final : public PanelWindowOps, public ListControlOperations {
public:
    explicit PanelViews(PanelViewParts parts) : p_(parts) {}

    // The history buttons follow the navigator's history.
    void setNavigator(const PageNavigator* navigator) { navigator_ = navigator; }

    // PanelWindowOps
    void layOut() override;
    void timerFired(TimerId timer) override;
    void navigateHtml(const std::string& address) override;
    void showWebPage(const std::string& address, const std::string& title) override;
    void postHtml(const std::string& address, const std::string& body) override;
    void refreshButtons() override;
    void forwardToListControl() override;
    void updateHost() override;
    std::string searchWords() const override;
    bool recordAt(int row, Song& out) const override;
    Selection tickedSongs() const override;

    // ListControlOperations
    void clearSelection() override;
    int selectAll(bool on) override;
    void listControlCommand() override { forwardToListControl(); }
    WindowHandle childWindow(int which, KestoRect& screenRect) const override;
    int showBlankPage() override;

private:
    PanelViewParts p_;
    const PageNavigator* navigator_ = nullptr;
};

} // namespace kesto
