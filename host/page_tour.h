#pragma once
// --tour DIR: shows every page of the page menu in turn and writes one screenshot of the
// window per page, then a last one of the message log, and ends the program.

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>

namespace kesto {

class HostSession;
class MainWindow;

class PageTour : public QObject {
public:
    // Time a page gets to settle (background readers, painting) before its picture is taken.
    static constexpr int kSettleMs = 400;

    // Pictures taken after the pages: written into the folder, then done is called.
    using Finale = std::function<void(const QString& dir, std::function<void(bool ok)> done)>;

    PageTour(MainWindow& window, HostSession& session, QString dir);
    void setFinale(Finale finale) { finale_ = std::move(finale); }
    void start();

private:
    void next();
    void shoot();

    MainWindow& window_;
    HostSession& session_;
    QString dir_;
    std::size_t index_ = 0;
    bool ok_ = true;
    Finale finale_;
};

} // namespace kesto
