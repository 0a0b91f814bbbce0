#pragma once
// The reference player's main window: a menu bar, the source pane beside the panel area (the
// window handed to the module), a status line in the user's words and, behind View →
// Messages, the log of every message the module posts to the host and of each call.

#include "host/session/host_message_text.h"

#include <QMainWindow>

class QLabel;
class QPlainTextEdit;
class QSplitter;

namespace kesto {

class HostPanelArea;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    HostPanelArea* panelArea() const { return panelArea_; }
    // Menus others add to: File, View and Help are there from the start.
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* viewMenu() const { return viewMenu_; }
    QMenu* helpMenu() const { return helpMenu_; }

    // Puts the pane left of the panel.
    void setSourcePane(QWidget* pane);
    // Window, panes and bars as the last run left them (call once everything is in).
    void restoreLayout();
    void saveLayout() const;

    // The message log only: numbers and calls, for whoever looks behind the scenes.
    void log(const QString& line);
    // The status line (and the log): the page, what plays, what failed, in the user's words.
    void say(const QString& text);
    QString logText() const;
    bool saveScreenshot(const QString& file);
    // While the store is asked: a busy cursor and a word in the status line.
    void showWaiting(bool waiting);
    // The window title names the song that plays (empty: none).
    void showSong(const QString& caption);

signals:
    // Each message the module posted, its text blocks read (and freed) and logged.
    void hostMessage(const HostMessage& message);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    HostPanelArea* panelArea_;
    QSplitter* split_;
    QPlainTextEdit* logPane_;
    QMenu* fileMenu_;
    QMenu* viewMenu_;
    QMenu* helpMenu_;
    QLabel* waitLabel_;
    int waits_ = 0;
};

} // namespace kesto
