#pragma once
// --tour DIR: shows every page of the page menu in turn and writes one screenshot of the
// window per page, then tells the story of a first run (a chart, listening to it, the
// now-playing list while a song plays, a local album and one of its songs playing), one
// picture of each dialog of the panel and of mini mode, takes a last one of the message log
// and ends the program.

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace kesto {

class DialogTour;
class HostPlayer;
class HostSession;
class MainWindow;

struct TourStep {
    std::function<void()> act;
    QString shot;                // file name of the screenshot after the step; empty: none
    std::function<bool()> ready; // waited for (up to kReadyLimitMs) before the shot; may be empty
};

class PageTour : public QObject {
public:
    // Time a page gets to settle (background readers, painting) before its picture is taken.
    static constexpr int kSettleMs = 400;
    static constexpr int kPollMs = 100;
    static constexpr int kReadyLimitMs = 15000;

    // Pictures taken after the story: written into the folder, then done is called.
    using Finale = std::function<void(const QString& dir, std::function<void(bool ok)> done)>;

    PageTour(MainWindow& window, HostSession& session, HostPlayer& player, QString dir);
    ~PageTour() override;
    void setFinale(Finale finale) { finale_ = std::move(finale); }
    void start();

private:
    std::vector<TourStep> pageSteps();
    void next();
    void waitThenShoot(int waitedMs);
    void shoot();
    void finish();

    MainWindow& window_;
    HostSession& session_;
    HostPlayer& player_;
    QString dir_;
    std::vector<TourStep> steps_;
    std::size_t index_ = 0;
    bool ok_ = true;
    Finale finale_;
    std::unique_ptr<DialogTour> dialogs_;
};

} // namespace kesto
