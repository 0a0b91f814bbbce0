#pragma once
// --tour DIR: shows every page of the page menu in turn and writes one screenshot of the
// window per page, then one of each dialog of the panel, then a last one of the message log,
// and ends the program.

#include <QObject>
#include <QString>

#include <cstddef>
#include <memory>

namespace kesto {

class DialogTour;
class HostSession;
class MainWindow;

class PageTour : public QObject {
public:
    // Time a page gets to settle (background readers, painting) before its picture is taken.
    static constexpr int kSettleMs = 400;

    PageTour(MainWindow& window, HostSession& session, QString dir);
    ~PageTour() override;
    void start();

private:
    void next();
    void shoot();
    void finish(bool dialogsOk);

    MainWindow& window_;
    HostSession& session_;
    QString dir_;
    std::size_t index_ = 0;
    bool ok_ = true;
    std::unique_ptr<DialogTour> dialogs_;
};

} // namespace kesto
