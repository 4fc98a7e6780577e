#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace vz {

/// One "from ... to" field pair of the filter dialog with the box that switches it on.
struct ValueRange
{
    bool active = false;
    QString min = QStringLiteral("0");
    QString max = QStringLiteral("99");
};

/// Every control of the filter dialog that takes part in the filter query, as plain values.
/// The defaults are the dialog's start state (sets and lists aside, which the dialog fills).
struct FilterState
{
    // "Тип"
    bool artifact = true, terrain = true, creature = true, equipment = true;
    // "Элитность"
    bool ordinary = true, elite = true;
    // "Стихия"
    bool swamps = true, mountains = true, forests = true, neutrals = true, steppes = true,
         darkness = true;
    // "Редкость"
    bool common = true, rare = true, ultra = true, promo = true;
    // "Базовые"
    bool symbiote = true, flying = true, immobile = true;
    ValueRange move { true, QStringLiteral("0"), QStringLiteral("99") };
    ValueRange cost, weakHit, middleHit, strongHit;

    /// Names of the checked sets, in list order.
    QStringList sets;
    /// Checked lines of the phrase list as shown (with their enclosing characters), in list order.
    QStringList phrases;
    /// "Класс": whether the class condition applies, ИЛИ (any) instead of И (all), the checked
    /// class names in list order.
    bool classActive = false;
    bool classAny = false;
    QStringList classes;
    /// The keyword boxes in query order: /УНИ/, /НУ/, /РЕГ/, /ЗОЯ/, /УЧР/, /ЗОМ/, /ИНС/, /ТАП/,
    /// /ЗОВ/, /ФИШ/, /ЗОЗ/, /ЗОВД/ (see FilterKeywordTokens()).
    std::array<bool, 12> keywords {};
    /// "Художник" and the chosen artist.
    bool artistActive = false;
    QString artist;
};

/// The twelve keyword tokens in the order their conditions enter the query.
const QStringList &FilterKeywordTokens();

/// The filter query as lines, ending with "ORDER BY " + `sortOrder`. Names and phrases enter
/// as SQL literals (quotes doubled). Throws vz::Error naming the field when an active range
/// field does not hold a whole number.
QStringList BuildFilterSql(const FilterState &state, const QString &sortOrder);

} // namespace vz
