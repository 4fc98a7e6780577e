// The deck tab on the real main window: adding and removing cards with the buttons, keys and
// clicks, emptying the deck, the grid and its clicks, the deck bar, and the deck files saved
// and loaded through the file dialogs.

#include "catalogue/mainf.h"
#include "catalogue/program.h"
#include "deckbuilding/deckfile.h"
#include "deckbuilding/deckrecords.h"
#include "deckbuilding/decktab.h"
#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/dialogs.h"
#include "platform/textfile.h"
#include "support/fixture.h"

#ifdef VZ_HAVE_SAMPLEDATA
#include "sampledata/sampledata.h"
#endif

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u"Редактор колоды. Карт в колоде: "_s;
const QString kFilter = u"Колоды Zarnak Library (*.dec)|*.dec|Колоды Зарнак-Онлайн (*.dck)|*.dck|"
                        u"Колоды Vintrel (*.txt)|*.txt|Все файлы|*.*"_s;

// bc.ini of the fixture: G1 lies inside G12, Тёмный маг and Эльфийка have no code.
const QStringList kCodes = { u"G1 Гном"_s, u"G12 Гном-воин"_s, u"S7 Старый гном"_s, u"E4 Эльф"_s };

// A double click as the window system delivers it: press, release, double click, release.
void doubleClick(QWidget *viewport, const QPoint &pos)
{
    QTest::mouseClick(viewport, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, pos);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Records events that hide or show a widget.
class VisibilityLog : public QObject
{
public:
    QStringList events;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            events << u"hide"_s;
        else if (event->type() == QEvent::Show)
            events << u"show"_s;
        return false;
    }
};

} // namespace

class TestDeckTab : public QObject
{
    Q_OBJECT

    vzt::FixtureFolder *m_folder = nullptr;
    vzt::ProgramFixture *m_fixture = nullptr;

    Tmain &main() { return m_fixture->program().main(); }
    DeckTab &tab() { return main().deckTab(); }
    vz::ScriptedDialogs &dialogs() { return m_fixture->dialogs(); }
    template <typename T>
    T *control(const QString &name)
    {
        T *widget = main().findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLineEdit *edit1() { return control<QLineEdit>(u"Edit1"_s); }
    QTableView *grid() { return control<QTableView>(u"DeckGrid"_s); }
    QString caption() { return main().pc1()->tabText(0); }

    void start(const QList<QVariantList> &cards)
    {
        m_folder->addCards(cards);
        m_fixture = new vzt::ProgramFixture(m_folder->path());
        main().show();
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }
    void startWithSmallCatalogue()
    {
        using M = QVariantMap;
        start({ vzt::cardRow(1, u"Гном"_s,
                    M { { u"element"_s, 3 }, { u"cost"_s, 2 }, { u"set_name"_s, u"Сет 01"_s } }),
            vzt::cardRow(
                2, u"Гном-воин"_s, M { { u"element"_s, 3 }, { u"text"_s, u"Гном /БУ/"_s } }),
            vzt::cardRow(3, u"Старый гном"_s, M { { u"element"_s, 1 }, { u"life"_s, -1 } }),
            vzt::cardRow(4, u"Эльф"_s,
                M { { u"element"_s, 3 }, { u"flavor"_s, u"Лес"_s }, { u"scan_path"_s, u"elf"_s } }),
            vzt::cardRow(5, u"Эльфийка"_s, M { { u"element"_s, 1 } }),
            vzt::cardRow(
                6, u"Тёмный маг"_s, M { { u"element"_s, 5 }, { u"printed_cost"_s, u"X"_s } }),
            vzt::cardRow(0, u"Скрытая"_s, M {}) });
    }

    // The deck as "name:kolvo,...", read from the deck table; the grid must show the same.
    QString deckState()
    {
        QStringList table, shown;
        for (const vz::DeckEntry &entry : vz::deckEntries(tab().deck()))
            table << entry.name + u':' + QString::number(entry.kolvo);
        const QAbstractItemModel *model = grid()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            shown << model->index(row, 0).data().toString() + u':'
                    + model->index(row, 1).data().toString();
        if (table != shown)
            qWarning() << "grid" << shown << "table" << table;
        return table == shown ? table.join(u',') : u"<grid differs>"_s;
    }
    int deckRowOf(const QString &name)
    {
        const QAbstractItemModel *model = grid()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, 0).data().toString() == name)
                return row;
        return -1;
    }
    QPoint deckRowCentre(const QString &name)
    {
        return grid()->visualRect(grid()->model()->index(deckRowOf(name), 0)).center();
    }
    bool selectCard(const QString &name)
    {
        edit1()->setText(name);
        return main().CurrentSet().text(u"name"_s) == name;
    }
    bool clickDeckRow(const QString &name)
    {
        if (deckRowOf(name) < 0)
            return false;
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, deckRowCentre(name));
        return tab().deck().text(u"name"_s) == name;
    }
    // Adds cards with ">" the given number of times each.
    void addCards(const QList<QPair<QString, int>> &cards)
    {
        for (const auto &[name, times] : cards) {
            QVERIFY(selectCard(name));
            for (int i = 0; i < times; ++i)
                QTest::mouseClick(control<QPushButton>(u"addone"_s), Qt::LeftButton);
        }
    }
    void save(const QString &path)
    {
        dialogs().fileNames << path;
        QTest::mouseClick(control<QToolButton>(u"bSave"_s), Qt::LeftButton);
    }
    void load(const QString &path)
    {
        dialogs().fileNames << path;
        QTest::mouseClick(control<QToolButton>(u"bLoad"_s), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_folder = new vzt::FixtureFolder;
        m_folder->writeList(u"bc.ini"_s, kCodes);
    }
    void cleanup()
    {
        delete m_fixture;
        m_fixture = nullptr;
        delete m_folder;
        m_folder = nullptr;
    }

    void controls_data();
    void controls();
    void gridLayout();
    void editSequences_data();
    void editSequences();
    void deckRecordNumberingAndFields();
    void emptyDeck_data();
    void emptyDeck();
    void deckRowShowsCard();
    void deckRowRightClick();
    void deckBarCommands_data();
    void deckBarCommands();
    void dealSize_data();
    void dealSize();
    void saveFormats_data();
    void saveFormats();
    void saveReplacesWholeFile();
    void loadFormats_data();
    void loadFormats();
    void loadLimitedByFilter();
    void refusals_data();
    void refusals();
    void failedLoadKeepsDeck();
    void roundTrip300();
    void sampleDecksRoundTrip();
};

