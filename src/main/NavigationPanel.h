#pragma once

#include "main/ArchiveListStatement.h"

#include <QTabWidget>

class Connection;
class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TdmData;

// The panel left of the archive list: the classification tree on the tab
// " 档案分类 " and, on " 项    目 ", the item list with its type drop-down and
// "刷新列表". It holds what the operator selected; the main window decides
// when the archive list follows.
class NavigationPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit NavigationPanel(TdmData& data, QWidget* parent = nullptr);

    // ---- classification ----
    // Loads the tree (root "档案分类", flag "type"), expands and selects the
    // root. A failing statement is thrown (DbError) with only the root loaded.
    void loadClasses();
    // The selected node's path; empty for the root or when none is selected.
    QString selectedClassPath() const;

    // ---- items ----
    ItemType itemType() const;
    // Empties the item list and fills it with "全部" and the entries of the
    // type's coded list; "全部" becomes current without counting as a choice.
    // A failing statement is thrown (DbError).
    void fillItems(ItemType type);
    // False while "全部" is current.
    bool hasItem() const;
    QString itemText() const;

Q_SIGNALS:
    void classActivated();        // a double-click on the tree
    void itemChosen();            // the operator chose a row of the item list
    void itemListRequested();     // another item type, or "刷新列表"

private:
    QWidget* buildItemsPage();
    void paintClassPictures();

    TdmData& m_data;
    QTreeWidget* m_tree;
    QTreeWidget* m_items;
    QComboBox* m_itemType;
    QPushButton* m_refresh;
};
