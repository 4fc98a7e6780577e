#pragma once

#include "support/fixture.h"

#include <QStringList>

namespace vzt {

/// A small catalogue for the selection tests. Every card is a plain creature of "Сет 01"
/// (type 3, elity 1, element 1, rarity 2, cost 2, move 2, strikes 1-1-1, artist "Иван Петров")
/// unless its row says otherwise.
inline QList<QVariantList> selectionCards()
{
    auto card = [](int index, const QString &name, QVariantMap changes) {
        QVariantMap fields = { { QStringLiteral("type"), 3 }, { QStringLiteral("elity"), 1 },
            { QStringLiteral("element"), 1 }, { QStringLiteral("rarity"), 2 },
            { QStringLiteral("cost"), 2 }, { QStringLiteral("life"), 3 },
            { QStringLiteral("move"), 2 }, { QStringLiteral("LD"), 1 }, { QStringLiteral("AD"), 1 },
            { QStringLiteral("SD"), 1 }, { QStringLiteral("set_name"), QStringLiteral("Сет 01") },
            { QStringLiteral("set_num"), 1 },
            { QStringLiteral("artist"), QStringLiteral("Иван Петров") } };
        for (auto it = changes.begin(); it != changes.end(); ++it)
            fields.insert(it.key(), it.value());
        return cardRow(index, name, fields);
    };
    using M = QVariantMap;
    const auto s = [](const char *text) { return QString::fromUtf8(text); };
    return {
        card(1, s("Альфа"),
            M { { s("text"), s("Гном. Удар /УНИ/") }, { s("flavor"), s("Старый лес") } }),
        card(2, s("Бета"), M { { s("rarity"), 1 } }),
        card(3, s("Гамма"), M { { s("move"), -5 } }),
        card(4, s("Дельта"),
            M { { s("type"), 1 }, { s("cost"), 3 }, { s("printed_cost"), s("5") },
                { s("move"), 0 } }),
        card(5, s("Жук"),
            M { { s("cost"), 5 }, { s("printed_cost"), s("3") }, { s("move"), -2 },
                { s("text"), s("Эльф. /НУ/ Первый удар") } }),
        card(6, s("Зверь"),
            M { { s("move"), -3 }, { s("text"), s("дракон атакует") },
                { s("set_name"), s("Сет 16") }, { s("set_num"), 16 } }),
        card(7, s("Искра"), M { { s("set_name"), s("Чужой сет") } }),
        card(8, s("Кот"),
            M { { s("type"), -1 }, { s("artist"), s("О'Нил") },
                { s("text"), s("Гном. Эльф. Ярость. Сказ О'Нила") },
                { s("set_name"), s("О'Сет") } }),
        card(0, s("Лис"), M {}),
        card(10, s("Мак"), M { { s("move"), 100 } }),
        card(11, s("Нора"),
            M { { s("type"), 2 }, { s("elity"), 2 }, { s("element"), 5 }, { s("rarity"), 5 },
                { s("move"), -1 }, { s("text"), s("ДРАКОН") }, { s("flavor"), s("Дракон спит") } }),
        card(12, s("Оса"),
            M { { s("type"), 4 }, { s("element"), 0 }, { s("rarity"), 4 }, { s("LD"), 3 },
                { s("AD"), 4 }, { s("SD"), 5 }, { s("text"), s("Жало") } }),
    };
}

/// The set list of the selection tests: "Сет 01".."Сет 16" and "О'Сет".
inline QStringList selectionSets()
{
    QStringList sets;
    for (int i = 1; i <= 16; ++i)
        sets << QStringLiteral("Сет %1").arg(i, 2, 10, QLatin1Char('0'));
    sets << QStringLiteral("О'Сет");
    return sets;
}

/// A fixture folder holding the selection catalogue and set list.
inline void fillSelectionFolder(FixtureFolder &folder)
{
    folder.addCards(selectionCards());
    folder.writeList(QStringLiteral("sets.ini"), selectionSets());
}

} // namespace vzt