void TestDeckTab::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("visible");

    QTest::newRow("addone") << u"addone"_s << u">"_s << u"Добавить карту"_s << true;
    QTest::newRow("addall") << u"addall"_s << u"> > >"_s << u"Добавить весь список"_s << true;
    QTest::newRow("remone") << u"remone"_s << u"<"_s << u"Убрать карту"_s << true;
    QTest::newRow("bNew") << u"bNew"_s << QString() << u"Очистить колоду"_s << true;
    QTest::newRow("bSave") << u"bSave"_s << QString() << u"Сохранить колоду"_s << true;
    QTest::newRow("bLoad") << u"bLoad"_s << QString() << u"Загрузить колоду"_s << true;
    QTest::newRow("bDeckStat") << u"bDeckStat"_s << QString() << u"Состав колоды"_s << true;
    QTest::newRow("bPrint") << u"bPrint"_s << QString() << u"Печать"_s << true;
    QTest::newRow("bDnldPics") << u"bDnldPics"_s << QString() << u"Загрузка картинок и ЧАВО"_s
                               << true;
    QTest::newRow("bGenerator") << u"bGenerator"_s << QString() << u"Генерация бустеров"_s << true;
    QTest::newRow("bHand") << u"bHand"_s << QString() << u"Стартовая раздача"_s << false;
    QTest::newRow("Edit2") << u"Edit2"_s << u"15"_s << u"Количество карт в раздаче"_s << false;
}

void TestDeckTab::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, hint);
    QFETCH(bool, visible);
    startWithSmallCatalogue();

    QWidget *widget = control<QWidget>(name);
    QCOMPARE(widget->parentWidget(), control<QWidget>(u"editdeck"_s));
    QCOMPARE(widget->toolTip(), hint);
    QCOMPARE(widget->isVisible(), visible);
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        if (!text.isEmpty())
            QCOMPARE(button->text(), text);
    } else {
        QCOMPARE(qobject_cast<QLineEdit *>(widget)->text(), text);
    }
    QCOMPARE(caption(), kCaption + u'0');
}

void TestDeckTab::gridLayout()
{
    startWithSmallCatalogue();
    addCards({ { u"Эльф"_s, 2 } });
    QTableView *view = grid();
    QVERIFY(view->isVisible());
    QVERIFY(view->horizontalHeader()->isHidden());
    QVERIFY(view->verticalHeader()->isHidden());
    QVERIFY(!view->showGrid());
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(view->model()->columnCount(), 2);
    QCOMPARE(view->columnWidth(0), 230);
    QCOMPARE(view->columnWidth(1), 25);
    const QModelIndex kolvo = view->model()->index(0, 1);
    QCOMPARE(kolvo.data().toString(), u"2"_s);
    QCOMPARE(Qt::Alignment(kolvo.data(Qt::TextAlignmentRole).toInt()), Qt::AlignCenter);
}

