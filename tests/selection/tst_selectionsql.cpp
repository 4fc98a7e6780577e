// The SQL the filter, the search and the sort build, checked line by line and run against a
// small catalogue.

#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "selection/filterquery.h"
#include "selection/searchquery.h"
#include "selection/sorttext.h"
#include "selectionfixture.h"

#include <QTest>
#include <functional>

using vz::FilterState;

namespace {

const QStringList kDefaultList = { QStringLiteral("SELECT zarn.*"), QStringLiteral("FROM zarn"),
    QStringLiteral("WHERE card_index>0"), QStringLiteral("ORDER BY name") };

FilterState startState()
{
    FilterState s;
    s.sets = vzt::selectionSets();
    return s;
}

using Change = std::function<void(FilterState &)>;

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(vz::SearchFields)

class TestSelectionSql : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void filterLinesStartState();
    void filterLinesEveryGroup();
    void filterRows_data();
    void filterRows();
    void filterRejectsBrokenNumbers_data();
    void filterRejectsBrokenNumbers();

    void firstLetter_data();
    void firstLetter();
    void searchLines();
    void searchRows_data();
    void searchRows();

    void sortText_data();
    void sortText();
    void sortTextRunsInOrderBy();

private:
    QStringList run(const QStringList &sql);

    vzt::FixtureFolder m_folder;
    std::unique_ptr<vz::Database> m_db;
};

void TestSelectionSql::initTestCase()
{
    vzt::fillSelectionFolder(m_folder);
    m_db = std::make_unique<vz::Database>(m_folder.file(QStringLiteral("db1.sqlite")));
}

QStringList TestSelectionSql::run(const QStringList &sql)
{
    vz::Query query(*m_db);
    query.setSql(sql);
    query.open();
    return query.columnTexts(QStringLiteral("name"));
}

void TestSelectionSql::filterLinesStartState()
{
    FilterState s;
    s.sets = { QStringLiteral("Сет 01"), QStringLiteral("О'Сет") };
    const QStringList expected = {
        QStringLiteral("SELECT zarn.* FROM zarn"),
        QStringLiteral("WHERE card_index>0"),
        QStringLiteral("and (type<0 "),
        QStringLiteral("or type=1"),
        QStringLiteral("or type=2"),
        QStringLiteral("or type in (3, 5, 6)"),
        QStringLiteral("or type=4"),
        QStringLiteral(")"),
        QStringLiteral("and (rarity=0 "),
        QStringLiteral("or rarity=2"),
        QStringLiteral("or rarity=3"),
        QStringLiteral("or rarity=4"),
        QStringLiteral("or rarity=5"),
        QStringLiteral(")"),
        QStringLiteral("and (set_name='' "),
        QStringLiteral("or set_name='Сет 01'"),
        QStringLiteral("or set_name='О''Сет'"),
        QStringLiteral(")"),
        QStringLiteral("and (elity=0 "),
        QStringLiteral("or elity=1"),
        QStringLiteral("or elity=2"),
        QStringLiteral(")"),
        QStringLiteral("and (element=0 "),
        QStringLiteral("or element=4"),
        QStringLiteral("or element=2"),
        QStringLiteral("or element=3"),
        QStringLiteral("or element=6"),
        QStringLiteral("or element=1"),
        QStringLiteral("or element=5"),
        QStringLiteral(")"),
        QStringLiteral("and (move<-5 "),
        QStringLiteral("or (move in (-3, -4))"),
        QStringLiteral("or (move=-2)"),
        QStringLiteral("or (move=-1)"),
        QStringLiteral("or (move>=0 and move<=99)"),
        QStringLiteral(")"),
        QStringLiteral("ORDER BY name"),
    };
    QCOMPARE(vz::BuildFilterSql(s, QStringLiteral("name")), expected);
}

