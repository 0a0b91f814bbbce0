#pragma once
// The source pane beside the panel: the page groups with their pages, the now-playing list and
// the user's local albums and play lists, each shown with one click or Enter.

#include <QTreeWidget>

#include <functional>
#include <string>

namespace kesto {

class SourcePane : public QTreeWidget {
    Q_OBJECT
public:
    using Show = std::function<void(int menuId, const std::string& parameter)>;

    SourcePane(Show show, QWidget* parent = nullptr);

    // The page groups, then the albums and play lists of the album database in dataFolder.
    void fill(const std::string& dataFolder);
    // Marks the item of a page shown by other means (menus, the tour), if it has one.
    void markShown(int menuId, const std::string& parameter);

private:
    QTreeWidgetItem* group(const QString& name);
    void add(QTreeWidgetItem* parent, const QString& title, int menuId, const std::string& parameter);
    void choose(QTreeWidgetItem* item);

    Show show_;
};

} // namespace kesto
