#pragma once
// The dialog part of --tour: opens each dialog of the panel the way a user does (a page, the
// rows ticked, a button or entry), takes its picture once it has settled and closes it again.
// Play lists with a few songs and a gift-ready chart are made first so that each dialog shows
// real content.

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace kesto {

class HostSession;

class DialogTour : public QObject {
public:
    static constexpr int kSettleMs = 300;
    static constexpr int kWaitMs = 8000;

    DialogTour(HostSession& session, QString dir, std::function<void(bool ok)> done);
    void start();

private:
    struct Step {
        QString dialog;             // object name of the dialog that must open
        QString shot;               // file name, empty: no picture
        std::function<void()> open; // what the user does; empty: opened by the step before
        bool keepOpen = false;      // leave it for the next step (a nested dialog)
    };

    void prepare();
    void run();
    void poll();
    void shoot(QWidget* dialog);
    void post(unsigned message, long long wParam);
    void showPage(int viewMode, int menuId, const char* parameter);
    void tickAll();
    QWidget* panel() const;

    HostSession& session_;
    QString dir_;
    std::function<void(bool)> done_;
    std::vector<Step> steps_;
    std::size_t index_ = 0;
    int waited_ = 0;
    bool ok_ = true;
    QPointer<QWidget> kept_;
    std::string playlist_;
};

} // namespace kesto
