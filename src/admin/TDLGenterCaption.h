#pragma once

#include <QDialog>

class QLineEdit;

// Asks for a category name. The title is both the caption and the label
// above the one name box. OK (also Enter) needs a name that is not blank;
// the name comes back exactly as typed, blanks included.
class TDLGenterCaption : public QDialog {
    Q_OBJECT
public:
    explicit TDLGenterCaption(const QString& title, const QString& name = QString(), QWidget* parent = nullptr);

    QString name() const;

    // The name the operator confirmed, or empty when he cancelled.
    static QString enterCaption(QWidget* parent, const QString& title, const QString& name = QString());

private:
    void confirm();

    QLineEdit* m_name;
};
