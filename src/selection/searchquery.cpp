#include "searchquery.h"

#include "platform/database.h"
#include "platform/textfile.h"

#include <QSet>

namespace vz {

namespace {

/// Whether `c` is one of the 256 characters of Windows-1251.
bool inCp1251(QChar c)
{
    static const QSet<char16_t> chars = [] {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QSet<char16_t> set;
        for (QChar ch : fromCp1251(all))
            set.insert(ch.unicode());
        return set;
    }();
    return chars.contains(c.unicode());
}

QString withFirst(const QString &text, bool upper)
{
    if (text.isEmpty())
        return text;
    const QChar first = text.at(0);
    const QChar changed = upper ? first.toUpper() : first.toLower();
    if (changed == first || !first.isLetter() || !inCp1251(first) || !inCp1251(changed))
        return text;
    QString result = text;
    result[0] = changed;
    return result;
}

} // namespace

QString FirstLetterUpper(const QString &text)
{
    return withFirst(text, true);
}

QString FirstLetterLower(const QString &text)
{
    return withFirst(text, false);
}

QStringList BuildSearchSql(const QStringList &baseLines, const QString &text,
    const SearchFields &fields, const QString &sortOrder)
{
    const QString u = FirstLetterUpper(text);
    const QString l = FirstLetterLower(text);
    const QString percent(QLatin1Char('%'));
    QStringList sql = baseLines;
    if (!sql.isEmpty())
        sql.removeLast(); // the ORDER BY line
    // Every list query already requires card_index>0, so the bracket starts false.
    sql << QStringLiteral("and (card_index<0");
    if (fields.text)
        sql << QStringLiteral("or text like ") + sqlQuote(percent + u + percent)
                + QStringLiteral(" or text like ") + sqlQuote(percent + l + percent);
    if (fields.flavor)
        sql << QStringLiteral("or flavor like ") + sqlQuote(percent + u + percent)
                + QStringLiteral(" or flavor like ") + sqlQuote(percent + l + percent);
    if (fields.name)
        sql << QStringLiteral("or name like ") + sqlQuote(u) + QStringLiteral(" or name like ")
                + sqlQuote(l);
    sql << QStringLiteral(")");
    sql << QStringLiteral("ORDER BY ") + sortOrder;
    return sql;
}

} // namespace vz
