#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// Changing the password of an operator: the old one must match exactly, the
// new one and its repetition must be identical (so what is stored is exactly
// what was typed twice, blanks included).
namespace PasswordChange {

enum class Result { NoOperator, WrongOldPassword, Mismatch, Changed, NotSaved };

Result apply(const QString& operatorName, const QString& oldPassword, const QString& newPassword, const QString& repeated);

}

// The password change window of the current operator. It closes after every
// press of OK, whatever the outcome.
class TfrmModPass : public QDialog {
    Q_OBJECT
public:
    explicit TfrmModPass(QWidget* parent = nullptr);

    QLineEdit* oldPasswordBox() const { return m_old; }
    QLineEdit* newPasswordBox() const { return m_new; }
    QLineEdit* repeatedBox() const { return m_repeated; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void confirm();

    QLineEdit* m_old;
    QLineEdit* m_new;
    QLineEdit* m_repeated;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
