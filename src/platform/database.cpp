#include "database.h"

#include "error.h"

#include <QFile>
#include <cstring>
#include <sqlite3.h>
#include <string_view>

namespace vz {

namespace {

// Decodes one UTF-8 character at s[i] (advancing i); malformed bytes are taken as they are.
inline char32_t nextCodePoint(const unsigned char *s, int len, int &i)
{
    const unsigned char c = s[i++];
    if (c < 0x80)
        return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = c & (0x3F >> extra);
    while (extra-- > 0 && i < len && (s[i] & 0xC0) == 0x80)
        cp = (cp << 6) | (s[i++] & 0x3F);
    return cp;
}

// Primary sort weight: Latin letters folded, then other characters, then the Cyrillic
// alphabet (as in Windows-1251) with capitals folded and ё placed between е and ж.
inline quint32 primaryWeight(char32_t cp)
{
    if (cp < 0x80) {
        if (cp >= 'A' && cp <= 'Z')
            cp += 'a' - 'A';
        return cp;
    }
    constexpr quint32 cyrillicBase = 0x200000;
    if (cp >= 0x0410 && cp <= 0x042F)
        cp += 0x20;
    if (cp >= 0x0430 && cp <= 0x044F)
        return cyrillicBase + 2 * (cp - 0x0430);
    if (cp == 0x0401 || cp == 0x0451) // Ё, ё: right after е
        return cyrillicBase + 2 * 5 + 1;
    return 0x1000 + cp;
}

int collateRu(void *, int lenA, const void *a, int lenB, const void *b)
{
    return compareCyrillic(static_cast<const char *>(a), lenA, static_cast<const char *>(b), lenB);
}

void likeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (argc < 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL
        || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const char *pattern = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const int patternLen = sqlite3_value_bytes(argv[0]);
    const char *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    const int textLen = sqlite3_value_bytes(argv[1]);
    sqlite3_result_int(ctx, likeMatch(pattern, patternLen, text, textLen) ? 1 : 0);
}

const QStringList kCardFields = {
    QStringLiteral("card_index"), QStringLiteral("name"),     QStringLiteral("text"),
    QStringLiteral("elity"),      QStringLiteral("cost"),     QStringLiteral("life"),
    QStringLiteral("move"),       QStringLiteral("LD"),       QStringLiteral("AD"),
    QStringLiteral("SD"),         QStringLiteral("flavor"),   QStringLiteral("number"),
    QStringLiteral("rarity"),     QStringLiteral("artist"),   QStringLiteral("element"),
    QStringLiteral("set_name"),   QStringLiteral("set_num"),  QStringLiteral("type"),
    QStringLiteral("pic_path"),   QStringLiteral("date"),     QStringLiteral("comment"),
    QStringLiteral("printed_cost"), QStringLiteral("scan_path"),
};

QString columnList(const QStringList &fields)
{
    QStringList columns;
    for (int i = 0; i < fields.size(); ++i) {
        const bool text = i < kCardFields.size() && Database::isTextField(i);
        columns << fields.at(i) + (text ? QStringLiteral(" TEXT COLLATE ru") : QStringLiteral(" INTEGER"));
    }
    return columns.join(QStringLiteral(", "));
}

} // namespace

int compareCyrillic(const char *a, int lenA, const char *b, int lenB)
{
    const auto *sa = reinterpret_cast<const unsigned char *>(a);
    const auto *sb = reinterpret_cast<const unsigned char *>(b);
    // Skip the bytes both texts share (equal characters weigh the same), backing up to the start
    // of the character where they part.
    const int shorter = std::min(lenA, lenB);
    int common = 0;
    while (common < shorter && sa[common] == sb[common])
        ++common;
    if (common == lenA && common == lenB)
        return 0;
    while (common > 0 && ((common < lenA ? sa[common] : sb[common]) & 0xC0) == 0x80)
        --common;
    int i = common, j = common;
    while (i < lenA && j < lenB) {
        const quint32 wa = primaryWeight(nextCodePoint(sa, lenA, i));
        const quint32 wb = primaryWeight(nextCodePoint(sb, lenB, j));
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (i < lenA)
        return 1;
    if (j < lenB)
        return -1;
    // Equal apart from letter case: order by the exact characters (capitals first).
    const int c = std::memcmp(a, b, size_t(shorter));
    if (c != 0)
        return c < 0 ? -1 : 1;
    return lenA < lenB ? -1 : 1;
}

bool likeMatch(const char *pattern, int patternLen, const char *text, int textLen)
{
    const std::string_view p(pattern, size_t(patternLen));
    const std::string_view t(text, size_t(textLen));
    // Fast paths for the forms the card lists use: 'literal' and '%literal%'.
    if (p.find_first_of("%_") == std::string_view::npos)
        return p == t;
    if (p.size() >= 2 && p.front() == '%' && p.back() == '%') {
        const std::string_view inner = p.substr(1, p.size() - 2);
        if (inner.find_first_of("%_") == std::string_view::npos)
            return t.find(inner) != std::string_view::npos;
    }
    // General matcher with backtracking to the last '%'; '_' consumes one UTF-8 character.
    const auto *ps = reinterpret_cast<const unsigned char *>(pattern);
    const auto *ts = reinterpret_cast<const unsigned char *>(text);
    int pi = 0, ti = 0, starP = -1, starT = 0;
    while (ti < textLen) {
        if (pi < patternLen && ps[pi] == '%') {
            starP = ++pi;
            starT = ti;
        } else if (pi < patternLen && ps[pi] == '_') {
            ++pi;
            nextCodePoint(ts, textLen, ti);
        } else if (pi < patternLen && ps[pi] == ts[ti]) {
            ++pi;
            ++ti;
        } else if (starP >= 0) {
            pi = starP;
            nextCodePoint(ts, textLen, starT);
            ti = starT;
        } else {
            return false;
        }
    }
    while (pi < patternLen && ps[pi] == '%')
        ++pi;
    return pi == patternLen;
}

QString sqlQuote(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

Database::Database(const QString &path)
    : m_path(path)
{
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw DbError(QStringLiteral("Не удалось открыть базу данных %1: %2").arg(path, message));
    }
    registerFunctions(m_db);
    // A page cache and memory map large enough for the whole catalogue.
    exec(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"
                        "PRAGMA cache_size=-131072; PRAGMA mmap_size=536870912;"));
    // The list queries read every field in name order. An index on the name that holds every
    // other field too lets them read it front to back, instead of fetching each row by its row
    // id in name order, which is random access into the table (about 40 % of a list query).
    QStringList listColumns = kCardFields;
    listColumns.move(listColumns.indexOf(QStringLiteral("name")), 0);
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS zarn (%1);").arg(columnList(kCardFields))
         + QStringLiteral("CREATE TABLE IF NOT EXISTS deck (%1);").arg(columnList(deckFields()))
         + QStringLiteral("DROP INDEX IF EXISTS zarn_name;"
                          "CREATE INDEX IF NOT EXISTS zarn_list ON zarn(%1);"
                          "CREATE INDEX IF NOT EXISTS zarn_card_index ON zarn(card_index);")
               .arg(listColumns.join(QStringLiteral(", "))));
}

Database::~Database()
{
    sqlite3_close_v2(m_db);
}

void Database::exec(const QString &sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : sqlite3_errmsg(m_db));
        sqlite3_free(error);
        throw DbError(message);
    }
}

const QStringList &Database::cardFields()
{
    return kCardFields;
}

const QStringList &Database::deckFields()
{
    static const QStringList fields = kCardFields + QStringList{QStringLiteral("kolvo")};
    return fields;
}

bool Database::isTextField(int position)
{
    switch (position) {
    case 1: case 2: case 10: case 13: case 15: case 18: case 19: case 20: case 21: case 22:
        return true;
    default:
        return false;
    }
}

void Database::registerFunctions(sqlite3 *db)
{
    sqlite3_create_collation(db, "ru", SQLITE_UTF8, nullptr, collateRu);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr);
}

} // namespace vz
