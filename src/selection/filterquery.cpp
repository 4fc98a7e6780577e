#include "filterquery.h"

#include "platform/database.h"
#include "platform/error.h"

#include <QRegularExpression>

namespace vz {

namespace {

/// The number text of a range field, checked to be a whole number.
QString wholeNumber(const QString &text, const QString &fieldCaption)
{
    static const QRegularExpression pattern(QStringLiteral("^-?[0-9]{1,9}$"));
    if (!pattern.match(text).hasMatch())
        throw Error(QStringLiteral("В поле «%1» должно быть целое число.").arg(fieldCaption));
    return text;
}

void addRange(
    QStringList &sql, const ValueRange &range, const QString &field, const QString &caption)
{
    if (!range.active)
        return;
    const QString min = wholeNumber(range.min, caption);
    const QString max = wholeNumber(range.max, caption);
    sql << QStringLiteral("and (%1>=%2 and %1<=%3)").arg(field, min, max);
}

void addIf(QStringList &sql, bool condition, const char *line)
{
    if (condition)
        sql << QString::fromUtf8(line);
}

} // namespace

const QStringList &FilterKeywordTokens()
{
    static const QStringList tokens
        = { QStringLiteral("/УНИ/"), QStringLiteral("/НУ/"), QStringLiteral("/РЕГ/"),
              QStringLiteral("/ЗОЯ/"), QStringLiteral("/УЧР/"), QStringLiteral("/ЗОМ/"),
              QStringLiteral("/ИНС/"), QStringLiteral("/ТАП/"), QStringLiteral("/ЗОВ/"),
              QStringLiteral("/ФИШ/"), QStringLiteral("/ЗОЗ/"), QStringLiteral("/ЗОВД/") };
    return tokens;
}

QStringList BuildFilterSql(const FilterState &s, const QString &sortOrder)
{
    QStringList sql;
    sql << QStringLiteral("SELECT zarn.* FROM zarn") << QStringLiteral("WHERE card_index>0");

    // Each group admits its base value (no code) or one of the checked codes.
    sql << QStringLiteral("and (type<0 ");
    addIf(sql, s.artifact, "or type=1");
    addIf(sql, s.terrain, "or type=2");
    addIf(sql, s.creature, "or type in (3, 5, 6)");
    addIf(sql, s.equipment, "or type=4");
    sql << QStringLiteral(")");

    sql << QStringLiteral("and (rarity=0 ");
    addIf(sql, s.common, "or rarity=2");
    addIf(sql, s.rare, "or rarity=3");
    addIf(sql, s.ultra, "or rarity=4");
    addIf(sql, s.promo, "or rarity=5");
    sql << QStringLiteral(")");

    sql << QStringLiteral("and (set_name='' ");
    for (const QString &set : s.sets)
        sql << QStringLiteral("or set_name=") + sqlQuote(set);
    sql << QStringLiteral(")");

    sql << QStringLiteral("and (elity=0 ");
    addIf(sql, s.ordinary, "or elity=1");
    addIf(sql, s.elite, "or elity=2");
    sql << QStringLiteral(")");

    sql << QStringLiteral("and (element=0 ");
    addIf(sql, s.swamps, "or element=4");
    addIf(sql, s.mountains, "or element=2");
    addIf(sql, s.forests, "or element=3");
    addIf(sql, s.neutrals, "or element=6");
    addIf(sql, s.steppes, "or element=1");
    addIf(sql, s.darkness, "or element=5");
    sql << QStringLiteral(")");

    addRange(sql, s.cost, QStringLiteral("cost"), QStringLiteral("Цена"));
    addRange(sql, s.weakHit, QStringLiteral("ld"), QStringLiteral("Слабый удар"));
    addRange(sql, s.middleHit, QStringLiteral("ad"), QStringLiteral("Средний удар"));
    addRange(sql, s.strongHit, QStringLiteral("sd"), QStringLiteral("Сильный удар"));

    sql << QStringLiteral("and (move<-5 ");
    addIf(sql, s.symbiote, "or (move in (-3, -4))");
    addIf(sql, s.flying, "or (move=-2)");
    addIf(sql, s.immobile, "or (move=-1)");
    if (s.move.active) {
        const QString min = wholeNumber(s.move.min, QStringLiteral("Ход"));
        const QString max = wholeNumber(s.move.max, QStringLiteral("Ход"));
        sql << QStringLiteral("or (move>=%1 and move<=%2)").arg(min, max);
    }
    sql << QStringLiteral(")");

    // A phrase line carries one enclosing character at each end, which is not searched.
    for (const QString &phrase : s.phrases) {
        const QString inner = phrase.size() >= 2 ? phrase.mid(1, phrase.size() - 2) : QString();
        sql << QStringLiteral("and text like ") + sqlQuote(QLatin1Char('%') + inner + QLatin1Char('%'));
    }

    if (s.classActive) {
        const QString joiner = s.classAny ? QStringLiteral("OR") : QStringLiteral("AND");
        // With ИЛИ the bracket starts from a pattern no card holds, so it is false until a
        // class matches.
        if (s.classAny)
            sql << QStringLiteral("and (text like '%krivedmedved%' ");
        for (const QString &className : s.classes)
            sql << joiner + QStringLiteral(" text like ")
                    + sqlQuote(QLatin1Char('%') + className + QStringLiteral(".%"));
        if (s.classAny)
            sql << QStringLiteral(")");
    }

    const QStringList &tokens = FilterKeywordTokens();
    for (int i = 0; i < tokens.size(); ++i)
        if (s.keywords[size_t(i)])
            sql << QStringLiteral("and text like '%") + tokens.at(i) + QStringLiteral("%'");

    if (s.artistActive)
        sql << QStringLiteral("and artist=") + sqlQuote(s.artist);

    sql << QStringLiteral("ORDER BY ") + sortOrder;
    return sql;
}

} // namespace vz
