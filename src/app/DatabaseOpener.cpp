#include "app/DatabaseOpener.h"

#include "app/IniSettings.h"
#include "app/TfrmSplash.h"
#include "db/DataModule.h"
#include "platform/FileChooser.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kDialogTitle = QStringLiteral("连接网络数据库");
const QString kDialogFilter = QStringLiteral("Access数据库|*.MDB");

// Asks for a database file; writes its folder as the data folder. False when cancelled.
bool chooseDataFolder(TdmData& data)
{
    const QString chosen = FileChooserSeam::get().openFile(kDialogTitle, kDialogFilter, ProgramFolder::path());
    if (chosen.isEmpty())
        return false;
    const QString folder = QFileInfo(chosen).absolutePath() + QDir::separator();
    data.settings().writeString(QStringLiteral("config"), QStringLiteral("ds"), folder);
    return true;
}

}

DatabaseOpener::DatabaseOpener(TdmData& data, TfrmSplash*& splash) : m_data(data), m_splash(splash) {}

bool DatabaseOpener::open()
{
    while (!tryOpen()) {
        if (!askForFolder())
            return false;
    }
    return true;
}

bool DatabaseOpener::tryOpen()
{
    showLine(QStringLiteral("正在连接数据库 ....."));
    m_data.connection().close();
    const bool opened = m_data.connection().open(m_data.databaseFile());
    m_data.setConnected(opened);
    if (opened)
        showLine(QStringLiteral("连接成功，正在登录 ..."));
    return opened;
}

bool DatabaseOpener::askForFolder()
{
    delete m_splash;
    m_splash = nullptr;
    if (!chooseDataFolder(m_data))
        return false;
    m_data.setDataFolderOverride(QString());
    m_splash = new TfrmSplash;
    m_splash->show();
    m_splash->repaint();
    return true;
}

void DatabaseOpener::showLine(const QString& text)
{
    if (m_splash)
        m_splash->setLine(text);
}

void chooseNetworkDataFolder(TdmData& data)
{
    chooseDataFolder(data);
}
