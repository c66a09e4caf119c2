#include "db/TFrmDispFieldXZ.h"

#include "platform/DataGrid.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFrmDispFieldXZ::TFrmDispFieldXZ(DataGrid* grid, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_grid(grid), m_fields(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("字段列表"));
    setFixedSize(310, 410);
    m_fields->setObjectName(QStringLiteral("lstFields"));
    for (int i = 0; i < grid->gridColumnCount(); ++i) {
        auto* item = new QListWidgetItem(grid->gridColumn(i).title, m_fields);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(grid->gridColumn(i).visible ? Qt::Checked : Qt::Unchecked);
    }
    if (m_fields->count() > 0)
        m_fields->setCurrentRow(0);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFrmDispFieldXZ::accept);
    connect(cancel, &QPushButton::clicked, this, &TFrmDispFieldXZ::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fields);
    layout->addLayout(buttons);
}

void TFrmDispFieldXZ::accept()
{
    for (int i = 0; i < m_fields->count() && i < m_grid->gridColumnCount(); ++i)
        m_grid->setColumnVisible(i, m_fields->item(i)->checkState() == Qt::Checked);
    QDialog::accept();
}
