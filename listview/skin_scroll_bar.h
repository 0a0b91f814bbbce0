#pragma once
// The list's skinned scroll bar: a flat bar of fixed thickness (10 px in the mini list, 14 px
// elsewhere) that follows and moves the list's scroll position.

#include <QScrollBar>

namespace kesto {

class SkinScrollBar : public QScrollBar {
    Q_OBJECT
public:
    static constexpr int kMiniThickness = 10;
    static constexpr int kThickness = 14;

    SkinScrollBar(Qt::Orientation orientation, bool miniList, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kesto
