#include "main/NavigationPanel.h"

#include "db/CodeTree.h"
#include "db/DataModule.h"
#include "db/DataSet.h"
#include "main/MainIcons.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kItemsTab = 1;
constexpr int kNumberColumnWidth = 36;

// The pictures of the classification: 0 the root, 1 a first-level class
// with classes below it, 2 any other class and 3 that class while selected.
QIcon classPicture(const QTreeWidgetItem* node)
{
    if (!node->parent())
        return MainIcons::icon(QStringLiteral("document-multiple"));
    if (!node->parent()->parent() && node->childCount() > 0)
        return MainIcons::icon(QStringLiteral("folder-documents"));
    QIcon picture = MainIcons::icon(QStringLiteral("folder"));
    picture.addFile(QStringLiteral(":/icons/folder-open-16.png"), QSize(16, 16), QIcon::Selected);
    return picture;
}

void paintSubtree(QTreeWidgetItem* node)
{
    node->setIcon(0, classPicture(node));
    for (int i = 0; i < node->childCount(); ++i)
        paintSubtree(node->child(i));
}

}

NavigationPanel::NavigationPanel(TdmData& data, QWidget* parent)
    : QTabWidget(parent),
      m_data(data),
      m_tree(new QTreeWidget(this)),
      m_items(new QTreeWidget(this)),
      m_itemType(new QComboBox(this)),
      m_refresh(new QPushButton(MainIcons::icon(QStringLiteral("view-refresh")), QStringLiteral("刷新列表"), this))
{
    setObjectName(QStringLiteral("pgNavigation"));
    setTabPosition(QTabWidget::South);
    m_tree->setObjectName(QStringLiteral("tvClass"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setExpandsOnDoubleClick(false);
    addTab(m_tree, QStringLiteral(" 档案分类 "));
    addTab(buildItemsPage(), QStringLiteral(" 项    目 "));
    setCurrentIndex(kItemsTab);

    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &NavigationPanel::classActivated);
    connect(m_items, &QTreeWidget::currentItemChanged, this, &NavigationPanel::itemChosen);
    connect(m_itemType, &QComboBox::currentIndexChanged, this, &NavigationPanel::itemListRequested);
    connect(m_refresh, &QPushButton::clicked, this, &NavigationPanel::itemListRequested);
}

QWidget* NavigationPanel::buildItemsPage()
{
    auto* page = new QWidget(this);
    m_items->setParent(page);
    m_items->setObjectName(QStringLiteral("lvItems"));
    m_items->setColumnCount(2);
    m_items->setRootIsDecorated(false);
    m_items->setUniformRowHeights(true);
    m_items->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_items->header()->setStretchLastSection(true);
    m_items->header()->setDefaultAlignment(Qt::AlignCenter);
    m_items->setColumnWidth(0, kNumberColumnWidth);
    m_itemType->setParent(page);
    m_itemType->setObjectName(QStringLiteral("cbItemType"));
    for (int type = 0; type < ItemTypes::kCount; ++type)
        m_itemType->addItem(ItemTypes::caption(static_cast<ItemType>(type)));
    m_refresh->setParent(page);
    m_refresh->setObjectName(QStringLiteral("btnRefreshItems"));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    layout->addWidget(m_items, 1);
    layout->addWidget(m_itemType);
    layout->addWidget(m_refresh);
    return page;
}

void NavigationPanel::loadClasses()
{
    m_data.loadTree(m_tree, QStringLiteral("档案分类"), QStringLiteral("type"));
    paintClassPictures();
    QTreeWidgetItem* root = m_tree->topLevelItem(0);
    root->setExpanded(true);
    m_tree->setCurrentItem(root);
}

void NavigationPanel::paintClassPictures()
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        paintSubtree(m_tree->topLevelItem(i));
}

QString NavigationPanel::selectedClassPath() const
{
    const QTreeWidgetItem* node = m_tree->currentItem();
    if (!node || !node->parent())
        return {};
    return CodeTree::record(node).path;
}

ItemType NavigationPanel::itemType() const
{
    return static_cast<ItemType>(qMax(0, m_itemType->currentIndex()));
}

void NavigationPanel::fillItems(ItemType type)
{
    const QSignalBlocker quiet(m_items);
    m_items->clear();
    DataSet entries;
    m_data.connection().load(ItemTypes::listStatement(type), entries);
    auto* all = new QTreeWidgetItem(m_items, {QStringLiteral("0"), QStringLiteral("全部")});
    m_items->setCurrentItem(all);
    m_items->setHeaderLabels({QString(), ItemTypes::caption(type)});
    QList<QTreeWidgetItem*> rows;
    rows.reserve(entries.recordCount());
    for (int row = 0; row < entries.recordCount(); ++row)
        rows << new QTreeWidgetItem({QString::number(row + 1), entries.text(row, 0)});
    m_items->addTopLevelItems(rows);
}

bool NavigationPanel::hasItem() const
{
    QTreeWidgetItem* current = m_items->currentItem();
    return current && m_items->indexOfTopLevelItem(current) > 0;
}

QString NavigationPanel::itemText() const
{
    const QTreeWidgetItem* current = m_items->currentItem();
    return current ? current->text(1) : QString();
}
