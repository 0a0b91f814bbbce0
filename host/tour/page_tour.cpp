#include "host/tour/page_tour.h"

#include "host/session/host_session.h"
#include "host/tour/dialog_tour.h"
#include "host/tour/tour_story.h"
#include "host/window/main_window.h"
#include "host/window/page_menu.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTimer>

namespace kesto {

PageTour::PageTour(MainWindow& window, HostSession& session, HostPlayer& player, QString dir)
    : window_(window), session_(session), player_(player), dir_(std::move(dir)) {}

PageTour::~PageTour() = default;

std::vector<TourStep> PageTour::pageSteps() {
    std::vector<TourStep> steps;
    const auto pages = PageMenu::pages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const HostPage& page = pages[i];
        steps.push_back({[this, &page] { session_.show(page); }, PageMenu::shotName(i, page), {}});
    }
    return steps;
}

void PageTour::start() {
    QDir().mkpath(dir_);
    // The first picture is what a user sees first: the opening page, not a panel waiting for it.
    steps_.push_back({[this] { session_.showOpeningPage(); }, QStringLiteral("00-start.png"), {}});
    for (TourStep& step : pageSteps())
        steps_.push_back(std::move(step));
    for (TourStep& step : TourStory::steps(window_, session_, player_))
        steps_.push_back(std::move(step));
    QTimer::singleShot(kSettleMs, this, [this] { next(); });
}

void PageTour::next() {
    if (index_ >= steps_.size())
        return finish();
    steps_[index_].act();
    QTimer::singleShot(kSettleMs, this, [this] { waitThenShoot(kSettleMs); });
}

void PageTour::waitThenShoot(int waitedMs) {
    const TourStep& step = steps_[index_];
    if (step.ready && !step.ready() && waitedMs < kReadyLimitMs) {
        QTimer::singleShot(kPollMs, this, [this, waitedMs] { waitThenShoot(waitedMs + kPollMs); });
        return;
    }
    if (step.ready && !step.ready()) {
        window_.log(QStringLiteral("tour: %1 was not ready in time").arg(step.shot));
        ok_ = false;
    }
    shoot();
}

void PageTour::shoot() {
    const TourStep& step = steps_[index_];
    if (!step.shot.isEmpty())
        ok_ = window_.saveScreenshot(QDir(dir_).filePath(step.shot)) && ok_;
    ++index_;
    next();
}

void PageTour::finish() {
    if (!dialogs_) {
        // One picture of each dialog of the panel, opened as the user would open it.
        dialogs_ = std::make_unique<DialogTour>(session_, dir_, [this](bool ok) {
            window_.log(ok ? QStringLiteral("tour: every dialog shown")
                           : QStringLiteral("tour: a dialog did not open"));
            ok_ = ok && ok_;
            finish();
        });
        dialogs_->start();
        return;
    }
    if (finale_) {
        Finale finale = std::move(finale_);
        finale_ = nullptr;
        finale(dir_, [this](bool ok) {
            ok_ = ok && ok_;
            finish();
        });
        return;
    }
    window_.log(QStringLiteral("tour: %1 steps in %2").arg(steps_.size()).arg(dir_));
    // The last picture shows the log itself, opened as View → Messages does.
    if (auto* messages = window_.findChild<QAction*>(QStringLiteral("viewMessages"));
        messages && !messages->isChecked())
        messages->trigger();
    QTimer::singleShot(kSettleMs, this, [this] {
        ok_ = window_.saveScreenshot(QDir(dir_).filePath(QStringLiteral("99-message-log.png"))) && ok_;
        QApplication::exit(ok_ ? 0 : 1);
    });
}

} // namespace kesto