void TestDeckTab::editSequences_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("deck");
    QTest::addColumn<int>("count");

    // "+X": ">" on card X; "R:X": Right key in Edit1 on X; "L:X": double click on X in the card
    // list; "-X" / "-": "<" on deck row X / on an empty deck; "D:X": Delete key on deck row X;
    // "W:X": double click on deck row X; "all": "> > >".
    QTest::newRow("same card three times") << u"+Гном|+Гном|+Гном"_s << u"Гном:3"_s << 3;
    QTest::newRow("name beginning another name stays apart")
        << u"+Гном-воин|+Гном|+Гном"_s << u"Гном-воин:1,Гном:2"_s << 3;
    QTest::newRow("longer name after shorter")
        << u"+Гном|+Гном-воин"_s << u"Гном:1,Гном-воин:1"_s << 2;
    QTest::newRow("remove lowers kolvo") << u"+Эльф|+Эльф|-Эльф"_s << u"Эльф:1"_s << 1;
    QTest::newRow("last copy removes the record") << u"+Гном|+Эльф|-Гном"_s << u"Эльф:1"_s << 1;
    QTest::newRow("remove from empty deck") << u"-"_s << QString() << 0;
    QTest::newRow("counter stays at 0") << u"+Гном|-Гном|-|-"_s << QString() << 0;
    QTest::newRow("Right key and list double click")
        << u"R:Гном|L:Эльф|L:Эльф|R:Старый гном"_s << u"Гном:1,Эльф:2,Старый гном:1"_s << 4;
    QTest::newRow("Delete key and grid double click")
        << u"+Гном|+Гном|+Эльф|+Эльф|D:Гном|W:Эльф"_s << u"Гном:1,Эльф:1"_s << 2;
    QTest::newRow("whole list")
        << u"+Эльф|all"_s << u"Эльф:2,Гном:1,Гном-воин:1,Старый гном:1,Тёмный маг:1,Эльфийка:1"_s
        << 7;
    QTest::newRow("whole list twice")
        << u"all|all"_s << u"Гном:2,Гном-воин:2,Старый гном:2,Тёмный маг:2,Эльф:2,Эльфийка:2"_s
        << 12;
}

void TestDeckTab::editSequences()
{
    QFETCH(QString, steps);
    QFETCH(QString, deck);
    QFETCH(int, count);
    startWithSmallCatalogue();

    int expectedCount = 0;
    for (const QString &step : steps.split(u'|')) {
        const QString name = step.mid(step.indexOf(u':') + 1);
        const QString card = step.startsWith(u'+') || step.startsWith(u'-') ? step.mid(1) : name;
        QWidget *focusAfter = edit1();
        if (step.startsWith(u'+')) {
            QVERIFY(selectCard(card));
            QTest::mouseClick(control<QPushButton>(u"addone"_s), Qt::LeftButton);
            ++expectedCount;
        } else if (step.startsWith(u"R:")) {
            QVERIFY(selectCard(card));
            edit1()->setFocus();
            QTest::keyClick(edit1(), Qt::Key_Right);
            ++expectedCount;
        } else if (step.startsWith(u"L:")) {
            QListView *list = control<QListView>(u"ListBox1"_s);
            const QStringList names = main().CurrentSet().columnTexts(u"name"_s);
            const QRect item = list->visualRect(list->model()->index(names.indexOf(card), 0));
            doubleClick(list->viewport(), item.center());
            ++expectedCount;
        } else if (step == u"all") {
            QTest::mouseClick(control<QPushButton>(u"addall"_s), Qt::LeftButton);
            expectedCount += main().CurrentSet().recordCount();
            QCOMPARE(main().CurrentSet().recNo(), 0);
        } else if (step.startsWith(u'-')) {
            if (!card.isEmpty())
                QVERIFY(clickDeckRow(card));
            QTest::mouseClick(control<QPushButton>(u"remone"_s), Qt::LeftButton);
            expectedCount = std::max(expectedCount - 1, 0);
        } else if (step.startsWith(u"D:")) {
            QVERIFY(clickDeckRow(card));
            QTest::keyClick(grid(), Qt::Key_Delete);
            focusAfter = grid();
            expectedCount = std::max(expectedCount - 1, 0);
        } else if (step.startsWith(u"W:")) {
            QVERIFY(deckRowOf(card) >= 0);
            doubleClick(grid()->viewport(), deckRowCentre(card));
            expectedCount = std::max(expectedCount - 1, 0);
        } else {
            QFAIL(qPrintable(u"unknown step "_s + step));
        }
        QCOMPARE(tab().DeckCardCount(), expectedCount);
        QCOMPARE(caption(), kCaption + QString::number(expectedCount));
        QCOMPARE(QApplication::focusWidget(), focusAfter);
    }
    QCOMPARE(deckState(), deck);
    QCOMPARE(tab().DeckCardCount(), count);
    QCOMPARE(vz::deckCardTotal(tab().deck()), count);
}

