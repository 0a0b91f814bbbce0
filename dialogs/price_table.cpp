#include "dialogs/price_table.h"

#include "dialogs/skinned_dialog.h"
#include "platform/cp949.h"

#include <QHeaderView>

#include <string_view>

namespace kesto {
namespace {

constexpr std::string_view kSong = "곡명";
constexpr std::string_view kArtist = "아티스트";
constexpr std::string_view kPrice = "가격";
constexpr std::string_view kNotForSale = "구매불가";

QString local(const char* cp949) {
    return QString::fromStdString(Cp949::toUtf8(cp949));
}

const PriceGroup* groupOf(const PriceReply& prices, std::string_view songId) {
    for (const PriceGroup& group : prices.groups)
        if (group.textA == songId)
            return &group;
    return nullptr;
}

} // namespace

PriceTable::PriceTable(QWidget* parent, const std::vector<Song>& songs, const PriceReply& prices)
    : QTableWidget(static_cast<int>(songs.size()), 3, parent) {
    setObjectName(QStringLiteral("prices"));
    setHorizontalHeaderLabels({dialogText(kSong), dialogText(kArtist), dialogText(kPrice)});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    setWordWrap(false);
    for (int row = 0; row < rowCount(); ++row) {
        const Song& song = songs[static_cast<std::size_t>(row)];
        const PriceGroup* group = groupOf(prices, song.text(SongField::Song_ID));
        setItem(row, 0,
                new QTableWidgetItem(local(song.text(SongField::Song_Name)[0] != '\0'
                                               ? song.text(SongField::Song_Name)
                                               : song.text(SongField::Song_ID))));
        setItem(row, 1, new QTableWidgetItem(local(song.text(SongField::Artist_Name))));
        const QString price =
            group == nullptr || !group->flag ? dialogText(kNotForSale) : QString::fromStdString(group->textB);
        auto* cell = new QTableWidgetItem(price);
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, 2, cell);
    }
    setMinimumHeight(120);
}

} // namespace kesto
