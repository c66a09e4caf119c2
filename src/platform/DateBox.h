#pragma once

#include <QDate>
#include <QWidget>

class QCheckBox;
class QDateEdit;

// A date picker with a check box in front of it. Unchecked means "no date",
// which is stored as 1900-08-14; a box made without a check box always holds
// a date. The date shows as yyyy-MM-dd.
class DateBox : public QWidget {
    Q_OBJECT
public:
    enum class Check { With, Without };
    explicit DateBox(Check check = Check::With, QWidget* parent = nullptr);

    QDate date() const;
    void setDate(const QDate& date);
    bool isChecked() const;
    void setChecked(bool checked);

    // "yyyy-MM-dd" when checked, "1900-08-14" when not.
    QString storedText() const;
    // The stored text of a column: a value that sorts before 1901-08-14 (an
    // empty one too) leaves the box unchecked on the given day; any other
    // value is checked with its own date.
    void setStoredText(const QString& stored, const QDate& dayWhenEmpty);
    // Unchecked on the given day.
    void clear(const QDate& day);

    // Outside the tab order the box is still reached by a click.
    void setTabStop(bool inTabOrder);

    QCheckBox* checkBox() const { return m_check; }
    QDateEdit* dateEdit() const { return m_edit; }

private:
    QCheckBox* m_check = nullptr;
    QDateEdit* m_edit = nullptr;
};
