#include "db/TfrmRowArrangeGl.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {

constexpr int kTitle = 0;
constexpr int kDirection = 1;

// Offers the three directions in a drop-down; a choice is taken at once.
class DirectionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QComboBox(parent);
        box->addItems({QString(), TfrmRowArrangeGl::kAscending, TfrmRowArrangeGl::kDescending});
        auto* self = const_cast<DirectionDelegate*>(this);
        connect(box, &QComboBox::activated, self, [self, box] {
            Q_EMIT self->commitData(box);
            Q_EMIT self->closeEditor(box);
        });
        return box;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data().toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }
};

QTableWidgetItem* titleItem(const QString& title)
{
    auto* item = new QTableWidgetItem(title);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}

TfrmRowArrangeGl::TfrmRowArrangeGl(const DataGrid& grid, QWidget* parent)
    : QDialog(parent), m_columns(grid.columns()), m_rows(new QTableWidget(static_cast<int>(m_columns.size()), 2, this))
{
    setWindowTitle(QStringLiteral("排序对话框"));
    setFixedSize(504, 463);

    auto* hint = new QLabel(QStringLiteral("提示：双击空白处切换排序方式（升降无），单击上下移动键调整优先顺序"), this);
    hint->setWordWrap(true);

    m_rows->setObjectName(QStringLiteral("lstSort"));
    m_rows->setHorizontalHeaderLabels({QStringLiteral("字段名称"), QStringLiteral("排序方式")});
    m_rows->verticalHeader()->hide();
    m_rows->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    m_rows->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_rows->setItemDelegateForColumn(kDirection, new DirectionDelegate(m_rows));
    for (int row = 0; row < m_columns.size(); ++row) {
        m_rows->setItem(row, kTitle, titleItem(m_columns[row].title));
        m_rows->setItem(row, kDirection, new QTableWidgetItem(QString()));
    }
    if (!m_columns.isEmpty())
        m_rows->setCurrentCell(0, kTitle);
    connect(m_rows, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { cycleDirection(row); });

    auto* up = new QPushButton(QStringLiteral("上移"), this);
    auto* down = new QPushButton(QStringLiteral("下移"), this);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    ok->setDefault(true);
    connect(up, &QPushButton::clicked, this, [this] { moveCurrentRow(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveCurrentRow(1); });
    connect(ok, &QPushButton::clicked, this, &TfrmRowArrangeGl::accept);
    connect(cancel, &QPushButton::clicked, this, &TfrmRowArrangeGl::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(hint, 0, 0, 1, 2);
    layout->addWidget(m_rows, 1, 0, 5, 1);
    layout->addWidget(up, 1, 1);
    layout->addWidget(down, 2, 1);
    layout->setRowStretch(3, 1);
    layout->addWidget(ok, 4, 1);
    layout->addWidget(cancel, 5, 1);
}

void TfrmRowArrangeGl::cycleDirection(int row)
{
    QTableWidgetItem* direction = m_rows->item(row, kDirection);
    const QString now = direction->text();
    direction->setText(now.isEmpty() ? kAscending : now == kAscending ? kDescending : QString());
}

void TfrmRowArrangeGl::moveCurrentRow(int step)
{
    const int row = m_rows->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_rows->rowCount())
        return;
    for (int column : {kTitle, kDirection}) {
        QTableWidgetItem* here = m_rows->takeItem(row, column);
        m_rows->setItem(row, column, m_rows->takeItem(target, column));
        m_rows->setItem(target, column, here);
    }
    m_rows->setCurrentCell(target, m_rows->currentColumn());
}

QString TfrmRowArrangeGl::fieldOfTitle(const QString& title) const
{
    for (const GridColumn& column : m_columns) {
        if (column.title == title)
            return column.fieldName;
    }
    return {};
}

void TfrmRowArrangeGl::accept()
{
    m_keys.clear();
    for (int row = 0; row < m_rows->rowCount(); ++row) {
        const QString direction = m_rows->item(row, kDirection)->text();
        const QString field = fieldOfTitle(m_rows->item(row, kTitle)->text()).toLower();
        if (direction == kAscending)
            m_keys += field + QStringLiteral(" ASC,");
        else if (direction == kDescending)
            m_keys += field + QStringLiteral(" DESC,");
    }
    QDialog::accept();
}
