#pragma once

#include <QString>
#include <QtGlobal>

namespace vz {
class Database;
}

/// Generator of the sample program folder: invented cards, list files, pictures and decks.
/// Everything is derived from the seed, so the same seed gives the same folder.
namespace vz::sample {

/// Fills the card table `zarn` of `db` with `cardCount` visible invented cards (card_index 1..N)
/// plus two hidden rows (card_index 0 and -1), in one transaction.
void generateCatalogue(vz::Database &db, int cardCount, quint32 seed);

/// Lays out a whole program folder in `dir`: db1.sqlite, the list files, pics, small, html,
/// Decks. Checks the result at the end; throws vz::Error on any failure.
void generateProgramFolder(const QString &dir, int cardCount, quint32 seed);

} // namespace vz::sample
