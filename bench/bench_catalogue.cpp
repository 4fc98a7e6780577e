// The catalogue on 50,000 cards: opening the default list query and reading every name in list
// order beside the raw sqlite3 loop that does the same; filling the card list beside reading the
// names with the raw engine; one type-ahead step; one full showing of a card with its rules text.

#include "catalogue/mainf.h"
#include "catalogue/program.h"
#include "deckbuilding/decktab.h"
#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/textfile.h"
#include "sampledata.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>

namespace {

constexpr int kCards = 50000;

// One generated catalogue folder for the whole run.
struct Catalogue
{
    QTemporaryDir dir;
    Catalogue()
    {
        vz::Database db(path());
        vz::sample::generateCatalogue(db, kCards, 7);
        vz::writeListFile(dir.filePath(QStringLiteral("class.ini")),
                          {QStringLiteral("Гном"), QStringLiteral("Эльф"), QStringLiteral("Орк")});
        vz::writeListFile(dir.filePath(QStringLiteral("sets.ini")), {});
    }
    QString path() const { return dir.filePath(QStringLiteral("db1.sqlite")); }
};

Catalogue &catalogue()
{
    static Catalogue c;
    return c;
}

const char *kListSql = "SELECT zarn.* FROM zarn WHERE card_index>0 ORDER BY name";

// Baseline: the raw engine reading every name of the list query into QStrings.
QStringList rawNames(sqlite3 *db)
{
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, kListSql, -1, &stmt, nullptr);
    QStringList names;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1)),
                                   sqlite3_column_bytes(stmt, 1));
    sqlite3_finalize(stmt);
    return names;
}

void BM_RawNamesInListOrder(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open(catalogue().path().toUtf8().constData(), &db);
    vz::Database::registerFunctions(db);
    sqlite3_exec(db, "PRAGMA cache_size=-131072; PRAGMA mmap_size=536870912;", nullptr, nullptr, nullptr);
    for (auto _ : state)
        benchmark::DoNotOptimize(rawNames(db));
    sqlite3_close(db);
}

// Baseline 2: the raw engine copying every field of every row (what a data set holds).
void BM_RawAllFieldsInListOrder(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open(catalogue().path().toUtf8().constData(), &db);
    vz::Database::registerFunctions(db);
    sqlite3_exec(db, "PRAGMA cache_size=-131072; PRAGMA mmap_size=536870912;", nullptr, nullptr, nullptr);
    for (auto _ : state) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, kListSql, -1, &stmt, nullptr);
        std::vector<std::string> texts;
        std::vector<qint64> numbers;
        const int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                if (sqlite3_column_type(stmt, c) == SQLITE_TEXT)
                    texts.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(stmt, c)),
                                       size_t(sqlite3_column_bytes(stmt, c)));
                else
                    numbers.push_back(sqlite3_column_int64(stmt, c));
            }
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(texts);
    }
    sqlite3_close(db);
}

void BM_OpenDefaultQueryAndReadNames(benchmark::State &state)
{
    vz::Database db(catalogue().path());
    for (auto _ : state) {
        vz::Query q(db);
        q.setSql({QStringLiteral("SELECT zarn.*"), QStringLiteral("FROM zarn"),
                  QStringLiteral("WHERE card_index>0"), QStringLiteral("ORDER BY name")});
        q.open();
        QStringList names;
        names.reserve(q.recordCount());
        for (q.first(); !q.eof(); q.next())
            names << q.text(1);
        benchmark::DoNotOptimize(names);
    }
}

// The whole program on the generated folder, made once.
Program &program()
{
    static std::unique_ptr<Program> p = [] {
        Program::Options options;
        options.appDir = catalogue().dir.path();
        return std::make_unique<Program>(options);
    }();
    return *p;
}

// Refilling the list from the open default query (what every change of CurrentSet costs).
void BM_FillCardList(benchmark::State &state)
{
    Tmain &main = program().main();
    for (auto _ : state) {
        main.clearLastShownCard();
        main.FillCardList();
    }
}

// Re-running the list query with its ORDER BY line and refilling (start-up, a new sort order).
void BM_ApplySortOrder(benchmark::State &state)
{
    Tmain &main = program().main();
    for (auto _ : state)
        main.ApplySortOrder();
}

void BM_TypeAheadStep(benchmark::State &state)
{
    Tmain &main = program().main();
    const QStringList prefixes = {QStringLiteral("Гор"), QStringLiteral("Вол"),
                                  QStringLiteral("ар"), QStringLiteral("Ящ")};
    int i = 0;
    for (auto _ : state)
        main.Edit1()->setText(prefixes.at(i++ % prefixes.size()));
}

void BM_ShowCurrentCard(benchmark::State &state)
{
    Tmain &main = program().main();
    int row = 0;
    for (auto _ : state) {
        main.CurrentSet().moveTo(row++ % 1000);
        main.clearLastShownCard();
        main.ShowCurrentCard();
    }
}

// "> > >" on a list of 1,000 cards into an empty deck.
void BM_AddWholeList(benchmark::State &state)
{
    Tmain &main = program().main();
    vz::Query &list = main.qfilter();
    list.setSql({QStringLiteral("SELECT zarn.* FROM zarn"), QStringLiteral("WHERE card_index<=1000"),
                 QStringLiteral("ORDER BY name")});
    list.open();
    main.setCurrentSet(list);
    for (auto _ : state) {
        main.deckTab().addallClick();
        state.PauseTiming();
        main.deckTab().deck().emptyTable();
        main.deckTab().refreshDeckGrid();
        state.ResumeTiming();
    }
    main.setCurrentSet(main.defquery());
}

} // namespace

BENCHMARK(BM_RawNamesInListOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawAllFieldsInListOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDefaultQueryAndReadNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillCardList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplySortOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAheadStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowCurrentCard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AddWholeList)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
