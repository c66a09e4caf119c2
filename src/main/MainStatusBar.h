#pragma once

#include <QStatusBar>
#include <QVector>

class QLabel;
class QTimer;

// The main window's five status panels: " 当前用户", the operator, " 当前日期时间",
// the clock, and the product title with the contact line. The clock panel
// follows the clock seam once a second.
class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    enum Panel { UserCaption = 0, Operator = 1, TimeCaption = 2, Time = 3, Product = 4 };

    explicit MainStatusBar(QWidget* parent = nullptr);

    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);

    void showOperator(const QString& name);
    // The time panel now, and again every second.
    void showTime();

private:
    QVector<QLabel*> m_panels;
    QTimer* m_clock;
};
