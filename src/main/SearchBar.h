#pragma once

#include "main/ArchiveListStatement.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

// The bar above the archive list: the navigation panel switch, "包含已归档",
// the search field and value, "查找(F3)" and the advanced-search toggle.
class SearchBar : public QWidget {
    Q_OBJECT
public:
    explicit SearchBar(QWidget* parent = nullptr);

    SearchField field() const;
    QString value() const;

    bool advancedDown() const;
    // Down while the list shows an advanced-search result; the caption is red then.
    void setAdvancedDown(bool down);

Q_SIGNALS:
    // The list is to be queried again: the value changed, "查找(F3)" was
    // pressed or "包含已归档" clicked.
    void searchRequested();
    void navigationSwitchClicked();
    // The operator pressed (down) or released the advanced-search toggle.
    void advancedClicked(bool down);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* m_navigationSwitch;
    QCheckBox* m_includeFiled;
    QComboBox* m_field;
    QLineEdit* m_value;
    QPushButton* m_find;
    QToolButton* m_advanced;
};
