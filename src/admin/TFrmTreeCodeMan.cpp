#include "admin/TFrmTreeCodeMan.h"
#include "platform/DialogButtons.h"

#include "admin/TDLGenterCaption.h"
#include "db/DataModule.h"
#include "db/DbError.h"
#include "platform/Messages.h"
#include "platform/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <functional>

namespace {

const QString kCaption = QStringLiteral("档案分类");
const QString kFlag = QStringLiteral("type");
const QString kRootPath = QStringLiteral("\\\\");
const QString kBanner = QStringLiteral("    增加节点，需先选中左边框里的节点成灰色，然后才能选择增加同级节点或子节点");
const QString kNoRootSibling = QStringLiteral("不能增加根节点的同类节点，该节点只能增加子节点！");
const QString kRootNotChosen = QStringLiteral("不能选择根节点！");
const QString kRootNotDeleted = QStringLiteral("不能删除根节点！");
const QString kLevelFull = QStringLiteral("这一级的分类编号已用到999，不能再增加分类！");
const QString kHasChildren = QStringLiteral("此节点包含有子节点，真的要删除所有的子节点吗？");
const QString& kLoadFailed = DataMessages::kOperationFailed;

// The pictures of the classification tree: the root; a first-level category
// with children; any other category; any other category while selected.
bool isRoot(const QTreeWidgetItem* node)
{
    return node && !node->parent();
}

enum NodeImage { RootImage, BranchImage, LeafImage, SelectedLeafImage };

NodeImage nodeImage(const QTreeWidgetItem* node, bool selected)
{
    if (!node->parent())
        return RootImage;
    if (!node->parent()->parent() && node->childCount() > 0)
        return BranchImage;
    return selected ? SelectedLeafImage : LeafImage;
}

// The program's own pictures, the ones the main window's tree shows; the
// style's when the program carries none.
QIcon nodeIcon(NodeImage image)
{
    static const struct {
        const char* file;
        QStyle::StandardPixmap fallback;
    } pictures[] = {{":/icons/document-multiple-16.png", QStyle::SP_DriveHDIcon},
                    {":/icons/folder-documents-16.png", QStyle::SP_DirIcon},
                    {":/icons/folder-16.png", QStyle::SP_FileIcon},
                    {":/icons/folder-open-16.png", QStyle::SP_DirOpenIcon}};
    const QString file = QString::fromLatin1(pictures[image].file);
    return QFile::exists(file) ? QIcon(file) : QApplication::style()->standardIcon(pictures[image].fallback);
}

void forEachInSubtree(QTreeWidgetItem* node, const std::function<void(QTreeWidgetItem*)>& visit)
{
    visit(node);
    for (int i = 0; i < node->childCount(); ++i)
        forEachInSubtree(node->child(i), visit);
}

QString deleteQuestion(const QTreeWidgetItem* node)
{
    if (node->childCount() > 0)
        return kHasChildren;
    const TreeNodeRecord category = CodeTree::record(node);
    return QStringLiteral("真的要删除当前节点 “") + category.code + category.name + QStringLiteral("” 吗？");
}

QPushButton* commandButton(QAction* command, QWidget* parent)
{
    auto* button = new QPushButton(command->text(), parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, command, &QAction::trigger);
    return button;
}

}

bool TFrmTreeCodeMan::manage(QWidget* parent)
{
    TFrmTreeCodeMan window(*dmData, Mode::Manage, QString(), parent);
    DispFormPos(&window, 1);
    return window.exec() == QDialog::Accepted;
}

QString TFrmTreeCodeMan::pick(QWidget* parent, const QString& currentPath)
{
    TFrmTreeCodeMan window(*dmData, Mode::Pick, currentPath, parent);
    DispFormPos(&window, 1);
    window.exec();
    return window.pickedPath();
}

