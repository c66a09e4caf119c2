#include "main/SearchBar.h"

#include "main/MainIcons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kHeight = 36;

QLabel* buddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}

SearchBar::SearchBar(QWidget* parent)
    : QWidget(parent),
      m_navigationSwitch(new QToolButton(this)),
      m_includeFiled(new QCheckBox(QStringLiteral("包含已归档"), this)),
      m_field(new QComboBox(this)),
      m_value(new QLineEdit(this)),
      m_find(new QPushButton(MainIcons::icon(QStringLiteral("edit-find")), QStringLiteral("查找(F3)"), this)),
      m_advanced(new QToolButton(this))
{
    setFixedHeight(kHeight);
    m_navigationSwitch->setObjectName(QStringLiteral("btnNavigation"));
    m_navigationSwitch->setIcon(MainIcons::icon(QStringLiteral("view-sidetree")));
    m_navigationSwitch->setAutoRaise(true);
    m_navigationSwitch->setToolTip(QStringLiteral("显示或隐藏导航树"));
    m_includeFiled->setObjectName(QStringLiteral("chkIncludeFiled"));
    m_field->setObjectName(QStringLiteral("cbSearchField"));
    m_field->addItems({QStringLiteral("档案编号"), QStringLiteral("档案名称"), QStringLiteral("备    注")});
    m_field->setCurrentIndex(-1);
    m_field->setMinimumWidth(110);
    m_value->setObjectName(QStringLiteral("edtSearchValue"));
    m_value->setMinimumWidth(220);
    m_value->setClearButtonEnabled(true);
    m_find->setObjectName(QStringLiteral("btnFind"));
    m_find->setShortcut(QKeySequence(Qt::Key_F3));
    m_advanced->setObjectName(QStringLiteral("btnAdvanced"));
    m_advanced->setText(QStringLiteral("高级查找..."));
    m_advanced->setCheckable(true);
    m_advanced->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_advanced->setMinimumHeight(m_find->sizeHint().height());
    setAdvancedDown(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 8, 2);
    layout->setSpacing(6);
    layout->addWidget(m_navigationSwitch);
    layout->addWidget(m_includeFiled);
    layout->addSpacing(12);
    layout->addWidget(buddyLabel(QStringLiteral("搜索(&V)"), m_field, this));
    layout->addWidget(m_field);
    layout->addSpacing(6);
    layout->addWidget(buddyLabel(QStringLiteral("值(&V)"), m_value, this));
    layout->addWidget(m_value);
    layout->addWidget(m_find);
    layout->addStretch(1);
    layout->addWidget(m_advanced);

    connect(m_navigationSwitch, &QToolButton::clicked, this, &SearchBar::navigationSwitchClicked);
    connect(m_includeFiled, &QCheckBox::clicked, this, &SearchBar::searchRequested);
    // Another field empties the value; that queries the list when there was a value.
    connect(m_field, &QComboBox::currentIndexChanged, m_value, &QLineEdit::clear);
    connect(m_value, &QLineEdit::textChanged, this, &SearchBar::searchRequested);
    connect(m_find, &QPushButton::clicked, this, &SearchBar::searchRequested);
    connect(m_advanced, &QToolButton::clicked, this, &SearchBar::advancedClicked);
}

SearchField SearchBar::field() const
{
    return static_cast<SearchField>(m_field->currentIndex());
}

QString SearchBar::value() const
{
    return m_value->text();
}

bool SearchBar::advancedDown() const
{
    return m_advanced->isChecked();
}

void SearchBar::setAdvancedDown(bool down)
{
    m_advanced->setChecked(down);
    QPalette palette = m_advanced->palette();
    palette.setColor(QPalette::ButtonText, down ? QColor(Qt::red) : QColor(Qt::black));
    m_advanced->setPalette(palette);
}

void SearchBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0.0, QColor(0xF4, 0xF8, 0xFD));
    background.setColorAt(0.55, QColor(0xDD, 0xE8, 0xF5));
    background.setColorAt(1.0, QColor(0xC8, 0xD7, 0xEA));
    painter.fillRect(rect(), background);
    painter.setPen(QColor(0xA9, 0xBC, 0xD6));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}
