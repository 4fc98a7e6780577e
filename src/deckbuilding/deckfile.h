#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The three deck file formats as pure text transformations: which format a file name asks for,
// the lines a deck gives in each format, the codes of bc.ini, and the reading of one deck line.
// Files themselves are read and written with readListFile / writeListFile (Windows-1251, CR LF).

namespace vz {

/// The deck file formats, chosen by the file name's extension.
enum class DeckFormat {
    Dec, ///< "3 Имя" per record
    Dck, ///< "код=3" per record, codes from bc.ini
    Txt, ///< the name once per copy
};

/// One deck record as the files see it: a card name and its number of copies.
struct DeckEntry
{
    QString name;
    int kolvo = 0;

    friend bool operator==(const DeckEntry &, const DeckEntry &) = default;
};

/// The filter text of the deck open and save dialogs.
QString deckFileFilter();

/// The format named by the file name's extension (dec, dck or txt, letter case ignored);
/// nullopt for any other name.
std::optional<DeckFormat> deckFormatOf(const QString &fileName);

/// The code bc.ini gives a card name: the last line whose name part equals `name` exactly;
/// empty when bc.ini has no line for it.
QString dckCode(const QStringList &bcLines, const QString &name);

/// The lines of a deck file in `format`, records in deck order. `bcLines` is needed for Dck only;
/// the names of records that bc.ini has no code for are appended to `uncoded` (Dck only) and
/// write no line.
QStringList deckFileLines(DeckFormat format, const QList<DeckEntry> &deck,
    const QStringList &bcLines = {}, QStringList *uncoded = nullptr);

/// Turns one line of a dck file into a line of the dec shape ("count name"): the count is the
/// whole text after the first "=", the code before it is replaced by the name of the first
/// bc.ini line with that code (letter case ignored). An unknown code stays as it is; a line
/// without "=" names no card and gives an empty line.
QString dckLineToDecLine(const QString &line, const QStringList &bcLines);

/// Reads one line of a dec or txt file: after trimming blanks and control characters, a leading
/// integer other than 0 followed by a space is the number of copies and the rest the name;
/// otherwise the whole line is the name, once (no copy when the leading integer is 0).
/// The number of copies may be 0 or negative, which adds nothing.
DeckEntry parseDeckLine(const QString &line);

/// A decimal integer with an optional sign that fits in 32 bits.
std::optional<int> parseDeckCount(const QString &text);

/// `text` without leading and trailing blanks and control characters.
QString trimBlanks(const QString &text);

} // namespace vz
