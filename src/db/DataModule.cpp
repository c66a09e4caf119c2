#include "db/DataModule.h"

#include "admin/Session.h"
#include "app/IniSettings.h"
#include "db/CodeTree.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "db/SqlText.h"
#include "platform/Clock.h"
#include "platform/DataGrid.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"

#include <QComboBox>
#include <QDir>
#include <QTreeWidget>

TdmData* dmData = nullptr;

namespace {
using DataMessages::kDeleteFailed;
using DataMessages::kOpenFailed;
using DataMessages::kOperationFailed;
}

TdmData::TdmData(const QString& settingsFile, QObject* parent)
    : QObject(parent),
      m_settings(std::make_unique<IniSettings>(settingsFile.isEmpty() ? ProgramFolder::file(QStringLiteral("config.ini")) : settingsFile))
{
    dmData = this;
}

TdmData::~TdmData()
{
    if (dmData == this)
        dmData = nullptr;
}

QString TdmData::databaseFile() const
{
    if (!m_dataFolderOverride.isEmpty())
        return QDir(m_dataFolderOverride).filePath(QStringLiteral("Dossara.mdb"));
    QString folder = m_settings->readString(QStringLiteral("config"), QStringLiteral("ds"));
    if (folder.trimmed().isEmpty())
        folder = ProgramFolder::path() + QDir::separator() + QStringLiteral("data") + QDir::separator();
    return folder + QStringLiteral("Dossara.mdb");
}

bool TdmData::deleteByKey(const QString& table, qint64 key)
{
    try {
        m_connection.execute(QStringLiteral("delete from ") + table + QStringLiteral(" where F_ID = ") + QString::number(key));
        return true;
    } catch (const DbError&) {
        ShowMess(kDeleteFailed, MessFailure);
        return false;
    }
}

bool TdmData::execute(const QString& statement, const Params& params)
{
    try {
        m_connection.execute(statement, params);
        return true;
    } catch (const DbError&) {
        ShowMess(kOperationFailed, MessFailure);
        return false;
    }
}

QString TdmData::textValue(const QString& statement, const Params& params)
{
    try {
        DataSet rows;
        m_connection.load(statement, rows, params);
        return rows.isEmpty() || rows.fieldCount() == 0 ? QString() : rows.text(0, 0);
    } catch (const DbError&) {
        ShowMess(kOperationFailed, MessFailure);
        return {};
    }
}

qint64 TdmData::integerValue(const QString& statement, const Params& params)
{
    try {
        DataSet rows;
        m_connection.load(statement, rows, params);
        if (rows.isEmpty() || rows.fieldCount() == 0 || rows.isNull(0, 0))
            return 0;
        return rows.intValue(0, 0);
    } catch (const DbError&) {
        ShowMess(kOperationFailed, MessFailure);
        return 0;
    }
}

bool TdmData::open(const QString& statement, Query& query, const Params& params)
{
    try {
        query.open(statement, params);
        return true;
    } catch (const DbError&) {
        query.close();
        ShowMess(kOpenFailed, MessFailure);
        return false;
    }
}

void TdmData::fillList(const QString& statement, QComboBox* box, const Params& params)
{
    const QString editText = box->currentText();
    box->clear();
    try {
        DataSet rows;
        m_connection.load(statement, rows, params);
        QStringList entries;
        for (int row = 0; row < rows.recordCount(); ++row) {
            const QString text = rows.text(row, 0);
            if (!text.trimmed().isEmpty())
                entries << text;
        }
        box->addItems(entries);
    } catch (const DbError&) {
        ShowMess(kOperationFailed, MessFailure);
    }
    if (box->isEditable())
        box->setEditText(editText);
}

void TdmData::writeLog(const QString& operation)
{
    const QDateTime now = clockNow();
    try {
        m_connection.execute(
            QStringLiteral("insert into LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) values(:EmpName,:OperType,:OperDate,:OperTime)"),
            {{QStringLiteral("EmpName"), Session::current().operatorName},
             {QStringLiteral("OperType"), operation},
             {QStringLiteral("OperDate"), now.toString(QStringLiteral("yyyy-MM-dd"))},
             {QStringLiteral("OperTime"), now.toString(QStringLiteral("hh:mm:ss"))}});
    } catch (const DbError&) {
    }
}

