// The deck file formats without a window: choosing the format by name, reading one deck line,
// the bc.ini codes in both directions, and the battlefield's TDeck.

#include "deckbuilding/deckfile.h"
#include "deckbuilding/tdeck.h"
#include "platform/error.h"
#include "platform/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Codes of the sample bc.ini: G1 lies inside G12, so only whole codes may match.
const QStringList kCodes = { u"G1 Гном"_s, u"G12 Гном-воин"_s, u"S7 Старый гном"_s, u"E4 Эльф"_s,
    u"E5 Эльф"_s, u"X9"_s };

} // namespace

class TestDeckFile : public QObject
{
    Q_OBJECT

private slots:
    void formatOfName_data();
    void formatOfName();
    void parseDeckLine_data();
    void parseDeckLine();
    void dckLineToDecLine_data();
    void dckLineToDecLine();
    void dckCodes();
    void linesPerFormat();
    void tdeckLoad_data();
    void tdeckLoad();
    void tdeckMissingFile();
};

void TestDeckFile::formatOfName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("format"); // -1: none

    QTest::newRow("dec") << u"/x/Decks/Горы.dec"_s << int(vz::DeckFormat::Dec);
    QTest::newRow("dck") << u"deck.dck"_s << int(vz::DeckFormat::Dck);
    QTest::newRow("txt") << u"deck.txt"_s << int(vz::DeckFormat::Txt);
    QTest::newRow("capitals") << u"DECK.DEC"_s << int(vz::DeckFormat::Dec);
    QTest::newRow("mixed case") << u"deck.Dck"_s << int(vz::DeckFormat::Dck);
    QTest::newRow("dotted folder") << u"/a.b/deck.TXT"_s << int(vz::DeckFormat::Txt);
    QTest::newRow("no extension") << u"deck"_s << -1;
    QTest::newRow("ends in dec without dot") << u"mydec"_s << -1;
    QTest::newRow("other extension") << u"deck.doc"_s << -1;
    QTest::newRow("second extension") << u"deck.dec.bak"_s << -1;
}

void TestDeckFile::formatOfName()
{
    QFETCH(QString, fileName);
    QFETCH(int, format);
    const std::optional<vz::DeckFormat> found = vz::deckFormatOf(fileName);
    QCOMPARE(found ? int(*found) : -1, format);
}

void TestDeckFile::parseDeckLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("copies");

    QTest::newRow("count and name") << u"3 Гном"_s << u"Гном"_s << 3;
    QTest::newRow("name with spaces") << u"2 Старый гном"_s << u"Старый гном"_s << 2;
    QTest::newRow("blanks and control characters")
        << u"\t 2   Старый гном \x01\r"_s << u"Старый гном"_s << 2;
    QTest::newRow("name alone") << u"Гном"_s << u"Гном"_s << 1;
    QTest::newRow("name with spaces alone") << u"Старый гном"_s << u"Старый гном"_s << 1;
    QTest::newRow("count 0") << u"0 Гном"_s << u"0 Гном"_s << 0;
    QTest::newRow("negative count") << u"-2 Гном"_s << u"Гном"_s << -2;
    QTest::newRow("plus sign") << u"+4 Гном"_s << u"Гном"_s << 4;
    QTest::newRow("digits with letters") << u"2x Гном"_s << u"2x Гном"_s << 1;
    QTest::newRow("count too large for 32 bits")
        << u"99999999999 Гном"_s << u"99999999999 Гном"_s << 1;
    QTest::newRow("largest count") << u"2147483647 Гном"_s << u"Гном"_s << 2147483647;
    QTest::newRow("number alone") << u"12"_s << u"12"_s << 1;
    QTest::newRow("empty") << QString() << QString() << 1;
}

void TestDeckFile::parseDeckLine()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(int, copies);
    const vz::DeckEntry entry = vz::parseDeckLine(line);
    QCOMPARE(entry.name, name);
    QCOMPARE(entry.kolvo, copies);
}

void TestDeckFile::dckLineToDecLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("decLine");

    QTest::newRow("known code") << u"G1=3"_s << u"3 Гном"_s;
    QTest::newRow("code containing another") << u"G12=2"_s << u"2 Гном-воин"_s;
    QTest::newRow("letter case of the code") << u"s7=1"_s << u"1 Старый гном"_s;
    QTest::newRow("blanks around") << u"  E4 =  2 "_s << u"2 Эльф"_s;
    QTest::newRow("first line of a code wins") << u"E4=1"_s << u"1 Эльф"_s;
    QTest::newRow("count of 12") << u"G1=12"_s << u"12 Гном"_s;
    QTest::newRow("count of 123 read whole") << u"G1=123"_s << u"123 Гном"_s;
    QTest::newRow("unknown code") << u"ZZ=2"_s << u"2 ZZ"_s;
    QTest::newRow("code line without a name") << u"X9=2"_s << u"2 X9"_s;
    QTest::newRow("empty count") << u"G1="_s << u" Гном"_s;
    QTest::newRow("no equals sign") << u"G1"_s << QString();
    QTest::newRow("empty line") << QString() << QString();
}

