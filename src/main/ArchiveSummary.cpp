#include "main/ArchiveSummary.h"

#include "db/DataSet.h"

#include <QPlainTextEdit>

namespace {

struct SummaryLine {
    const char16_t* label;
    const char* field;
};

constexpr SummaryLine kLines[] = {
    {u"  档案编号:", "F_code"},
    {u"  档案名称:", "F_name"},
    {u"  档案分类:", "F_DAtype"},
    {u"  归档日期:", "F_GDdate"},
    {u"  档案份数:", "F_DAnum"},
    {u"  借    出:", "F_JCnum"},
    {u"  保密级别:", "F_BMjibie"},
    {u"  存放地点:", "F_CFaddress"},
    {u"  归档部门:", "F_GDdept"},
    {u"  归 档 人:", "F_GDemp"},
    {u"  电子文档:", "F_DZpath"},
    {u"  文件大小:", "F_DZdx"},
    {u"  录入日期:", "F_editDate"},
    {u"  备    注:", "F_memo1"},
};

// Dates before this one (compared as text) are the stored empty date.
const QString kFirstRealDate = QStringLiteral("1901-08-14");

bool isFilingDate(const SummaryLine& line)
{
    return qstrcmp(line.field, "F_GDdate") == 0;
}

}

namespace ArchiveSummary {

QStringList lines(const DataSet& archives)
{
    QStringList result{QString()};
    for (const SummaryLine& line : kLines) {
        const QString value = archives.fieldText(QString::fromLatin1(line.field));
        if (isFilingDate(line) && value < kFirstRealDate)
            continue;
        result << QString::fromUtf16(line.label) + value;
    }
    return result;
}

void fill(QPlainTextEdit* box, const DataSet& archives)
{
    box->setPlainText(lines(archives).join(QLatin1Char('\n')));
}

}