void TestSelectionSql::filterLinesEveryGroup()
{
    FilterState s;
    s.artifact = s.creature = false;
    s.common = s.promo = false;
    s.ordinary = false;
    s.swamps = s.mountains = s.forests = s.neutrals = false;
    s.symbiote = s.immobile = false;
    s.move = { true, QStringLiteral("1"), QStringLiteral("5") };
    s.cost = { true, QStringLiteral("0"), QStringLiteral("3") };
    s.weakHit = { true, QStringLiteral("1"), QStringLiteral("2") };
    s.middleHit = { true, QStringLiteral("2"), QStringLiteral("3") };
    s.strongHit = { true, QStringLiteral("3"), QStringLiteral("4") };
    s.sets = { QStringLiteral("Сет 12") };
    s.phrases = { QStringLiteral("\"Первый удар\""), QStringLiteral("«Сказ О'Нила»") };
    s.classActive = true;
    s.classAny = true;
    s.classes = { QStringLiteral("Гном"), QStringLiteral("Д'Эльф") };
    s.keywords[1] = s.keywords[11] = true;
    s.artistActive = true;
    s.artist = QStringLiteral("О'Нил");
    const QStringList expected = {
        QStringLiteral("SELECT zarn.* FROM zarn"),
        QStringLiteral("WHERE card_index>0"),
        QStringLiteral("and (type<0 "),
        QStringLiteral("or type=2"),
        QStringLiteral("or type=4"),
        QStringLiteral(")"),
        QStringLiteral("and (rarity=0 "),
        QStringLiteral("or rarity=3"),
        QStringLiteral("or rarity=4"),
        QStringLiteral(")"),
        QStringLiteral("and (set_name='' "),
        QStringLiteral("or set_name='Сет 12'"),
        QStringLiteral(")"),
        QStringLiteral("and (elity=0 "),
        QStringLiteral("or elity=2"),
        QStringLiteral(")"),
        QStringLiteral("and (element=0 "),
        QStringLiteral("or element=1"),
        QStringLiteral("or element=5"),
        QStringLiteral(")"),
        QStringLiteral("and (cost>=0 and cost<=3)"),
        QStringLiteral("and (ld>=1 and ld<=2)"),
        QStringLiteral("and (ad>=2 and ad<=3)"),
        QStringLiteral("and (sd>=3 and sd<=4)"),
        QStringLiteral("and (move<-5 "),
        QStringLiteral("or (move=-2)"),
        QStringLiteral("or (move>=1 and move<=5)"),
        QStringLiteral(")"),
        QStringLiteral("and text like '%Первый удар%'"),
        QStringLiteral("and text like '%Сказ О''Нила%'"),
        QStringLiteral("and (text like '%krivedmedved%' "),
        QStringLiteral("OR text like '%Гном.%'"),
        QStringLiteral("OR text like '%Д''Эльф.%'"),
        QStringLiteral(")"),
        QStringLiteral("and text like '%/НУ/%'"),
        QStringLiteral("and text like '%/ЗОВД/%'"),
        QStringLiteral("and artist='О''Нил'"),
        QStringLiteral("ORDER BY cost desc , name asc "),
    };
    const QStringList sql = vz::BuildFilterSql(s, QStringLiteral("cost desc , name asc "));
    QCOMPARE(sql, expected);
    QCOMPARE(run(sql), QStringList()); // valid for the engine, though nothing matches

    // With И the class lines are plain conditions, without the bracket.
    s.classAny = false;
    const QStringList andSql = vz::BuildFilterSql(s, QStringLiteral("name"));
    QVERIFY(andSql.contains(QStringLiteral("AND text like '%Гном.%'")));
    QVERIFY(!andSql.contains(QStringLiteral("and (text like '%krivedmedved%' ")));
}

