#pragma once

#include "deckfile.h"

#include <QList>

// Editing of the deck table: one record per distinct card with its number of copies in `kolvo`,
// records numbered in `card_index` in the order they were added.

namespace vz {

class DataSet;
class Table;

/// Adds `copies` copies of the current card of `cards` to the deck. A deck record with the same
/// name (whole name, letter case ignored) gets its kolvo raised; otherwise a record is appended
/// with every card field copied, kolvo = copies and card_index one past the last record's (1 in an
/// empty deck). The deck's cursor ends on that record. Returns false, changing nothing, when
/// `cards` has no current row, its name is empty or `copies` is below 1.
bool addCardToDeck(Table &deck, const DataSet &cards, int copies = 1);

/// Removes one copy of the deck's current record, deleting the record at its last copy.
/// Returns false when the deck is empty.
bool removeOneCopy(Table &deck);

/// The deck's records in order, as name and kolvo.
QList<DeckEntry> deckEntries(const Table &deck);

/// The number of cards in the deck: the sum of kolvo, limited to the int range.
int deckCardTotal(const Table &deck);

} // namespace vz
