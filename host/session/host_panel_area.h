#pragma once
// The host window handed to the module: the panel becomes its child, and every numbered
// message the module posts or sends to it comes out as a signal.

#include <QWidget>
#include <cstdint>

namespace kesto {

class HostPanelArea : public QWidget {
    Q_OBJECT
public:
    explicit HostPanelArea(QWidget* parent = nullptr);

signals:
    void messageArrived(unsigned message, qintptr wParam, qintptr lParam);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kesto
