#pragma once

#include <QString>

struct Session;

// The quick-search field chosen after "搜索(&V)"; None until the operator picks one.
enum class SearchField { None = -1, Code = 0, Name = 1, Remarks = 2 };

// The item types of the navigation panel's item list, in drop-down order.
enum class ItemType { StoragePlace = 0, SecurityLevel = 1, Department = 2, FiledBy = 3 };

namespace ItemTypes {
inline constexpr int kCount = 4;
// "存放地点", "保密级别", "归档部门", "归 档 人": the drop-down entry and the list's title.
QString caption(ItemType type);
// The coded list (t_code.F_type) whose entries the item list shows.
QString codedList(ItemType type);
// The t_Files column an item narrows.
QString column(ItemType type);
// The statement that fills the item list.
QString listStatement(ItemType type);
}

// What the operator has chosen in the main window's controls, read at the
// moment the archive list is queried.
struct ArchiveListFilter {
    SearchField searchField = SearchField::None;
    QString searchValue;       // as typed; blanks around it do not count
    QString classPath;         // path of the selected class; empty for all classes
    bool hasItem = false;      // false while the item list is on "全部"
    ItemType itemType = ItemType::StoragePlace;
    QString itemText;
};

// The statement of the archive list: "(1=1)", then the department
// restriction, the quick search, the class and the item, each fragment ending
// with a blank, then " order by F_code". Typed values go through SqlText.
namespace ArchiveListStatement {
QString build(const ArchiveListFilter& filter, const Session& session);
}
