#pragma once
// Ends the event loop on SIGINT, SIGTERM and SIGHUP, so that a run stopped from its terminal
// still destroys the panel, stops the service and removes a throwaway data folder.

#include <QObject>

class QSocketNotifier;

namespace kesto {

class QuitOnSignal : public QObject {
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

private:
    static void onSignal(int);

    QSocketNotifier* notifier_ = nullptr;
    bool installed_ = false;
};

} // namespace kesto
