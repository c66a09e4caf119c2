#include "main/TFrmMain.h"

#include "app/AppTexts.h"
#include "app/Closing.h"
#include "app/IniSettings.h"
#include "db/DataModule.h"

#include <QCloseEvent>

TFrmMain::TFrmMain(TdmData& data, QWidget* parent) : QMainWindow(parent), m_data(data)
{
    setWindowTitle(AppTexts::kProductName + AppTexts::kVersion);
    resize(1100, 720);
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        firstShow();
    }
}

void TFrmMain::firstShow()
{
    setWindowTitle(AppTexts::kProductName + AppTexts::kVersion);
    m_backupFrequency = m_data.settings().readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0);
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    if (!Closing::confirmQuit()) {
        event->ignore();
        return;
    }
    Closing::offerBackup(m_data, m_backupFrequency);
    event->accept();
}
