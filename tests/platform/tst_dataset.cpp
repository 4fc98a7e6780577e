// The table engine: Cyrillic order and LIKE, the locate options, quoting, rejected statements,
// empty fields and table editing.

#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "support/fixture.h"

#include <QTemporaryDir>
#include <QTest>

using vz::DataSet;

class TestDataSet : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<vz::Database> m_db;

    QStringList names(vz::Query &q)
    {
        QStringList result;
        for (q.first(); !q.eof(); q.next())
            result << q.text(QStringLiteral("name"));
        return result;
    }

    QStringList select(const QString &where, const QString &order = QStringLiteral("card_index"))
    {
        vz::Query q(*m_db);
        q.setSql({QStringLiteral("SELECT zarn.*"), QStringLiteral("FROM zarn"),
                  QStringLiteral("WHERE ") + where, QStringLiteral("ORDER BY ") + order});
        q.open();
        return names(q);
    }

private slots:
    void init()
    {
        m_db.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("db1.sqlite")));
        m_db = std::make_unique<vz::Database>(m_dir.filePath(QStringLiteral("db1.sqlite")));
        vz::Table zarn(*m_db, QStringLiteral("zarn"));
        zarn.open();
        const QStringList cards = {
            QStringLiteral("жаба"),     QStringLiteral("Ёж"),     QStringLiteral("ель"),
            QStringLiteral("Яга"),      QStringLiteral("апостол"), QStringLiteral("Дракон"),
            QStringLiteral("дракон"),   QStringLiteral("Zebra"),  QStringLiteral("Д'Арк"),
            QStringLiteral("Ёлка"),     QStringLiteral("Ель"),
        };
        int index = 1;
        for (const QString &name : cards)
            zarn.appendRecord(vzt::cardRow(index++, name,
                                           {{QStringLiteral("text"), name + QStringLiteral(" бьёт")},
                                            {QStringLiteral("cost"), index}}));
        // A row with empty fields and a hidden row.
        zarn.appendRecord(vzt::cardRow(index++, QStringLiteral("Пустышка")));
        zarn.appendRecord(vzt::cardRow(0, QStringLiteral("Скрытая")));
    }

    void cyrillicOrder()
    {
        // а..е, ё, ж..я with capitals folded; Latin before Cyrillic; equal names in case order.
        QCOMPARE(select(QStringLiteral("card_index>0"), QStringLiteral("name")),
                 (QStringList{QStringLiteral("Zebra"), QStringLiteral("апостол"),
                              QStringLiteral("Д'Арк"), QStringLiteral("Дракон"),
                              QStringLiteral("дракон"), QStringLiteral("Ель"),
                              QStringLiteral("ель"), QStringLiteral("Ёж"), QStringLiteral("Ёлка"),
                              QStringLiteral("жаба"), QStringLiteral("Пустышка"),
                              QStringLiteral("Яга")}));
        QCOMPARE(select(QStringLiteral("card_index>0"), QStringLiteral("name desc")).first(),
                 QStringLiteral("Яга"));
    }

    void equalityIsExact()
    {
        // The Cyrillic collation must not make '=' ignore case.
        QCOMPARE(select(QStringLiteral("name='Дракон'")), QStringList{QStringLiteral("Дракон")});
    }

    void likeIsCaseSensitive_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("lower Cyrillic") << QStringLiteral("name like 'дра%'")
                                        << QStringList{QStringLiteral("дракон")};
        QTest::newRow("upper Cyrillic") << QStringLiteral("name like 'Дра%'")
                                        << QStringList{QStringLiteral("Дракон")};
        QTest::newRow("substring") << QStringLiteral("text like '%Ёж бьёт%'")
                                   << QStringList{QStringLiteral("Ёж")};
        QTest::newRow("ё is not е") << QStringLiteral("name like '%ел%'")
                                    << QStringList{QStringLiteral("ель")};
        QTest::newRow("underscore is one letter") << QStringLiteral("name like 'Я_а'")
                                                  << QStringList{QStringLiteral("Яга")};
        QTest::newRow("inner wildcard") << QStringLiteral("name like 'Д%н'")
                                        << QStringList{QStringLiteral("Дракон")};
        QTest::newRow("empty field matches no pattern")
            << QStringLiteral("text like '%%' and card_index=12") << QStringList{};
        QTest::newRow("quoted apostrophe")
            << QStringLiteral("name = ") + vz::sqlQuote(QStringLiteral("Д'Арк"))
            << QStringList{QStringLiteral("Д'Арк")};
    }
    void likeIsCaseSensitive()
    {
        QFETCH(QString, where);
        QFETCH(QStringList, expected);
        QCOMPARE(select(where), expected);
    }

    void sqlQuoteDoublesQuotes()
    {
        QCOMPARE(vz::sqlQuote(QStringLiteral("О'Нил")), QStringLiteral("'О''Нил'"));
        QCOMPARE(vz::sqlQuote(QString()), QStringLiteral("''"));
    }

    void locateOptions_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("found"); // empty: not found
        QTest::newRow("exact") << QStringLiteral("дракон") << int(DataSet::Locate::Exact)
                               << QStringLiteral("дракон");
        QTest::newRow("exact misses other case")
            << QStringLiteral("ДРАКОН") << int(DataSet::Locate::Exact) << QString();
        QTest::newRow("insensitive folds Cyrillic")
            << QStringLiteral("ДРАКОН") << int(DataSet::Locate::CaseInsensitive)
            << QStringLiteral("Дракон");
        QTest::newRow("insensitive folds ё") << QStringLiteral("ёж")
                                             << int(DataSet::Locate::CaseInsensitive)
                                             << QStringLiteral("Ёж");
        QTest::newRow("insensitive is whole") << QStringLiteral("драк")
                                              << int(DataSet::Locate::CaseInsensitive) << QString();
        QTest::newRow("prefix") << QStringLiteral("ДР") << int(DataSet::Locate::CaseInsensitivePrefix)
                                << QStringLiteral("Дракон");
        QTest::newRow("prefix with apostrophe")
            << QStringLiteral("д'") << int(DataSet::Locate::CaseInsensitivePrefix)
            << QStringLiteral("Д'Арк");
        QTest::newRow("prefix misses") << QStringLiteral("щ")
                                       << int(DataSet::Locate::CaseInsensitivePrefix) << QString();
    }
    void locateOptions()
    {
        QFETCH(QString, value);
        QFETCH(int, option);
        QFETCH(QString, found);
        vz::Query q(*m_db);
        q.setSql({QStringLiteral("SELECT zarn.* FROM zarn WHERE card_index>0"),
                  QStringLiteral("ORDER BY name")});
        q.open();
        q.last();
        const QString before = q.text(QStringLiteral("NAME")); // field names ignore case
        const bool ok = q.locate(QStringLiteral("name"), value, DataSet::Locate(option));
        QCOMPARE(ok, !found.isEmpty());
        QCOMPARE(q.text(QStringLiteral("name")), ok ? found : before);
    }

    void emptyFieldsReadAsEmptyAndZero()
    {
        vz::Query q(*m_db);
        q.setSql({QStringLiteral("SELECT zarn.* FROM zarn WHERE name='Пустышка'"),
                  QStringLiteral("ORDER BY name")});
        q.open();
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.text(QStringLiteral("flavor")), QString());
        QCOMPARE(q.integer(QStringLiteral("life")), 0);
        QCOMPARE(q.text(QStringLiteral("ld")), QString());
        QVERIFY(q.isNull(5));
    }

    void rejectedStatementLeavesDataSetIntact()
    {
        vz::Query q(*m_db);
        const QStringList good = {QStringLiteral("SELECT zarn.* FROM zarn"),
                                  QStringLiteral("WHERE card_index>0"),
                                  QStringLiteral("ORDER BY name")};
        q.setSql(good);
        q.open();
        QVERIFY(q.locate(QStringLiteral("name"), QStringLiteral("Яга"), DataSet::Locate::Exact));
        q.close();
        q.sql().removeLast();
        q.sql() << QStringLiteral("and name='Д'Арк'") << QStringLiteral("ORDER BY name");
        try {
            q.open();
            QFAIL("the engine accepted a broken statement");
        } catch (const vz::DbError &e) {
            QVERIFY(!e.message().isEmpty());
        }
        QCOMPARE(q.sql(), good);
        QVERIFY(q.isOpen());
        QCOMPARE(q.recordCount(), 12);
        QCOMPARE(q.text(QStringLiteral("name")), QStringLiteral("Яга"));
    }

    void tableEditing()
    {
        vz::Table deck(*m_db, QStringLiteral("deck"));
        deck.open();
        QCOMPARE(deck.fieldCount(), 24);
        for (int i = 1; i <= 3; ++i) {
            deck.append();
            deck.setField(QStringLiteral("card_index"), i);
            deck.setField(QStringLiteral("name"), QStringLiteral("Карта %1").arg(i));
            deck.setField(QStringLiteral("kolvo"), 1);
            deck.post();
        }
        QVERIFY(deck.locate(QStringLiteral("name"), QStringLiteral("карта 2"),
                            DataSet::Locate::CaseInsensitive));
        deck.edit();
        deck.setField(QStringLiteral("kolvo"), deck.integer(QStringLiteral("kolvo")) + 1);
        deck.post();
        const DataSet::Bookmark mark = deck.bookmark();
        deck.first();
        deck.deleteRecord();
        QCOMPARE(deck.text(QStringLiteral("name")), QStringLiteral("Карта 2"));
        QVERIFY(deck.gotoBookmark(mark));

        // What was written is what the engine holds.
        vz::Table again(*m_db, QStringLiteral("deck"));
        again.open();
        QCOMPARE(again.recordCount(), 2);
        QCOMPARE(again.integer(QStringLiteral("kolvo")), 2);
        again.last();
        again.deleteRecord();
        QCOMPARE(again.text(QStringLiteral("name")), QStringLiteral("Карта 2"));
        deck.emptyTable();
        QCOMPARE(deck.recordCount(), 0);
        QVERIFY(deck.eof());
        QVERIFY_THROWS_EXCEPTION(vz::Error, deck.deleteRecord());
    }

    void locateSeesEveryEdit()
    {
        vz::Table deck(*m_db, QStringLiteral("deck"));
        deck.open();
        auto find = [&](const QString &name) {
            return deck.locate(QStringLiteral("name"), name, DataSet::Locate::CaseInsensitive)
                       ? deck.integer(QStringLiteral("card_index"))
                       : -1;
        };
        deck.appendRecord({1, QStringLiteral("Гном")});
        QCOMPARE(find(QStringLiteral("ГНОМ")), 1); // the folded column is built here
        deck.appendRecord({2, QStringLiteral("Эльф")});
        QCOMPARE(find(QStringLiteral("эльф")), 2);
        deck.edit();
        deck.setField(QStringLiteral("name"), QStringLiteral("Орк"));
        deck.post();
        QCOMPARE(find(QStringLiteral("эльф")), -1);
        QCOMPARE(find(QStringLiteral("орк")), 2);
        deck.first();
        deck.deleteRecord();
        QCOMPARE(find(QStringLiteral("гном")), -1);
        QCOMPARE(find(QStringLiteral("ОРК")), 2);
        QVERIFY(deck.locate(QStringLiteral("name"), QStringLiteral("ор"),
                            DataSet::Locate::CaseInsensitivePrefix));
    }

    void textFieldKeepsApostropheThroughPost()
    {
        vz::Table zarn(*m_db, QStringLiteral("zarn"));
        zarn.open();
        zarn.appendRecord(vzt::cardRow(50, QStringLiteral("О'Нил"), {{QStringLiteral("cost"), QStringLiteral("7")}}));
        QCOMPARE(select(QStringLiteral("name=") + vz::sqlQuote(QStringLiteral("О'Нил"))),
                 QStringList{QStringLiteral("О'Нил")});
        QCOMPARE(zarn.integer(QStringLiteral("cost")), 7);
    }
};

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