void TestDeckTab::deckRecordNumberingAndFields()
{
    startWithSmallCatalogue();
    auto indexes = [this] {
        vz::Table &deck = tab().deck();
        return deck.recordCount() == 0 ? QStringList() : deck.columnTexts(u"card_index"_s);
    };
    QPushButton *remone = control<QPushButton>(u"remone"_s);

    addCards({ { u"Гном"_s, 1 }, { u"Эльф"_s, 2 }, { u"Старый гном"_s, 1 } });
    QCOMPARE(indexes(), (QStringList { u"1"_s, u"2"_s, u"3"_s }));
    // Removing the last record: the next one takes its number again.
    QVERIFY(clickDeckRow(u"Старый гном"_s));
    QTest::mouseClick(remone, Qt::LeftButton);
    addCards({ { u"Тёмный маг"_s, 1 } });
    QCOMPARE(indexes(), (QStringList { u"1"_s, u"2"_s, u"3"_s }));
    // Removing the first record: numbering goes on from the last one.
    QVERIFY(clickDeckRow(u"Гном"_s));
    QTest::mouseClick(remone, Qt::LeftButton);
    addCards({ { u"Эльфийка"_s, 1 } });
    QCOMPARE(indexes(), (QStringList { u"2"_s, u"3"_s, u"4"_s }));
    QCOMPARE(deckState(), u"Эльф:2,Тёмный маг:1,Эльфийка:1"_s);

    // Every card field after card_index is a copy of the catalogue's row.
    vz::Table &deck = tab().deck();
    vz::Table &zarn = main().zarn();
    for (const QString &name : { u"Эльф"_s, u"Тёмный маг"_s }) {
        QVERIFY(deck.locate(u"name"_s, name, vz::DataSet::Locate::Exact));
        QVERIFY(zarn.locate(u"name"_s, name, vz::DataSet::Locate::Exact));
        const QVariantList deckValues = deck.values(), cardValues = zarn.values();
        QCOMPARE(deckValues.mid(1, 22), cardValues.mid(1, 22));
    }

    // Emptied with "<" one copy at a time; the next card is number 1 again.
    while (deck.recordCount() > 0)
        QTest::mouseClick(remone, Qt::LeftButton);
    QCOMPARE(caption(), kCaption + u'0');
    addCards({ { u"Гном"_s, 1 } });
    QCOMPARE(indexes(), QStringList { u"1"_s });
}

void TestDeckTab::emptyDeck_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("deck");
    QTest::addColumn<int>("count");

    QTest::newRow("button, yes") << false << true << QString() << 0;
    QTest::newRow("button, no") << false << false << u"Гном:2,Эльф:1"_s << 3;
    QTest::newRow("menu item, yes") << true << true << QString() << 0;
    QTest::newRow("menu item, no") << true << false << u"Гном:2,Эльф:1"_s << 3;
}

void TestDeckTab::emptyDeck()
{
    QFETCH(bool, byMenu);
    QFETCH(bool, answer);
    QFETCH(QString, deck);
    QFETCH(int, count);
    startWithSmallCatalogue();
    addCards({ { u"Гном"_s, 2 }, { u"Эльф"_s, 1 } });

    dialogs().answers << answer;
    if (byMenu) {
        QAction *item = main().findChild<QAction *>(u"N2"_s);
        QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        item->trigger();
    } else {
        QTest::mouseClick(control<QToolButton>(u"bNew"_s), Qt::LeftButton);
    }
    QCOMPARE(dialogs().questions, QStringList { u"Очистить колоду?"_s });
    QCOMPARE(deckState(), deck);
    QCOMPARE(tab().DeckCardCount(), count);
    QCOMPARE(caption(), kCaption + QString::number(count));
}

void TestDeckTab::deckRowShowsCard()
{
    startWithSmallCatalogue();
    addCards({ { u"Гном"_s, 1 }, { u"Эльф"_s, 1 } });
    QVERIFY(selectCard(u"Старый гном"_s));

    QVERIFY(clickDeckRow(u"Гном"_s));
    QCOMPARE(main().CurrentSet().text(u"name"_s), u"Гном"_s);
    QCOMPARE(main().LastShownCard(), u"1"_s);

    // Moving in the grid with the keys shows each card as the key is released.
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Down);
    QCOMPARE(tab().deck().text(u"name"_s), u"Эльф"_s);
    QCOMPARE(main().LastShownCard(), u"4"_s);

    // A card that the filtered list does not hold leaves the current card as it is.
    vz::Query &filter = main().qfilter();
    filter.setSql({ u"SELECT zarn.*"_s, u"FROM zarn"_s, u"WHERE card_index>0 and element = 1"_s,
        u"ORDER BY name"_s });
    filter.open();
    main().setCurrentSet(filter);
    main().setFilterActive(1);
    main().FillCardList();
    const QString shown = main().LastShownCard();
    QCOMPARE(shown, u"3"_s);
    QVERIFY(clickDeckRow(u"Гном"_s));
    QCOMPARE(main().LastShownCard(), shown);
    QCOMPARE(main().CurrentSet().text(u"name"_s), u"Старый гном"_s);
}

void TestDeckTab::deckRowRightClick()
{
    startWithSmallCatalogue();
    addCards({ { u"Гном"_s, 1 } });
    QMenu *copyMenu = main().pmCopy();
    QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, deckRowCentre(u"Гном"_s));
    QCOMPARE(copyMenu->actions().first()->text(), u"Копировать колоду"_s);
    QVERIFY(copyMenu->isVisible());
    copyMenu->hide();
    QCOMPARE(deckState(), u"Гном:1"_s); // nothing else changed
}

