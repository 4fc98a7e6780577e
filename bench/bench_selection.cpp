// Card selection on 50,000 cards: a filter with every group (two phrases, two classes) and a
// search in the rules texts, each beside the plain list query of the whole table run on the same
// connection in the same run.

#include "platform/database.h"
#include "platform/dataset.h"
#include "sampledata.h"
#include "selection/filterquery.h"
#include "selection/searchquery.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kCards = 50000;

// One generated catalogue for the whole run.
struct Catalogue
{
    QTemporaryDir dir;
    std::unique_ptr<vz::Database> db;
    Catalogue()
    {
        const QString path = dir.filePath(QStringLiteral("db1.sqlite"));
        {
            vz::Database generated(path);
            vz::sample::generateCatalogue(generated, kCards, 7);
        }
        // Opened afresh, as the program opens its catalogue at start-up.
        db = std::make_unique<vz::Database>(path);
    }
};

vz::Database &database()
{
    static Catalogue c;
    return *c.db;
}

const QStringList kDefaultList = { QStringLiteral("SELECT zarn.*"), QStringLiteral("FROM zarn"),
    QStringLiteral("WHERE card_index>0"), QStringLiteral("ORDER BY name") };

// Every group in use: some codes off, all value ranges, two phrases, two classes with ИЛИ, a
// keyword and an artist.
vz::FilterState everyGroup()
{
    vz::FilterState s;
    s.equipment = false;
    s.promo = false;
    s.neutrals = false;
    s.sets = { QStringLiteral("Начало пути"), QStringLiteral("Зов стихий"),
        QStringLiteral("Каменный венец"), QStringLiteral("Тени болот"),
        QStringLiteral("Лесное братство"), QStringLiteral("Степной ветер"),
        QStringLiteral("Осколки мира"), QStringLiteral("Промо-карты"),
        QStringLiteral("Древние руны"), QStringLiteral("Пламя Зарнака"),
        QStringLiteral("Восход тьмы"), QStringLiteral("Грань времён"), QStringLiteral("Сердце гор"),
        QStringLiteral("Песнь ветра"), QStringLiteral("Ночной дозор"),
        QStringLiteral("Последний рубеж") };
    s.move = { true, QStringLiteral("0"), QStringLiteral("9") };
    s.cost = { true, QStringLiteral("0"), QStringLiteral("20") };
    s.weakHit = { true, QStringLiteral("-1"), QStringLiteral("9") };
    s.middleHit = { true, QStringLiteral("-1"), QStringLiteral("9") };
    s.strongHit = { true, QStringLiteral("-1"), QStringLiteral("9") };
    s.phrases = { QStringLiteral("\"Первый удар\""), QStringLiteral("<Ярость>") };
    s.classActive = true;
    s.classAny = true;
    s.classes = { QStringLiteral("Гном"), QStringLiteral("Эльф") };
    s.keywords[1] = true; // /НУ/
    s.artistActive = true;
    s.artist = QStringLiteral("Иван Колесов");
    return s;
}

void runQuery(benchmark::State &state, const QStringList &sql)
{
    vz::Query query(database());
    query.setSql(sql);
    int rows = 0;
    for (auto _ : state) {
        query.close();
        query.open();
        rows = query.recordCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = rows;
}

// Baseline: the whole table in name order.
void BM_PlainListByName(benchmark::State &state)
{
    runQuery(state, { QStringLiteral("SELECT zarn.* FROM zarn ORDER BY name") });
}

void BM_FilterEveryGroup(benchmark::State &state)
{
    runQuery(state, vz::BuildFilterSql(everyGroup(), QStringLiteral("name")));
}

// The same filter without the text conditions: only the code and range conditions.
void BM_FilterCodesAndRanges(benchmark::State &state)
{
    vz::FilterState s = everyGroup();
    s.phrases.clear();
    s.classActive = false;
    s.keywords = {};
    s.artistActive = false;
    runQuery(state, vz::BuildFilterSql(s, QStringLiteral("name")));
}

void BM_SearchRulesText(benchmark::State &state)
{
    runQuery(state,
        vz::BuildSearchSql(kDefaultList, QStringLiteral("удар"),
            vz::SearchFields { true, false, false }, QStringLiteral("name")));
}

void BM_SearchAllThreeFields(benchmark::State &state)
{
    runQuery(state,
        vz::BuildSearchSql(kDefaultList, QStringLiteral("дракон"),
            vz::SearchFields { true, true, true }, QStringLiteral("name")));
}

BENCHMARK(BM_PlainListByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterEveryGroup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterCodesAndRanges)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchRulesText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAllThreeFields)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
