#pragma once
// The player's keys: Space plays or pauses where the focused control does not take it, Ctrl+F
// goes to the panel's search box, Ctrl+L to the source pane, the media keys where the
// platform hands them to the window; Help → Keys lists them.

#include <QObject>

#include <functional>

class QMenu;
class QWidget;

namespace kesto {

class MainWindow;
class PlayController;

class PlayerKeys : public QObject {
public:
    PlayerKeys(MainWindow& window, PlayController& controller, std::function<void()> playPause);

    // The keys as the help lists them, one "key\twhat" a line.
    static QStringList lines();
    void showHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusSearch();
    void focusSources();

    MainWindow& window_;
    PlayController& controller_;
    std::function<void()> playPause_;
};

} // namespace kesto