void TestDeckTab::deckBarCommands_data()
{
    QTest::addColumn<QString>("menu"); // empty: a button
    QTest::addColumn<QString>("control"); // the button or menu item
    QTest::addColumn<QString>("caption"); // of a menu item
    QTest::addColumn<QString>("command");

    QTest::newRow("statistics") << QString() << u"bDeckStat"_s << QString() << u"deckStat"_s;
    QTest::newRow("generator") << QString() << u"bGenerator"_s << QString() << u"generator"_s;
    QTest::newRow("hand") << QString() << u"bHand"_s << QString() << u"hand"_s;
    QTest::newRow("print scans") << u"bPrint"_s << u"N22"_s << u"Печать сканов"_s
                                 << u"printScans"_s;
    QTest::newRow("print deck list")
        << u"bPrint"_s << u"N34"_s << u"Печать деклиста"_s << u"printDecklist"_s;
    QTest::newRow("print answers") << u"bPrint"_s << u"G1"_s << u"Печать ЧАВО"_s << u"printFaq"_s;
    QTest::newRow("download pictures")
        << u"bDnldPics"_s << u"N10"_s << u"Загрузка картинок для карт колоды"_s
        << u"downloadPictures"_s;
    QTest::newRow("download answers") << u"bDnldPics"_s << u"objectN10TMenuItem1"_s
                                      << u"Загрузка ЧАВО для карт колоды"_s << u"downloadFaq"_s;
}

void TestDeckTab::deckBarCommands()
{
    QFETCH(QString, menu);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(QString, command);
    startWithSmallCatalogue();

    // Without commands nothing happens (the main window's own are taken away first).
    tab().setCommands({});
    auto run = [&] {
        if (menu.isEmpty()) {
            QAbstractButton *button = this->control<QAbstractButton>(control);
            button->click();
        } else {
            QTest::mouseClick(this->control<QToolButton>(menu), Qt::LeftButton);
            QMenu *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(popup);
            QCOMPARE(popup->objectName(), menu == u"bPrint" ? u"pmPrint"_s : u"pmDload"_s);
            QAction *item = popup->findChild<QAction *>(control);
            QVERIFY(item);
            QCOMPARE(item->text(), caption);
            item->trigger();
            popup->hide();
        }
    };
    run();
    QVERIFY(dialogs().shown.isEmpty());

    QStringList ran;
    DeckTab::Commands commands;
    auto record = [&ran](const QString &name) { return [&ran, name] { ran << name; }; };
    commands.deckStat = record(u"deckStat"_s);
    commands.generator = record(u"generator"_s);
    commands.printScans = record(u"printScans"_s);
    commands.printDecklist = record(u"printDecklist"_s);
    commands.printFaq = record(u"printFaq"_s);
    commands.downloadPictures = record(u"downloadPictures"_s);
    commands.downloadFaq = record(u"downloadFaq"_s);
    commands.hand = record(u"hand"_s);
    tab().setCommands(commands);
    run();
    QCOMPARE(ran, QStringList { command });
}

void TestDeckTab::dealSize_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("within the deck") << u"2"_s << u"2"_s;
    QTest::newRow("the whole deck") << u"3"_s << u"3"_s;
    QTest::newRow("more than the deck") << u"40"_s << u"3"_s;
    QTest::newRow("negative") << u"-1"_s << u"0"_s;
    QTest::newRow("not a number") << u"аб"_s << u"0"_s;
    QTest::newRow("zeros") << u"00"_s << u"0"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestDeckTab::dealSize()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    startWithSmallCatalogue();
    addCards({ { u"Гном"_s, 3 } });
    QLineEdit *edit2 = control<QLineEdit>(u"Edit2"_s);
    edit2->setText(typed);
    QCOMPARE(edit2->text(), shown);
}

void TestDeckTab::saveFormats_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("notices");

    const QStringList none;
    QTest::newRow("dec") << u"deck.dec"_s << u"expected.dec"_s << none;
    QTest::newRow("txt") << u"deck.txt"_s << u"expected.txt"_s << none;
    QTest::newRow("dck, a card without code")
        << u"deck.dck"_s << u"expected.dck"_s
        << QStringList { u"В файле bc.ini нет кодов этих карт, они не записаны в колоду:\n"
                         u"Тёмный маг"_s };
    QTest::newRow("extension in capitals") << u"DECK.DEC"_s << u"expected.dec"_s << none;
    QTest::newRow("extension in mixed case") << u"deck.Txt"_s << u"expected.txt"_s << none;
}

void TestDeckTab::saveFormats()
{
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QFETCH(QStringList, notices);
    startWithSmallCatalogue();
    addCards(
        { { u"Гном"_s, 3 }, { u"Старый гном"_s, 1 }, { u"Эльф"_s, 2 }, { u"Тёмный маг"_s, 1 } });
    QVERIFY(selectCard(u"Эльфийка"_s));

    const QString path = m_folder->file(u"Decks/"_s + fileName);
    save(path);
    QCOMPARE(dialogs().errors, QStringList());
    QCOMPARE(dialogs().notices, notices);
    QCOMPARE(dialogs().fileFilters, QStringList { kFilter });
    QCOMPARE(dialogs().fileStartDirs, QStringList { m_folder->path() + u"/Decks"_s });
    QCOMPARE(readBytes(path), readBytes(QStringLiteral(VZ_FIXTURES_DIR "/decks/") + expected));
    // The deck and the current card stay as they were.
    QCOMPARE(deckState(), u"Гном:3,Старый гном:1,Эльф:2,Тёмный маг:1"_s);
    QCOMPARE(caption(), kCaption + u'7');
    QCOMPARE(main().CurrentSet().text(u"name"_s), u"Эльфийка"_s);
}

