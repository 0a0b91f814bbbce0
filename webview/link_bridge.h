#pragma once
// The object the web view publishes to the link script in its own script world, out of reach
// of the page's scripts: the script reports that it is connected and hands over the raw href of
// every scheme link the user clicks, with the origin of the document it was clicked in.

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
    void link(const QString& raw, const QString& origin) { emit linkClicked(raw, origin); }
    void ready() { scriptReady_ = true; }

signals:
    void linkClicked(const QString& raw, const QString& origin);

private:
    bool scriptReady_ = false;
};

} // namespace kesto