void TestSelectionSql::filterRows_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("names");
    const QStringList shownAtStart = { QStringLiteral("Альфа"), QStringLiteral("Дельта"),
        QStringLiteral("Жук"), QStringLiteral("Зверь"), QStringLiteral("Кот"),
        QStringLiteral("Нора"), QStringLiteral("Оса") };
    auto names = [](std::initializer_list<const char *> list) {
        QStringList result;
        for (const char *n : list)
            result << QString::fromUtf8(n);
        return result;
    };

    // Rarity 1, move -5 and 100, a set outside the list and card_index 0 stay hidden.
    QTest::newRow("start state") << Change([](FilterState &) {}) << shownAtStart;
    QTest::newRow("no type: negative types only")
        << Change([](FilterState &s) { s.artifact = s.terrain = s.creature = s.equipment = false; })
        << names({ "Кот" });
    QTest::newRow("only elite") << Change([](FilterState &s) { s.ordinary = false; })
                                << names({ "Нора" });
    QTest::newRow("only darkness") << Change([](FilterState &s) {
        s.swamps = s.mountains = s.forests = s.neutrals = s.steppes = false;
    }) << names({ "Нора", "Оса" });
    QTest::newRow("only ultra") << Change([](FilterState &s) {
        s.common = s.rare = s.promo = false;
    }) << names({ "Оса" });
    QTest::newRow("one set") << Change([](FilterState &s) {
        s.sets = { QStringLiteral("Сет 16") };
    }) << names({ "Зверь" });
    QTest::newRow("set with apostrophe")
        << Change([](FilterState &s) { s.sets = { QStringLiteral("О'Сет") }; }) << names({ "Кот" });
    QTest::newRow("cost 3 to 3 ignores printed cost") << Change([](FilterState &s) {
        s.cost = { true, QStringLiteral("3"), QStringLiteral("3") };
    }) << names({ "Дельта" });
    QTest::newRow("weak strike 3 to 5") << Change([](FilterState &s) {
        s.weakHit = { true, QStringLiteral("3"), QStringLiteral("5") };
    }) << names({ "Оса" });
    QTest::newRow("middle strike 4 to 4") << Change([](FilterState &s) {
        s.middleHit = { true, QStringLiteral("4"), QStringLiteral("4") };
    }) << names({ "Оса" });
    QTest::newRow("strong strike 5 to 9") << Change([](FilterState &s) {
        s.strongHit = { true, QStringLiteral("5"), QStringLiteral("9") };
    }) << names({ "Оса" });
    QTest::newRow("moves 0 to 9 without symbiote and flying") << Change([](FilterState &s) {
        s.symbiote = s.flying = false;
        s.move = { true, QStringLiteral("0"), QStringLiteral("9") };
    }) << names({ "Альфа", "Дельта", "Кот", "Нора", "Оса" });
    QTest::newRow("no move box at all") << Change([](FilterState &s) {
        s.symbiote = s.flying = s.immobile = false;
        s.move.active = false;
    }) << QStringList();
    QTest::newRow("phrase") << Change([](FilterState &s) {
        s.phrases = { QStringLiteral("\"Первый удар\"") };
    }) << names({ "Жук" });
    QTest::newRow("two phrases") << Change([](FilterState &s) {
        s.phrases = { QStringLiteral("'Ярость'"), QStringLiteral("«Сказ О'Нила»") };
    }) << names({ "Кот" });
    QTest::newRow("classes with AND") << Change([](FilterState &s) {
        s.classActive = true;
        s.classes = { QStringLiteral("Гном"), QStringLiteral("Эльф") };
    }) << names({ "Кот" });
    QTest::newRow("classes with OR") << Change([](FilterState &s) {
        s.classActive = s.classAny = true;
        s.classes = { QStringLiteral("Гном"), QStringLiteral("Эльф") };
    }) << names({ "Альфа", "Жук", "Кот" });
    QTest::newRow("OR without classes is empty")
        << Change([](FilterState &s) { s.classActive = s.classAny = true; }) << QStringList();
    QTest::newRow("AND without classes adds nothing")
        << Change([](FilterState &s) { s.classActive = true; }) << shownAtStart;
    QTest::newRow("classes ignored while the box is off")
        << Change([](FilterState &s) { s.classes = { QStringLiteral("Эльф") }; }) << shownAtStart;
    QTest::newRow("keyword УНИ") << Change([](FilterState &s) { s.keywords[0] = true; })
                                 << names({ "Альфа" });
    QTest::newRow("keyword НУ") << Change([](FilterState &s) { s.keywords[1] = true; })
                                << names({ "Жук" });
    QTest::newRow("two keywords must both hold")
        << Change([](FilterState &s) { s.keywords[0] = s.keywords[1] = true; }) << QStringList();
    QTest::newRow("artist with apostrophe") << Change([](FilterState &s) {
        s.artistActive = true;
        s.artist = QStringLiteral("О'Нил");
    }) << names({ "Кот" });
    QTest::newRow("artist box without a choice")
        << Change([](FilterState &s) { s.artistActive = true; }) << QStringList();
}

void TestSelectionSql::filterRows()
{
    QFETCH(Change, change);
    QFETCH(QStringList, names);
    FilterState s = startState();
    change(s);
    QCOMPARE(run(vz::BuildFilterSql(s, QStringLiteral("name"))), names);
}

void TestSelectionSql::filterRejectsBrokenNumbers_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("message");
    QTest::newRow("cost letters") << Change([](FilterState &s) {
        s.cost = { true, QStringLiteral("a"), QStringLiteral("9") };
    }) << QStringLiteral("В поле «Цена» должно быть целое число.");
    QTest::newRow("cost empty maximum") << Change([](FilterState &s) {
        s.cost = { true, QStringLiteral("1"), QString() };
    }) << QStringLiteral("В поле «Цена» должно быть целое число.");
    QTest::newRow("move quote") << Change([](FilterState &s) { s.move.min = QStringLiteral("'"); })
                                << QStringLiteral("В поле «Ход» должно быть целое число.");
    QTest::newRow("weak strike blank") << Change([](FilterState &s) {
        s.weakHit = { true, QStringLiteral(" 1"), QStringLiteral("2") };
    }) << QStringLiteral("В поле «Слабый удар» должно быть целое число.");
    QTest::newRow("middle strike fraction") << Change([](FilterState &s) {
        s.middleHit = { true, QStringLiteral("1"), QStringLiteral("2.") };
    }) << QStringLiteral("В поле «Средний удар» должно быть целое число.");
    QTest::newRow("strong strike sign only") << Change([](FilterState &s) {
        s.strongHit = { true, QStringLiteral("-"), QStringLiteral("2") };
    }) << QStringLiteral("В поле «Сильный удар» должно быть целое число.");
}