void TestDeckTab::saveReplacesWholeFile()
{
    startWithSmallCatalogue();
    addCards({ { u"Эльф"_s, 2 } });
    const QString path = m_folder->file(u"Decks/old.dec"_s);
    m_folder->writeBytes(u"Decks/old.dec"_s, QByteArray(4000, 'x'));
    save(path);
    QCOMPARE(readBytes(path), vz::toCp1251(u"2 Эльф\r\n"_s));

    // A file that cannot be written is reported and nothing appears.
    const QString missing = m_folder->file(u"nofolder/deck.dec"_s);
    save(missing);
    QCOMPARE(dialogs().errors.size(), 1);
    QVERIFY(dialogs().errors.first().contains(missing));
    QVERIFY(!QFile::exists(missing));
    QVERIFY(QDir(m_folder->file(u"Decks"_s)).entryList(QDir::Files).contains(u"old.dec"_s));
    QCOMPARE(QDir(m_folder->file(u"Decks"_s)).entryList(QDir::Files).size(), 1);
}

void TestDeckTab::loadFormats_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("deck");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown"); // the card shown after the load

    QTest::newRow("dec, CR LF") << u"a.dec"_s << u"3 Гном\r\n1 Старый гном\r\n2 Эльф\r\n"_s
                                << u"Гном:3,Старый гном:1,Эльф:2"_s << 6 << u"Эльф"_s;
    QTest::newRow("dec, LF without last end")
        << u"a.dec"_s << u"2 Эльф\n1 Гном"_s << u"Эльф:2,Гном:1"_s << 3 << u"Гном"_s;
    QTest::newRow("dec, lone CR") << u"a.dec"_s << u"2 Эльф\r1 Гном\r"_s << u"Эльф:2,Гном:1"_s << 3
                                  << u"Гном"_s;
    QTest::newRow("dec, counts 0 and negative")
        << u"a.dec"_s << u"0 Гном\r\n-2 Эльф\r\n1 Тёмный маг\r\n"_s << u"Тёмный маг:1"_s << 1
        << u"Тёмный маг"_s;
    QTest::newRow("dec, names alone, blanks and other case")
        << u"a.dec"_s << u"  гном  \r\n\tСТАРЫЙ ГНОМ\r\n\r\n"_s << u"Гном:1,Старый гном:1"_s << 2
        << u"Старый гном"_s;
    QTest::newRow("dec, unknown and hidden names skipped")
        << u"a.dec"_s << u"2 Тролль\r\n1 Скрытая\r\n1 Эльф\r\n"_s << u"Эльф:1"_s << 1 << u"Эльф"_s;
    QTest::newRow("dec, name beginning another stays apart")
        << u"a.dec"_s << u"1 Гном-воин\r\n2 Гном\r\n1 гном\r\n"_s << u"Гном-воин:1,Гном:3"_s << 4
        << u"Гном"_s;
    QTest::newRow("dec, extension in capitals")
        << u"A.DEC"_s << u"2 Эльф\r\n"_s << u"Эльф:2"_s << 2 << u"Эльф"_s;
    QTest::newRow("txt, names with spaces")
        << u"a.txt"_s << u"Старый гном\r\nСтарый гном\r\nЭльф\r\nСтарый гном\r\n"_s
        << u"Старый гном:3,Эльф:1"_s << 4 << u"Старый гном"_s;
    QTest::newRow("txt, extension in capitals")
        << u"A.TXT"_s << u"Гном\nГном"_s << u"Гном:2"_s << 2 << u"Гном"_s;
    QTest::newRow("dck, codes in any case") << u"a.dck"_s << u"G1=3\r\nS7=1\r\ne4=2\r\n"_s
                                            << u"Гном:3,Старый гном:1,Эльф:2"_s << 6 << u"Эльф"_s;
    QTest::newRow("dck, code inside another code")
        << u"a.dck"_s << u"G12=2\r\nG1=1\r\n"_s << u"Гном-воин:2,Гном:1"_s << 3 << u"Гном"_s;
    QTest::newRow("dck, counts of 12 and 123")
        << u"a.dck"_s << u"G1=12\nE4=123\n"_s << u"Гном:12,Эльф:123"_s << 135 << u"Эльф"_s;
    QTest::newRow("dck, unknown code and line without =")
        << u"a.dck"_s << u"ZZ9=2\rG1\rE4=1\r"_s << u"Эльф:1"_s << 1 << u"Эльф"_s;
    QTest::newRow("dck, blanks around")
        << u"a.DCK"_s << u" G1 = 2 \r\n"_s << u"Гном:2"_s << 2 << u"Гном"_s;
    QTest::newRow("empty file") << u"a.dec"_s << QString() << QString() << 0 << u"Эльфийка"_s;
}

