#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rules-text markup: keyword tokens written as "/УНИ/" in a card's rules text, the splitter
// that cuts a rules text into display words, and the renderer's plan as plain data (text runs in
// a text style and inline icons). The widgets side (icons, the rich text view) is cardtext.h.

/// The twenty token abbreviations ("ЗОВД", "УНИ", ...); the index is the token's icon index.
const QStringList &MarkupTokens();
/// Token `index` as written in a rules text: "/" + abbreviation + "/"; empty outside 0..19.
QString MarkupToken(int index);
/// The index of the token `word` is exactly (letter case counts), -1 when it is none.
int MarkupTokenIndex(const QString &word);
/// The meaning of each token, used as the alternative text of its HTML icon ("" for "СИМ").
const QStringList &MarkupMeanings();
/// The icon file of token `index` on the HTML pages ("sym-zvd.gif"); "" for "СИМ" and outside
/// 0..19.
QString MarkupHtmlIcon(int index);

/// Cuts a rules text into display words and appends them to `words`. A full stop is added when
/// the text does not end in one; a closing token slash is parted from the punctuation or token
/// that follows it; words end after a blank, apostrophe, comma, full stop, colon or semicolon,
/// which stays at the end of its word; blanks and control characters around a word are trimmed
/// and empty words dropped. Line breaks inside a word stay in it.
void SplitCardText(const QString &text, QStringList &words);

/// One piece of a rendered rules text: a text run in a text style of the card text view, or an
/// inline icon (index into the card icons).
struct MarkupRun
{
    enum Kind { Text, Icon } kind = Text;
    QString text;
    int style = 0;
    int icon = -1;

    bool operator==(const MarkupRun &other) const = default;
};

/// Text style of ordinary words and of class words in the card text view.
inline constexpr int MarkupPlainStyle = 0;
inline constexpr int MarkupClassStyle = 6;

/// The rendering of a rules text as runs, in order. A word that is exactly a token becomes its
/// icon; any other word holding a slash is left out. A word beginning with the first five letters
/// of a class line, lower-cased, and holding no double quote is a class word (italic style);
/// blank class lines are ignored and lines are trimmed first. Each word is followed by one blank,
/// except a lone double quote, apostrophe or bracket. An empty or blank text gives two blanks.
QList<MarkupRun> BuildCardTextRuns(const QString &text, const QStringList &classLines);