void TestSelectionSql::filterRejectsBrokenNumbers()
{
    QFETCH(Change, change);
    QFETCH(QString, message);
    FilterState s = startState();
    change(s);
    try {
        vz::BuildFilterSql(s, QStringLiteral("name"));
        QFAIL("no error for a broken number");
    } catch (const vz::Error &e) {
        QCOMPARE(e.message(), message);
    }
    // A field that is off is not read at all.
    FilterState off = startState();
    off.cost = { false, QStringLiteral("a"), QStringLiteral("b") };
    QCOMPARE(run(vz::BuildFilterSql(off, QStringLiteral("name"))).size(), 7);
}

void TestSelectionSql::firstLetter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("cyrillic small")
        << QStringLiteral("дракон") << QStringLiteral("Дракон") << QStringLiteral("дракон");
    QTest::newRow("cyrillic capital rest kept")
        << QStringLiteral("ДРАКОН") << QStringLiteral("ДРАКОН") << QStringLiteral("дРАКОН");
    QTest::newRow("yo") << QStringLiteral("ёж") << QStringLiteral("Ёж") << QStringLiteral("ёж");
    QTest::newRow("ukrainian ghe")
        << QStringLiteral("Ґрунт") << QStringLiteral("Ґрунт") << QStringLiteral("ґрунт");
    QTest::newRow("latin") << QStringLiteral("abc") << QStringLiteral("Abc")
                           << QStringLiteral("abc");
    QTest::newRow("digit first") << QStringLiteral("1дракон") << QStringLiteral("1дракон")
                                 << QStringLiteral("1дракон");
    QTest::newRow("micro sign has no capital in the code page")
        << QStringLiteral("µs") << QStringLiteral("µs") << QStringLiteral("µs");
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TestSelectionSql::firstLetter()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QCOMPARE(vz::FirstLetterUpper(text), upper);
    QCOMPARE(vz::FirstLetterLower(text), lower);
}

void TestSelectionSql::searchLines()
{
    const QStringList sql = vz::BuildSearchSql(
        kDefaultList, QStringLiteral("о'нил"), { true, true, true }, QStringLiteral("cost desc "));
    const QStringList expected = {
        QStringLiteral("SELECT zarn.*"),
        QStringLiteral("FROM zarn"),
        QStringLiteral("WHERE card_index>0"),
        QStringLiteral("and (card_index<0"),
        QStringLiteral("or text like '%О''нил%' or text like '%о''нил%'"),
        QStringLiteral("or flavor like '%О''нил%' or flavor like '%о''нил%'"),
        QStringLiteral("or name like 'О''нил' or name like 'о''нил'"),
        QStringLiteral(")"),
        QStringLiteral("ORDER BY cost desc "),
    };
    QCOMPARE(sql, expected);
    QCOMPARE(vz::BuildSearchSql(
                 kDefaultList, QStringLiteral("x"), { false, false, false }, QStringLiteral("name"))
                 .mid(3),
        QStringList({ QStringLiteral("and (card_index<0"), QStringLiteral(")"),
            QStringLiteral("ORDER BY name") }));
}

