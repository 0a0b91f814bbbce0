#pragma once
// The links a buyer needs beside a purchase or a gift: the user's page (through the log-in
// bridge), the cash charge page (posted with the user's credentials), the questions often
// asked (in the desktop's default browser), the counselling page and the help pages on the
// devices songs go to and on free downloads.

#include "protocol/protocol_context.h"

#include <QWidget>

namespace kesto {

class BuyerLinks final : public QWidget {
public:
    BuyerLinks(const ProtocolContext& context, QWidget* parent);
};

} // namespace kesto
