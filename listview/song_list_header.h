#pragma once
// The song list's header over the song table: widths, order and hiding of the columns, the sort
// arrow (Qt's sort indicator, drawn as the skins draw it), one image per section (none, unchecked
// box, checked box) that turns the check column's header into the check-all box, and the column
// chooser's menu request.

#include <QHeaderView>

namespace kesto {

class SongListHeader : public QHeaderView {
    Q_OBJECT
public:
    // The rank column goes when the page shows no ranks; it is known by its title.
    static bool isRankTitle(const QString& title);

    enum Image { NoImage = 0, Unchecked = 1, Checked = 2 };

    explicit SongListHeader(QWidget* parent = nullptr);

    // A new column set: sorting and images start over.
    void startOver(int count);
    QString title(int column) const;

    void setImage(int column, int image);
    int image(int column) const;

    void setSortState(int column, bool ascending) {
        setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    bool sortAscending() const { return sortIndicatorOrder() == Qt::AscendingOrder; }

signals:
    void menuRequested(int column, const QPoint& globalPos);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::vector<int> images_;
};

} // namespace kesto
