#pragma once
// The panel's row of command buttons and the search box. Buttons are made by the host's skin
// table (entries 4 and 9) in the panel's creation order; when the table gives none, plain
// push buttons stand in. A click posts the button's command to the panel window.

#include "include/kesto/panel_api.h"
#include "platform/message_port.h"

#include <QRect>
#include <QWidget>

#include <map>
#include <string>

class QLineEdit;

namespace kesto {

class ButtonBar final : public QWidget {
    Q_OBJECT
public:
    ButtonBar(KestoHostTable skin, MessagePort& port, WindowHandle panelWindow, QWidget* parent);

    QWidget* button(int controlId) const;
    void enableButton(int controlId, bool enabled);
    // The words typed into the search box, CP949.
    std::string searchWords() const;

private:
    static QRect place(std::size_t position);
    void packShown();
    QWidget* makeButton(KestoHostTable skin, int controlId, std::size_t position);
    void connectClick(QWidget* button, int controlId);

    MessagePort& port_;
    WindowHandle panelWindow_;
    QLineEdit* search_;
    std::map<int, QWidget*> buttons_;
};

} // namespace kesto
