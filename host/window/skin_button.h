#pragma once
// A skinned button drawn from the skin's image for its id: the image as drawn, lighter under
// the mouse, a pixel lower while pressed, faded when it does nothing on the page, outlined
// with the keyboard focus. Its text stays for screen readers and is not painted.

#include <QPushButton>

namespace kesto {

class SkinButton : public QPushButton {
    Q_OBJECT
public:
    SkinButton(int imageId, const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int imageId_;
};

} // namespace kesto
