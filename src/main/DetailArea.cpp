#include "main/DetailArea.h"

#include "main/MainActions.h"
#include "main/MainIcons.h"
#include "main/MainMenus.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <iterator>

namespace {

constexpr int kKindsWidth = 108;
constexpr int kPageRole = Qt::UserRole;

struct KindRow {
    const char16_t* entry;
    const char16_t* pageCaption;
    const char* icon;
    const char* governingAction; // the entry is listed while this action is visible; empty: always
};

constexpr KindRow kKinds[] = {
    {u"借阅记录", u" 借阅记录 ", "view-pim-journal", "Action208"},
    {u"档案扫描", u" 档案扫描 ", "image-x-generic", ""},
    {u"档案附件", u" 档案附件 ", "mail-attachment", "Action209"},
    {u"档案提醒", u" 档案提醒 ", "appointment-reminder", ""},
};

}

DetailArea::DetailArea(const MainActions& actions, QWidget* parent)
    : QWidget(parent),
      m_actions(actions),
      m_kinds(new QListWidget(this)),
      m_toolBar(new QToolBar(this)),
      m_pages(new QTabWidget(this))
{
    setObjectName(QStringLiteral("DetailArea"));
    m_kinds->setObjectName(QStringLiteral("lvDetailKinds"));
    m_kinds->setFixedWidth(kKindsWidth);
    m_kinds->setIconSize(QSize(22, 22));
    m_kinds->setSpacing(2);
    m_kinds->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_kinds);
    layout->addWidget(buildRightSide(), 1);

    connect(m_kinds, &QListWidget::currentRowChanged, this, &DetailArea::chooseSelectedKind);
}

QWidget* DetailArea::buildRightSide()
{
    auto* side = new QWidget(this);
    m_toolBar->setParent(side);
    m_toolBar->setObjectName(QStringLiteral("tbDetail"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setIconSize(QSize(16, 16));
    MainMenus::fillDetailToolBar(m_toolBar, m_actions);
    m_pages->setParent(side);
    m_pages->setObjectName(QStringLiteral("pgDetail"));
    m_pages->setTabPosition(QTabWidget::South);
    for (const KindRow& kind : kKinds) {
        auto* frame = new QWidget(m_pages);
        new QVBoxLayout(frame);
        frame->layout()->setContentsMargins(0, 0, 0, 0);
        m_pages->addTab(frame, QString::fromUtf16(kind.pageCaption));
    }
    m_pages->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* menu = MainMenus::detailMenu(m_pages, m_actions);
    connect(m_pages, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint& at) { menu->popup(m_pages->mapToGlobal(at)); });

    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_pages, 1);
    return side;
}

void DetailArea::fillKinds()
{
    const QSignalBlocker quiet(m_kinds);
    m_kinds->clear();
    for (int page = 0; page < int(std::size(kKinds)); ++page) {
        const KindRow& kind = kKinds[page];
        if (*kind.governingAction && !m_actions[QString::fromLatin1(kind.governingAction)]->isVisible())
            continue;
        auto* entry = new QListWidgetItem(MainIcons::icon(QString::fromLatin1(kind.icon)), QString::fromUtf16(kind.entry), m_kinds);
        entry->setData(kPageRole, page);
    }
}

void DetailArea::selectFirstKind()
{
    {
        const QSignalBlocker quiet(m_kinds);
        m_kinds->setCurrentRow(0);
    }
    chooseSelectedKind();
}

void DetailArea::chooseSelectedKind()
{
    const QListWidgetItem* entry = m_kinds->currentItem();
    const int page = entry ? entry->data(kPageRole).toInt() : 0;
    m_pages->setCurrentIndex(page);
    m_kind = page + 1;
    Q_EMIT kindChosen(m_kind);
}

QWidget* DetailArea::page(int kind) const
{
    return m_pages->widget(kind - 1);
}
