#include "main/ArchiveListStatement.h"

#include "admin/Session.h"
#include "db/SqlText.h"

namespace {

struct ItemTypeRow {
    const char16_t* caption;
    const char* codedList;
    const char* column;
};

constexpr ItemTypeRow kItemTypes[ItemTypes::kCount] = {
    {u"存放地点", "cfaddress", "F_CFaddress"},
    {u"保密级别", "bmjibie", "F_BMjibie"},
    {u"归档部门", "gddept", "F_GDdept"},
    {u"归 档 人", "empname", "F_GDemp"},
};

const ItemTypeRow& rowOf(ItemType type)
{
    return kItemTypes[static_cast<int>(type)];
}

QString searchColumn(SearchField field)
{
    switch (field) {
    case SearchField::Code: return QStringLiteral("f_code");
    case SearchField::Name: return QStringLiteral("f_name");
    case SearchField::Remarks: return QStringLiteral("F_memo1");
    case SearchField::None: break;
    }
    return {};
}

QString searchFragment(const ArchiveListFilter& filter)
{
    const QString column = searchColumn(filter.searchField);
    if (column.isEmpty())
        return {};
    return QStringLiteral("and ") + column + QStringLiteral(" like ") + SqlText::containsPattern(filter.searchValue.trimmed())
        + SqlText::likeEscape() + QLatin1Char(' ');
}

// The class itself and the classes below it, never a sibling whose path
// merely begins with the same text.
QString classFragment(const QString& path)
{
    if (path.isEmpty())
        return {};
    return QStringLiteral("and (f_DAtype = ") + SqlText::quoted(path) + QStringLiteral(" or f_DAtype like ")
        + SqlText::startsWithPattern(path + QLatin1Char('\\')) + SqlText::likeEscape() + QStringLiteral(") ");
}

QString itemFragment(const ArchiveListFilter& filter)
{
    if (!filter.hasItem)
        return {};
    return QStringLiteral("and ") + ItemTypes::column(filter.itemType) + QStringLiteral(" = ") + SqlText::quoted(filter.itemText)
        + QLatin1Char(' ');
}

}

namespace ItemTypes {

QString caption(ItemType type)
{
    return QString::fromUtf16(rowOf(type).caption);
}

QString codedList(ItemType type)
{
    return QString::fromLatin1(rowOf(type).codedList);
}

QString column(ItemType type)
{
    return QString::fromLatin1(rowOf(type).column);
}

QString listStatement(ItemType type)
{
    return QStringLiteral("select F_name from t_code where (F_name <> '') and F_type = '") + codedList(type)
        + QStringLiteral("' order by F_ID");
}

}

namespace ArchiveListStatement {

QString build(const ArchiveListFilter& filter, const Session& session)
{
    return QStringLiteral("select * from t_Files where (1=1) ") + session.departmentFragment() + searchFragment(filter)
        + classFragment(filter.classPath) + itemFragment(filter) + QStringLiteral(" order by F_code");
}

}
