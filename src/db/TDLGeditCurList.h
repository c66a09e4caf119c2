#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// Asks for one line of text: a value to fill a column with, or the name of a
// scanned image. OK refuses a text that is blank, or that names a file in the
// program's "images" folder, and keeps the dialog open.
class TDLGeditCurList : public QDialog {
    Q_OBJECT
public:
    explicit TDLGeditCurList(QWidget* parent = nullptr);

    // Shown as "批量修改当前列"; the text as typed, or empty when cancelled.
    QString enterValue(const QString& initial);
    // Shown as "提示 "; the same results.
    QString enterName(const QString& initial);
    void setPrompt(const QString& text);

    void accept() override;

private:
    QString ask(const QString& caption, const QString& initial);
    void refuse(const QString& message);

    QLabel* m_prompt;
    QLineEdit* m_text;
};
