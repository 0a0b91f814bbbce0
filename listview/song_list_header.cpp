#include "listview/song_list_header.h"

#include "platform/check_box_painter.h"

#include <QContextMenuEvent>
#include <QPainter>

namespace kesto {

SongListHeader::SongListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setStretchLastSection(false);
    setMinimumSectionSize(0);
    setDefaultAlignment(Qt::AlignCenter);
    setSectionResizeMode(QHeaderView::Interactive);
}

void SongListHeader::startOver(int count) {
    images_.assign(static_cast<std::size_t>(count), NoImage);
    setSortState(-1, false);
}

QString SongListHeader::title(int column) const {
    return model() != nullptr ? model()->headerData(column, Qt::Horizontal).toString() : QString();
}

void SongListHeader::setImage(int column, int image) {
    if (column < 0 || column >= static_cast<int>(images_.size()))
        return;
    images_[static_cast<std::size_t>(column)] = image;
    updateSection(column);
}

int SongListHeader::image(int column) const {
    return column >= 0 && column < static_cast<int>(images_.size())
               ? images_[static_cast<std::size_t>(column)]
               : NoImage;
}

void SongListHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    const int img = image(logicalIndex);
    if (img != NoImage)
        CheckBoxPainter::paint(*painter, rect, img == Checked);
    if (logicalIndex == sortIndicatorSection() && rect.width() > 12) {
        // A small triangle at the right edge: up while ascending.
        const int x = rect.right() - 9;
        const int y = rect.center().y();
        const QPolygon arrow = sortAscending()
                                   ? QPolygon({QPoint(x - 4, y + 2), QPoint(x + 4, y + 2), QPoint(x, y - 3)})
                                   : QPolygon({QPoint(x - 4, y - 2), QPoint(x + 4, y - 2), QPoint(x, y + 3)});
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(120, 120, 120));
        painter->drawPolygon(arrow);
        painter->restore();
    }
}

void SongListHeader::contextMenuEvent(QContextMenuEvent* event) {
    emit menuRequested(logicalIndexAt(event->pos()), event->globalPos());
    event->accept();
}

bool SongListHeader::isRankTitle(const QString& title) {
    return title.compare(QStringLiteral("RANK"), Qt::CaseInsensitive) == 0;
}

} // namespace kesto
