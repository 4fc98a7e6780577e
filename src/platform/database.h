#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

namespace vz {

/// The table engine behind the alias db1: one SQLite file holding the card table `zarn`
/// and the deck table `deck`. Every connection gets the Cyrillic collation `ru` (used by all
/// text columns, so ORDER BY sorts а..е, ё, ж..я with capitals folded) and a case-sensitive
/// like() that understands Cyrillic and has a fast path for the '%literal%' form.
class Database
{
public:
    /// Opens (creating when missing) the database file and makes sure both tables exist.
    explicit Database(const QString &path);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    sqlite3 *handle() const { return m_db; }
    QString path() const { return m_path; }

    /// Runs one or more statements without results; throws DbError with the engine's message.
    void exec(const QString &sql);

    /// The 23 card fields in table order.
    static const QStringList &cardFields();
    /// The card fields followed by `kolvo`.
    static const QStringList &deckFields();
    /// Whether a card field (by position) holds text rather than an integer.
    static bool isTextField(int position);

    /// Registers the collation and like() on a raw connection (used by tools and benchmarks).
    static void registerFunctions(sqlite3 *db);

private:
    QString m_path;
    sqlite3 *m_db = nullptr;
};

/// `text` as an SQL string literal: enclosed in single quotes with every quote doubled.
QString sqlQuote(const QString &text);

/// Compares two UTF-8 texts in Cyrillic alphabetical order (Windows-1251 letters, ё after е,
/// capitals folded); texts that differ only in case are ordered by their exact characters,
/// so the result is 0 only for equal texts. Returns <0, 0 or >0.
int compareCyrillic(const char *a, int lenA, const char *b, int lenB);

/// Case-sensitive LIKE: '%' matches any run of characters, '_' exactly one character.
bool likeMatch(const char *pattern, int patternLen, const char *text, int textLen);

} // namespace vz
