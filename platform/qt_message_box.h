#pragma once
// MessageBox over Qt: a modal QMessageBox with the caption, icon and buttons of the style.

#include "platform/message_box.h"
#include "platform/message_port.h"

namespace kesto {

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(WindowHandle parent = nullptr) : parent_(parent) {}

    // The window the box is modal to (a QWidget*), or null for an application-modal box.
    void setParentWindow(WindowHandle parent) { parent_ = parent; }

    int show(std::string_view textCp949, std::string_view captionCp949, int style) override;
    int showWithCheck(std::string_view textCp949, std::string_view captionCp949, int style,
                      std::string_view checkTextCp949, bool& checked) override;

private:
    // An empty check text draws no check box.
    int run(std::string_view textCp949, std::string_view captionCp949, int style,
            std::string_view checkTextCp949, bool& checked);

    WindowHandle parent_;
};

} // namespace kesto
