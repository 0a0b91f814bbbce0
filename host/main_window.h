#pragma once
// The reference player's main window: a menu bar, the panel area (the window handed to the
// module) and a log pane with every message the module posts to the host.

#include "host/host_message_text.h"

#include <QMainWindow>

class QPlainTextEdit;

namespace kesto {

class HostPanelArea;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    HostPanelArea* panelArea() const { return panelArea_; }
    // Menus others add to: File is there from the start.
    QMenu* fileMenu() const { return fileMenu_; }

    void log(const QString& line);
    QString logText() const;
    bool saveScreenshot(const QString& file);

signals:
    // Each message the module posted, its text blocks read (and freed) and logged.
    void hostMessage(const HostMessage& message);

private:
    HostPanelArea* panelArea_;
    QPlainTextEdit* logPane_;
    QMenu* fileMenu_;
};

} // namespace kesto