TFrmTreeCodeMan::TFrmTreeCodeMan(TdmData& data, Mode mode, const QString& givenPath, QWidget* parent)
    : QDialog(parent), m_data(data), m_service(data, kFlag), m_mode(mode), m_givenPath(givenPath), m_tree(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("TFrmTreeCodeMan"));
    setWindowTitle(kCaption);
    resize(560, 440);

    m_tree->setObjectName(QStringLiteral("tvTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &TFrmTreeCodeMan::paintNodeImages);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &TFrmTreeCodeMan::nodeDoubleClicked);

    auto* banner = new QLabel(kBanner, this);
    banner->setObjectName(QStringLiteral("lblBanner"));
    banner->setWordWrap(true);
    auto* body = new QHBoxLayout;
    body->addWidget(m_tree, 1);
    body->addWidget(buildCommandPanel());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addLayout(body, 1);
    layout->addWidget(buildPickPanel());

    loadTree();
    if (m_mode == Mode::Pick)
        selectPath(m_givenPath);
}

QAction* TFrmTreeCodeMan::addCommand(const QString& text, void (TFrmTreeCodeMan::*handler)())
{
    auto* command = new QAction(text, this);
    connect(command, &QAction::triggered, this, handler);
    m_tree->addAction(command);
    return command;
}

QWidget* TFrmTreeCodeMan::buildCommandPanel()
{
    QAction* addSibling = addCommand(QStringLiteral("添加同类(&A)"), &TFrmTreeCodeMan::addSibling);
    QAction* addChild = addCommand(QStringLiteral("添加子类(&C)"), &TFrmTreeCodeMan::addChild);
    QAction* modify = addCommand(QStringLiteral("修    改(&E)"), &TFrmTreeCodeMan::modify);
    QAction* remove = addCommand(QStringLiteral("删除(包含子类)"), &TFrmTreeCodeMan::removeCategory);
    modify->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    remove->setShortcut(QKeySequence(Qt::Key_Delete));

    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    const struct {
        QAction* command;
        const char* name;
    } buttons[] = {{addSibling, "btnAddSibling"}, {addChild, "btnAddChild"}, {modify, "btnModify"}, {remove, "btnDelete"}};
    for (const auto& entry : buttons) {
        QPushButton* button = commandButton(entry.command, panel);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setMinimumWidth(120);
        column->addWidget(button);
    }
    column->addStretch();
    return panel;
}

QWidget* TFrmTreeCodeMan::buildPickPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlPick"));
    const DialogButtons buttons = makeDialogButtons(panel, false);
    buttons.row->setContentsMargins(0, 0, 0, 0);
    panel->setLayout(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &TFrmTreeCodeMan::acceptChoice);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    panel->setVisible(m_mode == Mode::Pick);
    return panel;
}

void TFrmTreeCodeMan::loadTree()
{
    try {
        m_data.loadTree(m_tree, kCaption, kFlag);
    } catch (const DbError&) {
        ShowMess(kLoadFailed, MessFailure);
    }
    QTreeWidgetItem* root = m_tree->topLevelItem(0);
    root->setExpanded(true);
    m_tree->setCurrentItem(root);
    paintNodeImages();
}

void TFrmTreeCodeMan::selectPath(const QString& path)
{
    QTreeWidgetItem* first = nullptr;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (CodeTree::record(*it).path != path)
            continue;
        for (QTreeWidgetItem* at = *it; at; at = at->parent())
            at->setExpanded(true);
        if (!first)
            first = *it;
    }
    if (first) {
        m_tree->setCurrentItem(first);
        m_tree->scrollToItem(first);
    }
}

void TFrmTreeCodeMan::addSibling()
{
    QTreeWidgetItem* node = selectedNode();
    if (!node)
        return;
    if (isRoot(node)) {
        ShowMess(kNoRootSibling, MessNotice);
        return;
    }
    const TreeNodeRecord selected = CodeTree::record(node);
    QTreeWidgetItem* parent = node->parent();
    const QString parentPath = isRoot(parent) ? kRootPath : TdmData::nodePath(node, 2);
    addCategory(parent, m_service.siblingCode(selected),
                QStringLiteral("添加 ") + selected.code + QLatin1Char(' ') + selected.name + QStringLiteral(" 同类"), parentPath);
}

void TFrmTreeCodeMan::addChild()
{
    QTreeWidgetItem* node = selectedNode();
    if (!node)
        return;
    const TreeNodeRecord selected = CodeTree::record(node);
    addCategory(node, m_service.childCode(selected),
                QStringLiteral("添加 ") + selected.code + QLatin1Char(' ') + selected.name + QStringLiteral(" 子类"), selected.path);
}

