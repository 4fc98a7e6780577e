// The sample program folder: layout, list files, fonts, decks, and the final self-check.

#include "sampledata.h"
#include "sampleinternal.h"

#include "platform/database.h"
#include "platform/error.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

#include <sqlite3.h>

namespace vz::sample {

namespace {

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

void copyFont(const QString &from, const QString &to)
{
    if (!QFile::exists(from))
        throw vz::Error(S("Нет файла шрифта %1 (нужен пакет fonts-dejavu-core)").arg(from));
    QFile::remove(to);
    if (!QFile::copy(from, to))
        throw vz::Error(S("Не удалось скопировать шрифт %1 в %2").arg(from, to));
}

void fail(const QString &message)
{
    throw vz::Error(S("Проверка образца не пройдена: ") + message);
}

/// Reads the folder back and checks it against the catalogue it was made from.
void verifyFolder(const QString &dir, const SampleCatalogue &cat)
{
    vz::Database db(dir + S("/db1.sqlite"));
    QHash<int, int> expected;
    for (const SampleCard &card : cat.cards)
        expected[card.setNum] += 1;
    QHash<int, int> actual;
    QSet<QString> visibleNames;
    QString allText;
    sqlite3_stmt *stmt = nullptr;
    const char *sql = "SELECT set_num, set_name, card_index, name, text FROM zarn";
    if (sqlite3_prepare_v2(db.handle(), sql, -1, &stmt, nullptr) != SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(db.handle())));
    auto column = [&](int i) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, i)),
                                 sqlite3_column_bytes(stmt, i));
    };
    int rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        ++rows;
        const int setNum = sqlite3_column_int(stmt, 0);
        actual[setNum] += 1;
        if (cat.sets.value(setNum - 1) != column(1))
            fail(S("сет %1 не совпадает со строкой %1 файла sets.ini").arg(setNum));
        if (sqlite3_column_int(stmt, 2) > 0)
            visibleNames.insert(column(3));
        allText += column(4) + QLatin1Char('\n');
    }
    sqlite3_finalize(stmt);
    if (rows != int(cat.cards.size()))
        fail(S("в таблице %1 строк вместо %2").arg(rows).arg(cat.cards.size()));
    if (actual != expected)
        fail(S("число карт по сетам не совпадает"));
    if (readListFile(dir + S("/sets.ini")) != cat.sets || cat.sets.size() < 16)
        fail(S("sets.ini"));
    for (const QString &line : readListFile(dir + S("/bc.ini"))) {
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        if (space <= 0 || !visibleNames.contains(line.mid(space + 1)))
            fail(S("в bc.ini карта не найдена: %1").arg(line));
    }
    for (const QString &deck : {S("/Decks/Горы.dec"), S("/Decks/Степи.dec")})
        for (const QString &line : readListFile(dir + deck))
            if (!visibleNames.contains(line.section(QLatin1Char(' '), 1)))
                fail(S("в колоде %1 карта не найдена: %2").arg(deck, line));
    const bool fullSized = visibleNames.size() >= 100; // small folders need not have everything
    for (const QString &abbr : markupAbbreviations())
        if (fullSized && !allText.contains(QLatin1Char('/') + abbr + QLatin1Char('/')))
            fail(S("знак /%1/ не встречается в текстах").arg(abbr));
    if (!visibleNames.contains(S("Метаморф")))
        fail(S("нет карты Метаморф"));
    if (readListFile(dir + S("/trans.ini")).size() != 33)
        fail(S("trans.ini"));
    if (fullSized && cat.boosters.isEmpty())
        fail(S("нет ни одного вида бустеров"));
    for (const SampleCard &card : cat.cards) {
        if (card.hasPicture && !QFile::exists(dir + S("/small/") + card.picPath + S(".jpg")))
            fail(S("нет рисунка %1").arg(card.picPath));
        if (card.hasScan && !QFile::exists(dir + S("/html/") + card.scanPath + S(".jpg")))
            fail(S("нет скана %1").arg(card.scanPath));
    }
}

} // namespace

void generateProgramFolder(const QString &dir, int cardCount, quint32 seed)
{
    QDir root(dir);
    if (!root.mkpath(S(".")))
        throw vz::Error(S("Не удалось создать папку %1").arg(dir));
    for (const char *sub : {"pics", "small", "html", "Decks"})
        if (!root.mkpath(QString::fromLatin1(sub)))
            throw vz::Error(S("Не удалось создать папку %1/%2").arg(dir, QString::fromLatin1(sub)));
    for (const char *old : {"db1.sqlite", "db1.sqlite-wal", "db1.sqlite-shm", "db1.sqlite-journal"})
        QFile::remove(root.filePath(QString::fromLatin1(old)));

    const SampleCatalogue cat = buildCatalogue(cardCount, seed);
    {
        vz::Database db(root.filePath(S("db1.sqlite")));
        insertCards(db.handle(), cat.cards);
    }

    writeListFile(root.filePath(S("sets.ini")), cat.sets);
    writeListFile(root.filePath(S("artists.ini")), cat.artists);
    writeListFile(root.filePath(S("class.ini")), cat.classes);
    writeListFile(root.filePath(S("misc.ini")), cat.misc);
    writeListFile(root.filePath(S("boosters.ini")), cat.boosters);
    writeListFile(root.filePath(S("bc.ini")), cat.bc);
    writeListFile(root.filePath(S("trans.ini")), cat.trans);
    writeListFile(root.filePath(S("Decks/Горы.dec")), cat.deckMountains);
    writeListFile(root.filePath(S("Decks/Степи.dec")), cat.deckSteppes);

    const QString fonts = S("/usr/share/fonts/truetype/dejavu/");
    copyFont(fonts + S("DejaVuSerif-Bold.ttf"), root.filePath(S("pics/FntName.ttf")));
    copyFont(fonts + S("DejaVuSans.ttf"), root.filePath(S("pics/FntText.ttf")));

    drawAllPictures(root.absolutePath(), cat, seed);
    verifyFolder(root.absolutePath(), cat);
}

} // namespace vz::sample
