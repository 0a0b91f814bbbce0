#pragma once
// The song list's header: titles, widths and order of the columns, the sort arrow, and one image
// per item (none, unchecked box, checked box) that turns the check column's header into the
// check-all box.

#include <QHeaderView>

class QStandardItemModel;

namespace kesto {

class SongListHeader : public QHeaderView {
    Q_OBJECT
public:
    // The rank column goes when the page shows no ranks; it is known by its title.
    static bool isRankTitle(const QString& title);

    enum Image { NoImage = 0, Unchecked = 1, Checked = 2 };

    explicit SongListHeader(QWidget* parent = nullptr);

    // Replaces every item; sorting and images start over.
    void setItems(const QStringList& titles);
    QString title(int column) const;

    void setImage(int column, int image);
    int image(int column) const;

    void setSortState(int column, bool ascending);
    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return sortAscending_; }

signals:
    void menuRequested(int column, const QPoint& globalPos);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QStandardItemModel* model_;
    std::vector<int> images_;
    int sortColumn_ = -1;
    bool sortAscending_ = false;
};

} // namespace kesto
