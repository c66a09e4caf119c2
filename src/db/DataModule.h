#pragma once

#include "db/Connection.h"
#include "db/Params.h"

#include <QObject>
#include <QString>

#include <memory>

// The failure messages of the shared routines (kind 3), also shown by the
// windows that report a failing statement of their own the same way.
namespace DataMessages {
inline const QString kOperationFailed = QStringLiteral("操作失败，请检查数据连接... ");
inline const QString kDeleteFailed = QStringLiteral("删除操作失败，请检查数据连接... ");
inline const QString kOpenFailed = QStringLiteral("打开操作失败，请检查数据连接... ");
}

class DataGrid;
class IniSettings;
class Query;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

// The data module: owns the one connection and the settings object for the
// whole run, and the small routines through which every window runs
// statements. The routines that run a statement show their own failure
// message (kind 3) and return a failure value.
class TdmData : public QObject {
    Q_OBJECT
public:
    // Opens config.ini of the program folder (or the given settings file).
    explicit TdmData(const QString& settingsFile = QString(), QObject* parent = nullptr);
    ~TdmData() override;

    Connection& connection() { return m_connection; }
    IniSettings& settings() { return *m_settings; }

    // Opening the database from the settings, with the recovery dialog loop;
    // sets connected(). The splash callback receives each line to show.
    bool connected() const { return m_connected; }
    void setConnected(bool connected) { m_connected = connected; }
    // The database file the settings name (data folder + "Dossara.mdb"), or
    // the one in the folder given on the command line.
    QString databaseFile() const;
    void setDataFolderOverride(const QString& folder) { m_dataFolderOverride = folder; }

    // ---- shared routines ----
    bool deleteByKey(const QString& table, qint64 key);
    bool execute(const QString& statement, const Params& params = {});
    QString textValue(const QString& statement, const Params& params = {});
    qint64 integerValue(const QString& statement, const Params& params = {});
    bool open(const QString& statement, Query& query, const Params& params = {});
    void fillList(const QString& statement, QComboBox* box, const Params& params = {});
    void writeLog(const QString& operation);
    bool checkRight(const QString& code);

    // ---- code trees ----
    // Throws DbError on a failing statement (the tree keeps only its root).
    void loadTree(QTreeWidget* tree, const QString& rootCaption, const QString& flag);
    static QString nodePath(const QTreeWidgetItem* node, int mode);
    QString nextCode(const QString& code, const QString& flag, int mode);

    // ---- grids ----
    void customTitles(DataGrid* grid);

private:
    Connection m_connection;
    std::unique_ptr<IniSettings> m_settings;
    bool m_connected = false;
    QString m_dataFolderOverride;
};

// The one data module of the program (set while a TdmData lives).
extern TdmData* dmData;