void TestSelectionSql::searchRows_data()
{
    QTest::addColumn<bool>("fromFilter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<vz::SearchFields>("fields");
    QTest::addColumn<QStringList>("names");
    const vz::SearchFields rules { true, false, false };
    QTest::newRow("first letter tried in both cases, not the whole word")
        << false << QStringLiteral("дракон") << rules << QStringList { QStringLiteral("Зверь") };
    QTest::newRow("capital typed finds the small one")
        << false << QStringLiteral("Дракон") << rules << QStringList { QStringLiteral("Зверь") };
    QTest::newRow("flavour") << false << QStringLiteral("дракон")
                             << vz::SearchFields { false, true, false }
                             << QStringList { QStringLiteral("Нора") };
    QTest::newRow("whole name") << false << QStringLiteral("кот")
                                << vz::SearchFields { false, false, true }
                                << QStringList { QStringLiteral("Кот") };
    QTest::newRow("name prefix finds nothing without %")
        << false << QStringLiteral("ко") << vz::SearchFields { false, false, true }
        << QStringList();
    QTest::newRow("apostrophe") << false << QStringLiteral("о'Нила") << rules
                                << QStringList { QStringLiteral("Кот") };
    QTest::newRow("one letter anywhere")
        << false << QStringLiteral("д") << rules
        << QStringList { QStringLiteral("Альфа"), QStringLiteral("Жук"), QStringLiteral("Зверь"),
               QStringLiteral("Нора") };
    QTest::newRow("no box") << false << QStringLiteral("дракон")
                            << vz::SearchFields { false, false, false } << QStringList();
    QTest::newRow("inside the filter result")
        << true << QStringLiteral("д") << rules << QStringList { QStringLiteral("Нора") };
    QTest::newRow("empty text inside the filter: every card with rules text")
        << true << QString() << rules
        << QStringList { QStringLiteral("Нора"), QStringLiteral("Оса") };
}

void TestSelectionSql::searchRows()
{
    QFETCH(bool, fromFilter);
    QFETCH(QString, text);
    QFETCH(vz::SearchFields, fields);
    QFETCH(QStringList, names);
    QStringList base = kDefaultList;
    if (fromFilter) {
        FilterState s = startState();
        s.swamps = s.mountains = s.forests = s.neutrals = s.steppes = false; // Нора, Оса
        base = vz::BuildFilterSql(s, QStringLiteral("name"));
    }
    QCOMPARE(run(vz::BuildSearchSql(base, text, fields, QStringLiteral("name"))), names);
}

void TestSelectionSql::sortText_data()
{
    QTest::addColumn<QString>("caption1");
    QTest::addColumn<bool>("desc1");
    QTest::addColumn<QString>("caption2");
    QTest::addColumn<bool>("desc2");
    QTest::addColumn<QString>("caption3");
    QTest::addColumn<bool>("desc3");
    QTest::addColumn<QString>("text");
    QTest::newRow("cost desc, name asc")
        << QStringLiteral("Стоимость") << true << QStringLiteral("Имя карты") << false << QString()
        << false << QStringLiteral("cost desc , name asc ");
    QTest::newRow("element alone") << QStringLiteral("Стихия") << false << QString() << false
                                   << QString() << false << QStringLiteral("element asc ");
    QTest::newRow("number before set")
        << QStringLiteral("Номер в сете") << false << QStringLiteral("Сет") << true << QString()
        << false << QStringLiteral("number asc , set_num desc ");
    QTest::newRow("three levels") << QStringLiteral("Редкость") << true << QStringLiteral("Жизнь")
                                  << false << QStringLiteral("Элитность") << true
                                  << QStringLiteral("rarity desc , life asc , elity desc ");
    QTest::newRow("same field twice")
        << QStringLiteral("Сет") << false << QStringLiteral("Сет") << true << QString() << false
        << QStringLiteral("set_num asc , set_num desc ");
    QTest::newRow("level 1 empty, level 2 chosen")
        << QString() << false << QStringLiteral("Имя карты") << false << QString() << false
        << QStringLiteral("name asc ");
    QTest::newRow("only level 3") << QString() << true << QString() << false
                                  << QStringLiteral("Стоимость") << true
                                  << QStringLiteral("cost desc ");
    QTest::newRow("nothing chosen")
        << QString() << false << QString() << false << QString() << false << QString();
}

void TestSelectionSql::sortText()
{
    QFETCH(QString, caption1);
    QFETCH(bool, desc1);
    QFETCH(QString, caption2);
    QFETCH(bool, desc2);
    QFETCH(QString, caption3);
    QFETCH(bool, desc3);
    QFETCH(QString, text);
    QCOMPARE(vz::BuildSortText({ vz::SortLevel { caption1, desc1 },
                 vz::SortLevel { caption2, desc2 }, vz::SortLevel { caption3, desc3 } }),
        text);
}

void TestSelectionSql::sortTextRunsInOrderBy()
{
    const QString order = vz::BuildSortText(
        { vz::SortLevel { QString(), false }, vz::SortLevel { QStringLiteral("Стоимость"), true },
            vz::SortLevel { QStringLiteral("Имя карты"), false } });
    QStringList sql = kDefaultList;
    sql.last() = QStringLiteral("ORDER BY ") + order;
    const QStringList names = run(sql);
    QCOMPARE(names.mid(0, 3),
        QStringList({ QStringLiteral("Жук"), QStringLiteral("Дельта"), QStringLiteral("Альфа") }));
}

QTEST_GUILESS_MAIN(TestSelectionSql)
#include "tst_selectionsql.moc"
