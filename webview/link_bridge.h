#pragma once
// The object the web view publishes to its pages' link script: the script reports that it is
// connected and hands over the raw href of every scheme link the user clicks.

#include <QObject>
#include <QString>

namespace kesto {

class LinkBridge final : public QObject {
    Q_OBJECT
public:
    explicit LinkBridge(QObject* parent = nullptr) : QObject(parent) {}

    // Whether the current document's script is connected; a new document starts without.
    bool scriptReady() const { return scriptReady_; }
    void documentStarted() { scriptReady_ = false; }

public slots:
    void link(const QString& raw) { emit linkClicked(raw); }
    void ready() { scriptReady_ = true; }

signals:
    void linkClicked(const QString& raw);

private:
    bool scriptReady_ = false;
};

} // namespace kesto
