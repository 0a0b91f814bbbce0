#pragma once
// --tour DIR: shows every page of the page menu in turn and writes one screenshot of the
// window per page, then a last one of the message log, and ends the program.

#include <QObject>
#include <QString>

#include <cstddef>

namespace kesto {

class HostSession;
class MainWindow;

class PageTour : public QObject {
public:
    // Time a page gets to settle (background readers, painting) before its picture is taken.
    static constexpr int kSettleMs = 400;

    PageTour(MainWindow& window, HostSession& session, QString dir);
    void start();

private:
    void next();
    void shoot();

    MainWindow& window_;
    HostSession& session_;
    QString dir_;
    std::size_t index_ = 0;
    bool ok_ = true;
};

} // namespace kesto
