#pragma once
// The frame every dialog of the panel shares: the caption "Kesto Player", the skin's colours
// and a band of its background image when the host's skin table gives them, a body for the content and an
// OK and Cancel row. Esc and Cancel reject; Enter presses OK.

#include "include/kesto/panel_api.h"

#include <QDialog>

#include <string_view>

class QDialogButtonBox;
class QLabel;
class QVBoxLayout;

namespace kesto {

// A UTF-8 text of the dialogs as drawn text.
QString dialogText(std::string_view utf8);

class SkinnedDialog : public QDialog {
public:
    SkinnedDialog(QWidget* parent, KestoHostTable skin, std::string_view headingUtf8);

protected:
    QVBoxLayout* body() { return body_; }
    QDialogButtonBox* buttons() { return buttons_; }
    // Called by OK; the dialog stays open unless it returns true.
    virtual bool confirm() { return true; }

private:
    void applySkin(KestoHostTable skin);
    void onOk();

    QLabel* band_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace kesto
