#pragma once

#include <QString>

// Building statement text from values. Every value an operator typed goes
// through one of these, so that a quote in it never changes the statement.
namespace SqlText {

// 'text' with every single quote doubled.
QString quoted(const QString& text);

// A like pattern that finds text anywhere: '%text%' with the pattern's own
// wildcards (%, _) and the escape character escaped; use with likeEscape().
QString containsPattern(const QString& text);
// A like pattern for text at the start: 'text%'.
QString startsWithPattern(const QString& text);
// The escape clause that goes with those patterns: " escape '!'".
QString likeEscape();
// text with like wildcards and the escape character escaped (no quotes).
QString escapeLike(const QString& text);

// A list of quoted names as an operator stores it ('A','B'), re-quoted name by
// name so that it can only ever be a list of text values.
QString quotedList(const QString& storedList);

}
