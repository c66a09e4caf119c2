#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QTabWidget;
class TdmData;

// Asks for the one value of a batch change: a filing department (kind 0) or
// a classification (kind 1, chosen with the classification picker).
class TDlgSRcaption : public QDialog {
    Q_OBJECT
public:
    enum Kind { Department = 0, Classification = 1 };

    TDlgSRcaption(TdmData& data, Kind kind, QWidget* parent = nullptr);

    // Shows the dialog modally: the entered value trimmed, or an empty text when cancelled.
    static QString ask(TdmData& data, Kind kind, QWidget* parent = nullptr);

    // The trimmed value of the kind's control once accepted, else empty.
    QString value() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildDepartmentPage();
    QWidget* buildClassificationPage();
    void confirm();

    TdmData& m_data;
    Kind m_kind;
    QTabWidget* m_pages = nullptr;
    QComboBox* m_department = nullptr;
    QLineEdit* m_classification = nullptr;
};
