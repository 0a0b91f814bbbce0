#pragma once
// The host's browser window for the pages the module hands over (web pages, song information,
// phone decoration, music videos, the log-in bridge): one window, reused, opened by GET or by
// POST with the form text the module gave.

#include <QByteArray>
#include <QUrl>
#include <QWidget>

namespace kesto {

class WebPageWindow : public QWidget {
    Q_OBJECT
public:
    explicit WebPageWindow(QWidget* parent = nullptr);

    // An empty form opens the page by GET; an address that is not http or https is not opened.
    void open(const QUrl& page, const QByteArray& form);
    QUrl lastPage() const { return last_; }
    QByteArray lastForm() const { return lastForm_; }

private:
    QWidget* view_;
    QUrl last_;
    QByteArray lastForm_;
};

} // namespace kesto
