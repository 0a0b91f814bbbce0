#pragma once
// A hyperlink control of the panel's dialogs: an underlined text that opens its target when
// clicked (or when Space or Enter is pressed on it). Three targets of the service (the user's
// page and the two device help pages) open through the log-in bridge instead, by POST with the
// user's credentials. A control marked external opens its target with the desktop's default
// browser; any other opens it in the browser window (see ExternalBrowser).

#include "protocol/protocol_context.h"
#include "protocol/web_handoff.h"

#include <QLabel>

namespace kesto {

class Hyperlink final : public QLabel {
    Q_OBJECT
public:
    Hyperlink(const QString& text, WebForm target, bool external, const ProtocolContext& context,
              QWidget* parent);

    void follow();
    const WebForm& target() const { return target_; }
    bool external() const { return external_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    WebForm target_;
    bool external_;
    ProtocolContext context_;
};

} // namespace kesto
