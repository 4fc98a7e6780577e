#include "deckrecords.h"

#include "platform/database.h"
#include "platform/dataset.h"

#include <algorithm>
#include <limits>

namespace vz {

namespace {

int saturatedAdd(qint64 a, qint64 b)
{
    return int(std::clamp<qint64>(
        a + b, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

bool addCardToDeck(Table &deck, const DataSet &cards, int copies)
{
    if (copies < 1 || cards.recNo() < 0)
        return false;
    const QString name = cards.text(QStringLiteral("name"));
    if (name.isEmpty())
        return false;

    if (deck.locate(QStringLiteral("name"), name, DataSet::Locate::CaseInsensitive)) {
        const qint64 kolvo = deck.integer(QStringLiteral("kolvo"));
        deck.edit();
        deck.setField(QStringLiteral("kolvo"), saturatedAdd(kolvo, copies));
        deck.post();
        return true;
    }

    qint64 cardIndex = 1;
    if (deck.recordCount() > 0) {
        deck.last();
        cardIndex = deck.integer(QStringLiteral("card_index")) + 1;
    }
    const QVariantList values = cards.values();
    const QStringList &fields = Database::cardFields();
    deck.append();
    deck.setField(QStringLiteral("card_index"), cardIndex);
    for (int position = 1; position < fields.size(); ++position) {
        const int source = cards.fieldIndex(fields.at(position));
        if (source >= 0 && source < values.size())
            deck.setField(fields.at(position), values.at(source));
    }
    deck.setField(QStringLiteral("kolvo"), copies);
    deck.post();
    return true;
}

bool removeOneCopy(Table &deck)
{
    if (deck.recordCount() == 0 || deck.recNo() < 0)
        return false;
    const qint64 kolvo = deck.integer(QStringLiteral("kolvo"));
    if (kolvo < 2) {
        deck.deleteRecord();
    } else {
        deck.edit();
        deck.setField(QStringLiteral("kolvo"), kolvo - 1);
        deck.post();
    }
    return true;
}

QList<DeckEntry> deckEntries(const Table &deck)
{
    if (deck.fieldCount() == 0)
        return {};
    const QStringList names = deck.columnTexts(QStringLiteral("name"));
    const QStringList counts = deck.columnTexts(QStringLiteral("kolvo"));
    QList<DeckEntry> entries;
    entries.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        entries << DeckEntry { names.at(i), counts.at(i).toInt() };
    return entries;
}

int deckCardTotal(const Table &deck)
{
    qint64 total = 0;
    for (const DeckEntry &entry : deckEntries(deck))
        total = saturatedAdd(total, entry.kolvo);
    return int(total);
}

} // namespace vz
