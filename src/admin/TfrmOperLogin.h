#pragma once

#include "admin/Login.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class SessionHost;

// The login window: operator name and password, four tries. It has no close
// box and ignores Alt+F4; only its buttons end it. Accepted means the
// session now belongs to the new operator.
class TfrmOperLogin : public QDialog {
    Q_OBJECT
public:
    TfrmOperLogin(LoginMode mode, SessionHost& host, QWidget* parent = nullptr);

    // Creates the window, shows it modally and destroys it; true on success.
    static bool run(LoginMode mode, SessionHost& host, QWidget* parent = nullptr);

    QComboBox* nameBox() const { return m_name; }
    QLineEdit* passwordBox() const { return m_password; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void fillNames();
    void confirm();

    LoginAttempts m_attempts;
    QComboBox* m_name;
    QLineEdit* m_password;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_finishing = false;
};