void TestDeckTab::loadFormats()
{
    QFETCH(QString, fileName);
    QFETCH(QString, content);
    QFETCH(QString, deck);
    QFETCH(int, count);
    QFETCH(QString, shown);
    startWithSmallCatalogue();
    addCards({ { u"Эльфийка"_s, 2 } });
    m_folder->writeBytes(u"Decks/"_s + fileName, vz::toCp1251(content));

    VisibilityLog log;
    grid()->installEventFilter(&log);
    load(m_folder->file(u"Decks/"_s + fileName));
    grid()->removeEventFilter(&log);

    QCOMPARE(dialogs().errors, QStringList());
    QCOMPARE(dialogs().fileFilters, QStringList { kFilter });
    QCOMPARE(dialogs().fileStartDirs, QStringList { m_folder->path() + u"/Decks"_s });
    QCOMPARE(deckState(), deck);
    QCOMPARE(tab().DeckCardCount(), count);
    QCOMPARE(caption(), kCaption + QString::number(count));
    QCOMPARE(log.events, (QStringList { u"hide"_s, u"show"_s }));
    QVERIFY(grid()->isVisible());
    QCOMPARE(main().CurrentSet().text(u"name"_s), shown);
    QCOMPARE(main().LastShownCard(), main().CurrentSet().text(u"card_index"_s));
}

void TestDeckTab::loadLimitedByFilter()
{
    startWithSmallCatalogue();
    vz::Query &filter = main().qfilter();
    filter.setSql({ u"SELECT zarn.*"_s, u"FROM zarn"_s, u"WHERE card_index>0 and element = 3"_s,
        u"ORDER BY name"_s });
    filter.open();
    main().setCurrentSet(filter);
    main().setFilterActive(1);
    main().FillCardList();

    m_folder->writeBytes(
        u"Decks/f.dec"_s, vz::toCp1251(u"3 Гном\r\n1 Старый гном\r\n2 Эльфийка\r\n1 Эльф\r\n"_s));
    load(m_folder->file(u"Decks/f.dec"_s));
    QCOMPARE(deckState(), u"Гном:3,Эльф:1"_s);
    QCOMPARE(caption(), kCaption + u'4');
    QCOMPARE(&main().CurrentSet(), &filter);
}

void TestDeckTab::refusals_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("withCodes"); // bc.ini present
    QTest::addColumn<QString>("error"); // a part of the message, empty when none
    QTest::addColumn<QString>("deck"); // after the action

    const QString before = u"Эльфийка:2"_s;
    const QString extension = u".dec, .dck или .txt"_s;
    QTest::newRow("save, unknown extension")
        << true << u"deck.doc"_s << true << extension << before;
    QTest::newRow("save, no extension") << true << u"deck"_s << true << extension << before;
    QTest::newRow("load, unknown extension")
        << false << u"deck.doc"_s << true << extension << before;
    QTest::newRow("save dck without bc.ini")
        << true << u"deck.dck"_s << false << u"bc.ini"_s << before;
    QTest::newRow("load dck without bc.ini")
        << false << u"deck.dck"_s << false << u"bc.ini"_s << before;
    QTest::newRow("load missing file") << false << u"none.dec"_s << true << u"none.dec"_s << before;
    QTest::newRow("save dec without bc.ini")
        << true << u"deck.dec"_s << false << QString() << before;
    QTest::newRow("load dec without bc.ini")
        << false << u"deck.dec"_s << false << QString() << u"Гном:1"_s;
    QTest::newRow("load txt without bc.ini")
        << false << u"deck.txt"_s << false << QString() << u"Гном:1"_s;
}

void TestDeckTab::refusals()
{
    QFETCH(bool, saving);
    QFETCH(QString, fileName);
    QFETCH(bool, withCodes);
    QFETCH(QString, error);
    QFETCH(QString, deck);
    if (!withCodes)
        QVERIFY(QFile::remove(m_folder->file(u"bc.ini"_s)));
    startWithSmallCatalogue();
    addCards({ { u"Эльфийка"_s, 2 } });

    const QString path = m_folder->file(u"Decks/"_s + fileName);
    if (saving) {
        save(path);
    } else {
        if (fileName != u"none.dec")
            m_folder->writeBytes(u"Decks/"_s + fileName,
                vz::toCp1251(fileName.endsWith(u"dck") ? u"G1=1\r\n"_s : u"Гном\r\n"_s));
        load(path);
    }

    if (error.isEmpty()) {
        QCOMPARE(dialogs().errors, QStringList());
    } else {
        QCOMPARE(dialogs().errors.size(), 1);
        QVERIFY2(dialogs().errors.first().contains(error), qPrintable(dialogs().errors.first()));
    }
    if (saving)
        QCOMPARE(QFile::exists(path), error.isEmpty());
    QCOMPARE(deckState(), deck);
    QCOMPARE(caption(), kCaption + QString::number(vz::deckCardTotal(tab().deck())));
    QVERIFY(grid()->isVisible());
}

