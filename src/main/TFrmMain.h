#pragma once

#include <QMainWindow>

class TdmData;

// The main window of the program.
class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmMain(TdmData& data, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // The automatic backup frequency for this run (read when first shown; the
    // backup window may change it).
    int backupFrequency() const { return m_backupFrequency; }
    void setBackupFrequency(int frequency) { m_backupFrequency = frequency; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void firstShow();

    TdmData& m_data;
    bool m_shown = false;
    int m_backupFrequency = 0;
};
