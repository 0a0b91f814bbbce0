#pragma once
// The songs of a purchase or a gift with the price the store gave each, and the total.

#include "protocol/purchase_exchange.h"
#include "songs/song.h"

#include <QTableWidget>

#include <vector>

namespace kesto {

class PriceTable final : public QTableWidget {
public:
    PriceTable(QWidget* parent, const std::vector<Song>& songs, const PriceReply& prices);
};

} // namespace kesto