void TFrmTreeCodeMan::addCategory(QTreeWidgetItem* parent, const QString& code, const QString& title, const QString& parentPath)
{
    if (code.isEmpty()) {
        ShowMess(kLevelFull, MessRefusal);
        return;
    }
    const QString name = TDLGenterCaption::enterCaption(this, title);
    if (name.trimmed().isEmpty())
        return;
    const TreeNodeRecord category{static_cast<int>(code.size()), code, name, TreeCodeService::childPath(parentPath, name)};
    if (!m_service.insert(category))
        return;
    auto* node = new QTreeWidgetItem(parent, QStringList{name});
    CodeTree::setRecord(node, category);
    parent->setExpanded(true);
    m_tree->scrollToItem(node);
    markChanged();
}

void TFrmTreeCodeMan::modify()
{
    QTreeWidgetItem* node = selectedNode();
    if (!node || isRoot(node))
        return;
    const TreeNodeRecord category = CodeTree::record(node);
    const QString oldPath = TdmData::nodePath(node, 1);
    const QString name = TDLGenterCaption::enterCaption(
        this, QStringLiteral("修改类别 ") + category.code + QLatin1Char(' ') + category.name + QStringLiteral(" 子类"), category.name);
    if (name.trimmed().isEmpty())
        return;
    const QString parentPath = isRoot(node->parent()) ? kRootPath : CodeTree::record(node->parent()).path;
    const QString newPath = TreeCodeService::childPath(parentPath, name);
    if (TreeCodeService::samePath(oldPath, newPath))
        return;
    if (!m_service.rename(category.code, name, oldPath, newPath))
        return;
    renameCategory(node, name, oldPath, newPath);
    markChanged();
}

void TFrmTreeCodeMan::renameCategory(QTreeWidgetItem* node, const QString& name, const QString& oldPath, const QString& newPath)
{
    forEachInSubtree(node, [&](QTreeWidgetItem* below) {
        TreeNodeRecord record = CodeTree::record(below);
        record.path = TreeCodeService::movedPath(record.path, oldPath, newPath);
        CodeTree::setRecord(below, record);
    });
    TreeNodeRecord record = CodeTree::record(node);
    record.name = name;
    record.path = newPath;
    CodeTree::setRecord(node, record);
    node->setText(0, name);
}

void TFrmTreeCodeMan::removeCategory()
{
    QTreeWidgetItem* node = selectedNode();
    if (!node)
        return;
    if (isRoot(node)) {
        ShowMess(kRootNotDeleted, MessNotice);
        return;
    }
    if (ShowMess(deleteQuestion(node), MessQuestion) != MessYes)
        return;
    // The table is read again by whoever shows the tree next, so the node
    // leaves even when the statement failed (the data module reported it).
    m_service.removeSubtree(CodeTree::record(node).code);
    delete node;
    markChanged();
}

void TFrmTreeCodeMan::nodeDoubleClicked(QTreeWidgetItem* node)
{
    if (m_mode == Mode::Pick)
        acceptChoice();
    else if (isRoot(node))
        ShowMess(kRootNotChosen, MessNotice);
}

void TFrmTreeCodeMan::acceptChoice()
{
    QTreeWidgetItem* node = selectedNode();
    if (!node || isRoot(node)) {
        ShowMess(kRootNotChosen, MessNotice);
        return;
    }
    accept();
}

QString TFrmTreeCodeMan::pickedPath() const
{
    QTreeWidgetItem* node = selectedNode();
    if (result() == QDialog::Accepted && node && !isRoot(node))
        return CodeTree::record(node).path;
    return m_givenPath;
}

void TFrmTreeCodeMan::done(int result)
{
    QDialog::done(m_changed ? QDialog::Accepted : result);
}

bool TFrmTreeCodeMan::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_mode == Mode::Pick)
                acceptChoice();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QTreeWidgetItem* TFrmTreeCodeMan::selectedNode() const
{
    return m_tree->currentItem();
}

void TFrmTreeCodeMan::markChanged()
{
    m_changed = true;
    paintNodeImages();
}

void TFrmTreeCodeMan::paintNodeImages()
{
    const QTreeWidgetItem* selected = m_tree->currentItem();
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it)
        (*it)->setIcon(0, nodeIcon(nodeImage(*it, *it == selected)));
}
