#pragma once

#include <QWidget>

class QLabel;

// The borderless start-up window: a picture with one line of progress text.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    // Changes the line and paints it at once.
    void setLine(const QString& text);
    QString line() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_line;
};
