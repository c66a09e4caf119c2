#include "main/MainStatusBar.h"

#include "app/AppTexts.h"
#include "platform/Clock.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr int kClockInterval = 1000;

struct PanelRow {
    const char16_t* text;
    int width; // 0: takes the rest, right-aligned
};

constexpr PanelRow kPanels[] = {
    {u" 当前用户", 100}, {u"", 100}, {u" 当前日期时间", 100}, {u"", 160}, {u"", 0},
};

}

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent), m_clock(new QTimer(this))
{
    setObjectName(QStringLiteral("StatusBar"));
    for (const PanelRow& row : kPanels) {
        auto* panel = new QLabel(QString::fromUtf16(row.text), this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(m_panels.size()));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        if (row.width > 0) {
            panel->setFixedWidth(row.width);
            addWidget(panel);
        } else {
            panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            addWidget(panel, 1);
        }
        m_panels << panel;
    }
    setPanelText(Product, AppTexts::kApplicationTitle + QStringLiteral("    ") + AppTexts::kVendorLine);
    m_clock->setObjectName(QStringLiteral("ClockTimer"));
    m_clock->setInterval(kClockInterval);
    connect(m_clock, &QTimer::timeout, this, &MainStatusBar::showTime);
}

QString MainStatusBar::panelText(int index) const
{
    return m_panels[index]->text();
}

void MainStatusBar::setPanelText(int index, const QString& text)
{
    m_panels[index]->setText(text);
}

void MainStatusBar::showOperator(const QString& name)
{
    setPanelText(Operator, QLatin1Char(' ') + name);
}

void MainStatusBar::showTime()
{
    setPanelText(Time, QLatin1Char(' ') + clockNow().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    if (!m_clock->isActive())
        m_clock->start();
}
