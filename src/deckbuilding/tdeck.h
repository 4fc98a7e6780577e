#pragma once

#include <QString>
#include <QStringList>

/// A player's deck on the battlefield: the card names of a dec file, one entry per copy.
class TDeck
{
public:
    /// One card name per copy, in file order.
    QStringList Cards;

    /// Replaces Cards by the cards of a dec file ("count name" per line). Names are not looked
    /// up. Throws vz::Error when the file cannot be read, or at the first line whose text before
    /// its first space is not an integer; the names read before that line stay in Cards.
    void LoadDeckFile(const QString &FileName);
};
