#pragma once

#include <QString>
#include <QStringList>

namespace vz {

/// Where the text search looks: rules text, flavour text, card name.
struct SearchFields
{
    bool text = true;
    bool flavor = false;
    bool name = false;
};

/// `text` with its first character in upper case, when that character is a Windows-1251
/// letter whose capital is one too (Cyrillic included); the rest stays as typed.
QString FirstLetterUpper(const QString &text);
/// `text` with its first character in lower case, under the same rule.
QString FirstLetterLower(const QString &text);

/// The search query: `baseLines` (the SQL of the list searched in, its last line the ORDER BY
/// line) without that last line, the search bracket, then "ORDER BY " + `sortOrder`. The text is
/// tried with its first letter in both cases; it enters as an SQL literal (quotes doubled).
QStringList BuildSearchSql(const QStringList &baseLines, const QString &text,
    const SearchFields &fields, const QString &sortOrder);

} // namespace vz
