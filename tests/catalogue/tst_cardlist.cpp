// The card list on the real main window: filling, count caption, type-ahead, keys and clicks.

#include "catalogue/mainf.h"
#include "catalogue/program.h"
#include "platform/dataset.h"
#include "support/fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTest>

// Types text key by key; QTest::keyClicks cannot map Cyrillic letters to keys.
static void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

class TestCardList : public QObject
{
    Q_OBJECT

    vzt::FixtureFolder *m_folder = nullptr;
    vzt::ProgramFixture *m_fixture = nullptr;

    Tmain &main() { return m_fixture->program().main(); }
    QLineEdit *edit1() { return main().findChild<QLineEdit *>(QStringLiteral("Edit1")); }
    QListView *list() { return main().findChild<QListView *>(QStringLiteral("ListBox1")); }
    QStringList items()
    {
        QStringList result;
        for (int i = 0; i < list()->model()->rowCount(); ++i)
            result << list()->model()->index(i, 0).data().toString();
        return result;
    }
    int selected()
    {
        const auto rows = list()->selectionModel()->selectedIndexes();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    QString shownName() { return main().findChild<QLabel *>(QStringLiteral("Name"))->text(); }
    QString shownIndex() { return main().CurrentSet().text(QStringLiteral("card_index")); }

private slots:
    void init()
    {
        m_folder = new vzt::FixtureFolder;
        // Two rows share a name; a hidden row; names in no particular order.
        m_folder->addCards({
            vzt::cardRow(1, QStringLiteral("Ящер"), {{QStringLiteral("type"), 3}}),
            vzt::cardRow(2, QStringLiteral("Гном-воин"), {{QStringLiteral("element"), 2}}),
            vzt::cardRow(3, QStringLiteral("Ёлка"), {{QStringLiteral("type"), 2}}),
            vzt::cardRow(4, QStringLiteral("гоблин"), {{QStringLiteral("cost"), 4}}),
            vzt::cardRow(5, QStringLiteral("Гоблин"), {{QStringLiteral("cost"), 5}}),
            vzt::cardRow(6, QStringLiteral("Гоблин"), {{QStringLiteral("cost"), 6}}),
            vzt::cardRow(7, QStringLiteral("Аист"), {}),
            vzt::cardRow(0, QStringLiteral("Скрытый"), {}),
            vzt::cardRow(-3, QStringLiteral("Аааа"), {}),
        });
        m_fixture = new vzt::ProgramFixture(m_folder->path());
        main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
    }
    void cleanup()
    {
        delete m_fixture;
        delete m_folder;
    }

    void listsVisibleCardsInCyrillicOrder()
    {
        QCOMPARE(items(), (QStringList{QStringLiteral("Аист"), QStringLiteral("Гном-воин"),
                                       QStringLiteral("Гоблин"), QStringLiteral("Гоблин"),
                                       QStringLiteral("гоблин"), QStringLiteral("Ёлка"),
                                       QStringLiteral("Ящер")}));
        QCOMPARE(main().findChild<QGroupBox *>(QStringLiteral("main_wiever"))->title(),
                 QStringLiteral("Выбрано карт: 7"));
        QCOMPARE(selected(), 0);
        QCOMPARE(shownName(), QStringLiteral("Аист"));
    }

    void typeAhead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("cardIndex");
        QTest::newRow("prefix ignoring case") << QStringLiteral("гоб") << 2 << QStringLiteral("5");
        QTest::newRow("capital prefix") << QStringLiteral("ГНОМ") << 1 << QStringLiteral("2");
        QTest::newRow("ё") << QStringLiteral("ё") << 5 << QStringLiteral("3");
        QTest::newRow("no match keeps the card") << QStringLiteral("Ящерz") << 6 << QStringLiteral("1");
    }
    void typeAhead()
    {
        QFETCH(QString, typed);
        QFETCH(int, item);
        QFETCH(QString, cardIndex);
        edit1()->setFocus();
        typeText(edit1(), typed);
        QCOMPARE(selected(), item);
        QCOMPARE(shownIndex(), cardIndex);
    }

