#include "platform/DateBox.h"

#include "db/DateText.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

DateBox::DateBox(Check check, QWidget* parent) : QWidget(parent), m_edit(new QDateEdit(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    if (check == Check::With) {
        m_check = new QCheckBox(this);
        m_check->setChecked(true);
        layout->addWidget(m_check);
        connect(m_check, &QCheckBox::toggled, m_edit, &QWidget::setEnabled);
    }
    m_edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_edit->setCalendarPopup(true);
    m_edit->setMinimumDate(QDate(1900, 1, 1));
    layout->addWidget(m_edit, 1);
    setFocusProxy(m_edit);
}

QDate DateBox::date() const
{
    return m_edit->date();
}

void DateBox::setDate(const QDate& date)
{
    m_edit->setDate(date);
}

bool DateBox::isChecked() const
{
    return !m_check || m_check->isChecked();
}

void DateBox::setChecked(bool checked)
{
    if (m_check)
        m_check->setChecked(checked);
}

QString DateBox::storedText() const
{
    return isChecked() ? DateText::fromDate(date()) : DateText::kNoDate;
}

void DateBox::setStoredText(const QString& stored, const QDate& dayWhenEmpty)
{
    if (stored < DateText::kFirstShownDate) {
        clear(dayWhenEmpty);
        return;
    }
    const QDate date = DateText::toDateTime(stored).date();
    setDate(date.isValid() ? date : dayWhenEmpty);
    setChecked(true);
}

void DateBox::clear(const QDate& day)
{
    setDate(day);
    setChecked(false);
}

void DateBox::setTabStop(bool inTabOrder)
{
    const Qt::FocusPolicy policy = inTabOrder ? Qt::StrongFocus : Qt::ClickFocus;
    m_edit->setFocusPolicy(policy);
    if (m_check)
        m_check->setFocusPolicy(policy);
}