void TestDeckTab::failedLoadKeepsDeck()
{
    startWithSmallCatalogue();
    addCards({ { u"Эльфийка"_s, 2 } });
    // The engine refuses the third record of the load.
    main().db().exec(u"CREATE TEMP TRIGGER refuse BEFORE INSERT ON deck WHEN NEW.name = 'Эльф' "
                     u"BEGIN SELECT RAISE(ABORT, 'запись отклонена'); END;"_s);
    m_folder->writeBytes(
        u"Decks/a.dec"_s, vz::toCp1251(u"2 Гном\r\n1 Старый гном\r\n1 Эльф\r\n"_s));
    load(m_folder->file(u"Decks/a.dec"_s));
    QCOMPARE(dialogs().errors, QStringList { u"запись отклонена"_s });
    QCOMPARE(deckState(), u"Эльфийка:2"_s);
    QCOMPARE(caption(), kCaption + u'2');
    QVERIFY(grid()->isVisible());

    // "> > >" is all or nothing as well.
    QTest::mouseClick(control<QPushButton>(u"addall"_s), Qt::LeftButton);
    QCOMPARE(dialogs().errors.size(), 2);
    QCOMPARE(deckState(), u"Эльфийка:2"_s);
    QCOMPARE(caption(), kCaption + u'2');
}

void TestDeckTab::roundTrip300()
{
    // A catalogue where names begin other names ("Карта 1", "Карта 1 воин", "Карта 10") and codes
    // lie inside other codes (K1, K10, K1V).
    QList<QVariantList> cards;
    QStringList codes;
    for (int i = 1; i <= 100; ++i) {
        cards << vzt::cardRow(i, u"Карта %1"_s.arg(i), { { u"element"_s, i % 7 } });
        codes << u"K%1 Карта %1"_s.arg(i);
    }
    for (int i = 1; i <= 50; ++i) {
        cards << vzt::cardRow(100 + i, u"Карта %1 воин"_s.arg(i), { { u"cost"_s, i } });
        codes << u"K%1V Карта %1 воин"_s.arg(i);
    }
    m_folder->writeList(u"bc.ini"_s, codes);
    start(cards);

    QRandomGenerator random(20240611);
    QList<vz::DeckEntry> expected;
    QSet<int> used;
    int total = 0;
    while (total < 300) {
        const int card = int(random.bounded(150));
        if (used.contains(card))
            continue;
        used.insert(card);
        const int kolvo = std::min(int(random.bounded(1, 10)), 300 - total);
        expected << vz::DeckEntry { cards.at(card).at(1).toString(), kolvo };
        total += kolvo;
    }
    vz::writeListFile(
        m_folder->file(u"Decks/source.dec"_s), vz::deckFileLines(vz::DeckFormat::Dec, expected));
    load(m_folder->file(u"Decks/source.dec"_s));
    QCOMPARE(vz::deckEntries(tab().deck()), expected);

    for (const QString &extension : { u"dec"_s, u"dck"_s, u"txt"_s }) {
        const QString path = m_folder->file(u"Decks/round."_s + extension);
        save(path);
        dialogs().answers << true;
        QTest::mouseClick(control<QToolButton>(u"bNew"_s), Qt::LeftButton);
        QCOMPARE(tab().deck().recordCount(), 0);
        load(path);
        QCOMPARE(dialogs().errors, QStringList());
        QCOMPARE(dialogs().notices, QStringList());
        QCOMPARE(vz::deckEntries(tab().deck()), expected);
        QCOMPARE(tab().DeckCardCount(), 300);
        QCOMPARE(caption(), kCaption + u"300"_s);
    }
}

void TestDeckTab::sampleDecksRoundTrip()
{
#ifndef VZ_HAVE_SAMPLEDATA
    QSKIP("the sample folder generator is not part of this build");
#else
    delete m_folder;
    m_folder = nullptr;
    QTemporaryDir dir;
    vz::sample::generateProgramFolder(dir.path(), 300, 7);
    m_fixture = new vzt::ProgramFixture(dir.path());
    // The program closes before its folder goes.
    const auto closeProgram = qScopeGuard([this] {
        delete m_fixture;
        m_fixture = nullptr;
    });
    const QStringList decks = QDir(dir.filePath(u"Decks"_s)).entryList({ u"*.dec"_s }, QDir::Files);
    QVERIFY(!decks.isEmpty());
    for (const QString &deck : decks) {
        // What the file holds, copies of one name collected in one record.
        QList<vz::DeckEntry> expected;
        for (const QString &line : vz::readListFile(dir.filePath(u"Decks/"_s + deck))) {
            const vz::DeckEntry entry = vz::parseDeckLine(line);
            if (entry.kolvo < 1)
                continue;
            auto same = std::find_if(expected.begin(), expected.end(), [&](const auto &e) {
                return e.name.compare(entry.name, Qt::CaseInsensitive) == 0;
            });
            if (same != expected.end())
                same->kolvo += entry.kolvo;
            else
                expected << entry;
        }
        load(dir.filePath(u"Decks/"_s + deck));
        QCOMPARE(vz::deckEntries(tab().deck()), expected);
        for (const QString &extension : { u"dec"_s, u"dck"_s, u"txt"_s }) {
            const QString path = dir.filePath(u"round."_s + extension);
            save(path);
            load(path);
            QCOMPARE(dialogs().errors, QStringList());
            QCOMPARE(vz::deckEntries(tab().deck()), expected);
        }
    }
#endif
}

QTEST_MAIN(TestDeckTab)
#include "tst_decktab.moc"