    void sharedNameShowsFirstRow()
    {
        // Clicking the second "Гоблин" shows the first row of that name and selects its item.
        const QRect second = list()->visualRect(list()->model()->index(3, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(shownIndex(), QStringLiteral("5"));
        QCOMPARE(selected(), 2);
        // Moving with Down through the two items: the second shows the card already shown, so
        // nothing is redrawn and the selection stays where Down put it, letting Down go on.
        typeText(edit1(), QStringLiteral("гн"));
        QCOMPARE(selected(), 1);
        QTest::keyClick(edit1(), Qt::Key_Down);
        QCOMPARE(selected(), 2);
        QCOMPARE(shownIndex(), QStringLiteral("5"));
        QTest::keyClick(edit1(), Qt::Key_Down);
        QCOMPARE(selected(), 3);
        QCOMPARE(shownIndex(), QStringLiteral("5"));
        QTest::keyClick(edit1(), Qt::Key_Down);
        QCOMPARE(selected(), 4);
        QCOMPARE(shownIndex(), QStringLiteral("4"));
    }

    void upDownFromEdit()
    {
        edit1()->setFocus();
        typeText(edit1(), QStringLiteral("Ёл"));
        QCOMPARE(selected(), 5);
        QTest::keyClick(edit1(), Qt::Key_Down);
        QCOMPARE(selected(), 6);
        QCOMPARE(shownName(), QStringLiteral("Ящер"));
        QCOMPARE(edit1()->cursorPosition(), edit1()->text().size());
        QTest::keyClick(edit1(), Qt::Key_Down); // the last item stays selected
        QCOMPARE(selected(), 6);
        QTest::keyClick(edit1(), Qt::Key_Up);
        QCOMPARE(selected(), 5);
        QCOMPARE(shownName(), QStringLiteral("Ёлка"));
        QVERIFY(edit1()->hasFocus());
    }

    void upDownInList()
    {
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(selected(), 1);
        QCOMPARE(shownName(), QStringLiteral("Гном-воин"));
    }

    void deleteEmptiesEditAndShowsFirst()
    {
        edit1()->setFocus();
        typeText(edit1(), QStringLiteral("Ящ"));
        QCOMPARE(shownName(), QStringLiteral("Ящер"));
        QTest::keyClick(edit1(), Qt::Key_Delete);
        QCOMPARE(edit1()->text(), QString());
        QCOMPARE(shownName(), QStringLiteral("Аист"));
        QCOMPARE(main().CurrentSet().recNo(), 0);
    }

    void letterTypedInList()
    {
        list()->setFocus();
        typeText(list(), QStringLiteral("я"));
        QCOMPARE(edit1()->text(), QStringLiteral("я"));
        QVERIFY(edit1()->hasFocus());
        QCOMPARE(shownName(), QStringLiteral("Ящер"));

        list()->setFocus();
        typeText(list(), QStringLiteral("a")); // a Latin letter only moves the focus
        QCOMPARE(edit1()->text(), QStringLiteral("я"));
        QVERIFY(edit1()->hasFocus());
        QCOMPARE(edit1()->cursorPosition(), 1);
    }

    void rightClickOpensTheCopyMenu()
    {
        QMenu *menu = main().pmCopy();
        menu->actions().first()->setText(QStringLiteral("Копировать колоду"));
        const QRect third = list()->visualRect(list()->model()->index(2, 0));
        QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, third.center());
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("Копировать список карт"));
        QVERIFY(menu->isVisible());
        QVERIFY(list()->hasFocus());
        menu->hide();
    }

    void refilledListSelectsTheShownCard()
    {
        // The card shown stays the current one after the list is refilled: it is not drawn
        // again, but its item is selected in the new list, so the keys keep working.
        typeText(edit1(), QStringLiteral("Ящ"));
        main().qfilter().setSql({QStringLiteral("SELECT zarn.* FROM zarn"),
                                 QStringLiteral("WHERE card_index in (1, 3, 7)"),
                                 QStringLiteral("ORDER BY name")});
        main().qfilter().open();
        main().setCurrentSet(main().qfilter());
        main().FillCardList();
        QCOMPARE(items(), (QStringList{QStringLiteral("Аист"), QStringLiteral("Ёлка"),
                                       QStringLiteral("Ящер")}));
        QCOMPARE(selected(), 2);
        edit1()->setFocus();
        QTest::keyClick(edit1(), Qt::Key_Up);
        QCOMPARE(shownName(), QStringLiteral("Ёлка"));
    }

    void emptyResultKeepsTheShownCard()
    {
        edit1()->setFocus();
        typeText(edit1(), QStringLiteral("Ящ"));
        main().qfilter().setSql({QStringLiteral("SELECT zarn.* FROM zarn"),
                                 QStringLiteral("WHERE card_index>100"),
                                 QStringLiteral("ORDER BY name")});
        main().qfilter().open();
        main().setCurrentSet(main().qfilter());
        main().FillCardList();
        main().ShowCurrentCard();
        QCOMPARE(items(), QStringList());
        QCOMPARE(main().findChild<QGroupBox *>(QStringLiteral("main_wiever"))->title(),
                 QStringLiteral("Выбрано карт: 0"));
        QCOMPARE(shownName(), QStringLiteral("Ящер"));
    }

    void sortOrderReachesEveryListQuery()
    {
        main().qfilter().setSql({QStringLiteral("SELECT zarn.* FROM zarn"),
                                 QStringLiteral("WHERE card_index>0"),
                                 QStringLiteral("ORDER BY name")});
        main().qfilter().open();
        main().setSortOrder(QStringLiteral("cost desc , name asc "));
        main().ApplySortOrder();
        QCOMPARE(main().defquery().sql().last(), QStringLiteral("ORDER BY cost desc , name asc "));
        QCOMPARE(main().qfilter().sql().last(), QStringLiteral("ORDER BY cost desc , name asc "));
        QVERIFY(main().qsearch().sql().isEmpty());
        QCOMPARE(items().mid(0, 3), (QStringList{QStringLiteral("Гоблин"), QStringLiteral("Гоблин"),
                                                 QStringLiteral("гоблин")}));
    }
};

QTEST_MAIN(TestCardList)
#include "tst_cardlist.moc"
