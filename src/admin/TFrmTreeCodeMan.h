#pragma once

#include "admin/TreeCodeService.h"

#include <QDialog>

class QAction;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The archive classification window ("档案分类"): the tree of t_treecode rows
// with the flag "type", in which the operator adds, renames and deletes
// categories, and, in picking mode, chooses one.
//
// Entry points, on the program's data module (the window is modal and
// destroyed when it ends):
//
//   if (TFrmTreeCodeMan::manage(this))
//       ...load the classification tree and the archive list again...
//
//   box->setText(TFrmTreeCodeMan::pick(this, box->text()));
//
// manage() returns true when the tree was changed during the visit. pick()
// selects and expands every node whose path equals the given text and
// returns the path of the category the operator chose, or the given text
// unchanged when he chose none. Every management command is available while
// picking too; a visit that changed the tree ends as a choice of the
// selected category, however the window is closed.
class TFrmTreeCodeMan : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Manage, Pick };

    static bool manage(QWidget* parent);
    static QString pick(QWidget* parent, const QString& currentPath);

    TFrmTreeCodeMan(TdmData& data, Mode mode, const QString& givenPath = QString(), QWidget* parent = nullptr);

    bool treeChanged() const { return m_changed; }
    // After the window ended: the chosen category's path, or the given text.
    QString pickedPath() const;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addCommand(const QString& text, void (TFrmTreeCodeMan::*handler)());
    QWidget* buildCommandPanel();
    QWidget* buildPickPanel();
    void loadTree();
    void selectPath(const QString& path);

    void addSibling();
    void addChild();
    void modify();
    void removeCategory();
    void addCategory(QTreeWidgetItem* parent, const QString& code, const QString& title, const QString& parentPath);
    void renameCategory(QTreeWidgetItem* node, const QString& name, const QString& oldPath, const QString& newPath);
    void nodeDoubleClicked(QTreeWidgetItem* node);
    void acceptChoice();

    QTreeWidgetItem* selectedNode() const;
    void markChanged();
    void paintNodeImages();

    TdmData& m_data;
    TreeCodeService m_service;
    Mode m_mode;
    QString m_givenPath;
    bool m_changed = false;
    QTreeWidget* m_tree;
    QList<QAction*> m_commands;
};
