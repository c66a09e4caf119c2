#pragma once

#include "db/CodeTree.h"

#include <QString>

class TdmData;

// The rules and statements of the classification tree: the codes and paths
// of new categories, and the writes behind add, rename and delete.
//
// A path is two backslashes followed by the names from level 1 down to the
// category, joined by one backslash ("\\A\B"); archives store the path of
// their category in F_DAtype of t_Files. The writes show their own failure
// message (kind 3) and return false.
class TreeCodeService {
public:
    explicit TreeCodeService(TdmData& data, QString flag = QStringLiteral("type"));

    const QString& flag() const { return m_flag; }

    // The code for a new sibling, or a new child, of the given category; the
    // root (depth 0) has only children. Empty when that level already holds
    // its last number, "999".
    QString siblingCode(const TreeNodeRecord& category);
    QString childCode(const TreeNodeRecord& category);

    // The path of a category named name below the category with parentPath
    // (two backslashes for the root). Three backslashes in a row become two.
    static QString childPath(const QString& parentPath, const QString& name);
    // A path after the category at oldPath has moved to newPath: that path
    // itself and the paths below it change; every other path (a sibling whose
    // name merely begins with the same text included) stays as it is. Letter
    // case is ignored, as the database compares paths.
    static QString movedPath(const QString& path, const QString& oldPath, const QString& newPath);
    // Paths that differ only in letter case or surrounding blanks name the
    // same category; a rename between them is not stored.
    static bool samePath(const QString& a, const QString& b);

    // Stores a new category (depth, code, name, path of the record).
    bool insert(const TreeNodeRecord& category);
    // Gives the category its new name and path and moves the paths of the
    // archives and categories at or below oldPath to newPath: all of it, or
    // on a failure nothing.
    bool rename(const QString& code, const QString& newName, const QString& oldPath, const QString& newPath);
    // Deletes the category and every category below it. Archives keep their
    // path text. A failure is reported by the data module.
    bool removeSubtree(const QString& code);

private:
    void movePaths(const QString& table, const QString& column, const QString& oldPath, const QString& newPath,
                   const QString& extraCondition);

    TdmData& m_data;
    QString m_flag;
};