bool TdmData::checkRight(const QString& code)
{
    return integerValue(QStringLiteral("Select o.F_ID from OperLimit as O left join Limits as l On O.F_lmtName = L.F_name "
                                       "Where (O.F_OperName = :operName)And(l.F_code = :code) "),
                        {{QStringLiteral("operName"), Session::current().operatorName}, {QStringLiteral("code"), code}})
        > 0;
}

void TdmData::loadTree(QTreeWidget* tree, const QString& rootCaption, const QString& flag)
{
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, QStringList{rootCaption});
    CodeTree::setRecord(root, {0, QStringLiteral("000"), rootCaption, QStringLiteral("\\\\")});

    DataSet rows;
    m_connection.load(QStringLiteral("select F_code,F_name,F_likecode from t_treecode where F_flag = ") + SqlText::quoted(flag)
                          + QStringLiteral(" order by F_code"),
                      rows);
    QTreeWidgetItem* current = root;
    int previousLength = 0;
    for (int row = 0; row < rows.recordCount(); ++row) {
        const QString code = rows.text(row, 0);
        const int length = static_cast<int>(code.size());
        QTreeWidgetItem* parent;
        if (length > previousLength) {
            parent = current;
        } else {
            while (length < previousLength && current->parent()) {
                current = current->parent();
                previousLength = CodeTree::record(current).depth;
            }
            parent = current->parent() ? current->parent() : root;
        }
        auto* node = new QTreeWidgetItem(parent, QStringList{rows.text(row, 1)});
        CodeTree::setRecord(node, {length, code, rows.text(row, 1), rows.text(row, 2)});
        current = node;
        previousLength = length;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->childCount() > 0)
            root->child(i)->setExpanded(true);
    }
}

QString TdmData::nodePath(const QTreeWidgetItem* node, int mode)
{
    const QTreeWidgetItem* at = mode == 1 ? node : (node ? node->parent() : nullptr);
    if (!at)
        return QStringLiteral("\\");
    QString path = QLatin1Char('\\') + at->text(0);
    while (at->parent() && at->parent()->parent()) {
        at = at->parent();
        path = QLatin1Char('\\') + at->text(0) + path;
    }
    return QLatin1Char('\\') + path;
}

QString TdmData::nextCode(const QString& code, const QString& flag, int mode)
{
    const QString prefix = mode == 1 ? code.left(qMax(0, code.size() - 3)) : code;
    const QString statement = !prefix.isEmpty()
        ? QStringLiteral("select Max(F_code) from t_treecode where F_code like ") + SqlText::startsWithPattern(prefix)
            + SqlText::likeEscape() + QStringLiteral(" and f_flag = ") + SqlText::quoted(flag) + QLatin1Char(' ')
        : QStringLiteral("select Max(F_code) from t_treecode where len(F_code) = 3 and f_flag = ") + SqlText::quoted(flag) + QLatin1Char(' ');
    QString highest = textValue(statement);
    if (mode == 1) {
        if (highest.size() > code.size())
            highest.truncate(code.size());
    } else {
        if (highest.size() == code.size())
            highest += QStringLiteral("000");
        else if (highest.size() > code.size() + 3)
            highest.truncate(code.size() + 3);
    }
    if (highest.size() < 3)
        return QStringLiteral("001");
    const QString last = highest.right(3);
    const QString next = CodeTree::nextLevelCode(last);
    // A full level (999) has no next code; the caller refuses the add.
    return next.isEmpty() ? QString() : highest.left(highest.size() - 3) + next;
}

void TdmData::customTitles(DataGrid* grid)
{
    static const char* const kItems[] = {"zf1", "zf2", "zf3", "zf4", "zf5", "sz1", "sz2", "sz3", "rq1", "rq2", "rq3"};
    for (int i = 0; i < grid->gridColumnCount(); ++i) {
        const QString field = grid->gridColumn(i).fieldName.toLower();
        for (int item = 0; item < 11; ++item) {
            if (field.contains(QLatin1String(kItems[item]))) {
                grid->setColumnTitle(i, Session::current().systemValue(item + 1));
                break;
            }
        }
    }
}