void TestDeckFile::dckLineToDecLine()
{
    QFETCH(QString, line);
    QFETCH(QString, decLine);
    QCOMPARE(vz::dckLineToDecLine(line, kCodes), decLine);
}

void TestDeckFile::dckCodes()
{
    const QStringList codes = kCodes + QStringList { u"E6 Эльф"_s };
    QCOMPARE(vz::dckCode(codes, u"Гном"_s), u"G1"_s);
    QCOMPARE(vz::dckCode(codes, u"Эльф"_s), u"E6"_s); // the last line of a name
    QCOMPARE(vz::dckCode(codes, u"гном"_s), QString()); // names compare exactly
    QCOMPARE(vz::dckCode(codes, u"Тролль"_s), QString());
    QCOMPARE(vz::dckCode(codes, QString()), QString()); // "X9" has no name part
}

void TestDeckFile::linesPerFormat()
{
    const QList<vz::DeckEntry> deck = { { u"Гном"_s, 3 }, { u"Тролль"_s, 1 }, { u"Эльф"_s, 2 } };
    QCOMPARE(vz::deckFileLines(vz::DeckFormat::Dec, deck),
        (QStringList { u"3 Гном"_s, u"1 Тролль"_s, u"2 Эльф"_s }));
    QCOMPARE(vz::deckFileLines(vz::DeckFormat::Txt, deck),
        (QStringList { u"Гном"_s, u"Гном"_s, u"Гном"_s, u"Тролль"_s, u"Эльф"_s, u"Эльф"_s }));
    QStringList uncoded;
    QCOMPARE(vz::deckFileLines(vz::DeckFormat::Dck, deck, kCodes, &uncoded),
        (QStringList { u"G1=3"_s, u"E5=2"_s }));
    QCOMPARE(uncoded, QStringList { u"Тролль"_s });
    QVERIFY(vz::deckFileLines(vz::DeckFormat::Dec, {}).isEmpty());
}

void TestDeckFile::tdeckLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<bool>("fails");

    const QStringList aab = { u"Гном"_s, u"Гном"_s, u"Старый гном"_s };
    auto cp = [](const QString &text) { return vz::toCp1251(text); };
    QTest::newRow("CR LF") << cp(u"2 Гном\r\n1 Старый гном\r\n"_s) << aab << false;
    QTest::newRow("LF, no last end") << cp(u"2 Гном\n1 Старый гном"_s) << aab << false;
    QTest::newRow("lone CR") << cp(u"2 Гном\r1 Старый гном\r"_s) << aab << false;
    QTest::newRow("blanks around count and name")
        << cp(u"2\t Гном \n1  Старый гном"_s) << aab << false;
    QTest::newRow("count 0 and negative")
        << cp(u"0 Гном\n-3 Эльф\n1 Тролль"_s) << QStringList { u"Тролль"_s } << false;
    QTest::newRow("empty file") << QByteArray() << QStringList() << false;
    QTest::newRow("stops at a name without count")
        << cp(u"2 Гном\nЭльф\n1 Тролль"_s) << QStringList { u"Гном"_s, u"Гном"_s } << true;
    QTest::newRow("stops at an empty line")
        << cp(u"1 Гном\n\n1 Тролль"_s) << QStringList { u"Гном"_s } << true;
    QTest::newRow("stops at a leading blank")
        << cp(u" 2 Гном\n1 Тролль"_s) << QStringList() << true;
}

void TestDeckFile::tdeckLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, cards);
    QFETCH(bool, fails);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"deck.dec"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    TDeck deck;
    deck.Cards = QStringList { u"прежняя карта"_s };
    bool failed = false;
    try {
        deck.LoadDeckFile(path);
    } catch (const vz::Error &e) {
        failed = true;
        QVERIFY(e.message().contains(u"не является целым числом"_s));
    }
    QCOMPARE(failed, fails);
    QCOMPARE(deck.Cards, cards);
}

void TestDeckFile::tdeckMissingFile()
{
    TDeck deck;
    deck.Cards = QStringList { u"Гном"_s };
    QVERIFY_THROWS_EXCEPTION(vz::Error, deck.LoadDeckFile(u"/nonexistent/deck.dec"_s));
    QCOMPARE(deck.Cards, QStringList { u"Гном"_s }); // an unreadable file changes nothing
}

QTEST_GUILESS_MAIN(TestDeckFile)
#include "tst_deckfile.moc"
