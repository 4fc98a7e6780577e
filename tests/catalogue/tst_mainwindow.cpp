// Start-up and shutdown of the main window: menu, maintainer mode, deck table, print settings,
// help files, placement.

#include "catalogue/mainf.h"
#include "catalogue/program.h"
#include "deckbuilding/decktab.h"
#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "support/fixture.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QTimer>
#include "catalogue/abo.h"
#include "platform/error.h"
#include <QDir>
#include <QTemporaryDir>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

class TestMainWindow : public QObject
{
    Q_OBJECT

    static QStringList menuCaptions(QMenu *menu, bool withShortcuts)
    {
        QStringList items;
        for (QAction *a : menu->actions()) {
            QString item = a->isSeparator() ? QStringLiteral("-") : a->text();
            if (withShortcuts && !a->shortcut().isEmpty())
                item += QStringLiteral(" [") + a->shortcut().toString() + QLatin1Char(']');
            if (!a->isSeparator() && !a->isVisible())
                item += QStringLiteral(" (hidden)");
            items << item;
        }
        return items;
    }

private slots:
    void windowAndMenu()
    {
        vzt::FixtureFolder folder;
        vzt::ProgramFixture fixture(folder.path());
        Tmain &main = fixture.program().main();
        QCOMPARE(main.windowTitle(), QStringLiteral("Библиотека карт Зарнака v 2.0 beta 2"));
        QCOMPARE(main.centralWidget()->size(), QSize(1016, 679));
        QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));

        const QList<QMenu *> menus = main.menuBar()->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
        QStringList titles;
        for (QAction *a : main.menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{QStringLiteral("Колода"), QStringLiteral("Дополнительно"),
                                      QStringLiteral("Экспорт/Импорт"), QStringLiteral("Помощь")}));
        QCOMPARE(menuCaptions(main.menuBar()->actions().at(0)->menu(), true),
                 (QStringList{QStringLiteral("Очистить колоду [Ctrl+N]"),
                              QStringLiteral("Сохранить [Ctrl+S]"),
                              QStringLiteral("Загрузить [Ctrl+O]"), QStringLiteral("-"),
                              QStringLiteral("Печать прокси (hidden)"),
                              QStringLiteral("Печать сканов [Ctrl+P]"),
                              QStringLiteral("Печать деклиста"), QStringLiteral("Печать ЧАВО"),
                              QStringLiteral("-"), QStringLiteral("Выход")}));
        QCOMPARE(menuCaptions(main.menuBar()->actions().at(1)->menu(), true),
                 (QStringList{QStringLiteral("Удаление сета"),
                              QStringLiteral("Генерация картинок со сканов"),
                              QStringLiteral("Генерация бустеров"), QStringLiteral("Состав колоды"),
                              QStringLiteral("Стартовая раздача  (hidden)"),
                              QStringLiteral("Загрузка картинок для карт колоды"),
                              QStringLiteral("Загрузка ЧАВО для карт колоды"), QStringLiteral("-"),
                              QStringLiteral("Правила игры 1 на 1"),
                              QStringLiteral("Турнирные правила"), QStringLiteral("-"),
                              QStringLiteral("Тестовая игра")}));
        QCOMPARE(menuCaptions(main.menuBar()->actions().at(2)->menu(), false),
                 (QStringList{QStringLiteral("Загрузка сета из файла в формате Vuzuruv"),
                              QStringLiteral("Выгрузка сета в файл в формате Vuzuruv"),
                              QStringLiteral("Сохранение базы в HTML"),
                              QStringLiteral("Сохранение базы в формате Vintrel (hidden)")}));
        QCOMPARE(menuCaptions(main.menuBar()->actions().at(3)->menu(), false),
                 QStringList{QStringLiteral("О программе")});

        auto *pc1 = main.findChild<QTabWidget *>(QStringLiteral("pc1"));
        QCOMPARE(pc1->tabText(0), QStringLiteral("Редактор колоды. Карт в колоде: 0"));
        QCOMPARE(pc1->tabText(1), QStringLiteral("Редактор карт"));
        QCOMPARE(pc1->currentIndex(), 0);
        auto hint = [&](const char *name) {
            return main.findChild<QToolButton *>(QLatin1String(name))->toolTip();
        };
        QCOMPARE(hint("bSearch"), QStringLiteral("Поиск"));
        QCOMPARE(hint("bFilters"), QStringLiteral("Фильтры "));
        QCOMPARE(hint("bSort"), QStringLiteral("Сортировка"));
        QCOMPARE(hint("bPlay"), QStringLiteral("Let the carnage begin!"));
        QCOMPARE(hint("bFaq"), QStringLiteral("ЧаВо по карте"));
        QVERIFY(main.findChild<QToolButton *>(QStringLiteral("bView"))->isChecked());
    }

    void toolbarPicturesFromProgramFolder()
    {
        vzt::FixtureFolder folder;
        folder.writePicture(QStringLiteral("pics/search.bmp"), 32, 32, Qt::red);
        folder.writePicture(QStringLiteral("pics/download.BMP"), 32, 32, Qt::blue);
        vzt::ProgramFixture fixture(folder.path());
        Tmain &main = fixture.program().main();
        auto picture = [&](const char *name) {
            return main.findChild<QToolButton *>(QLatin1String(name))->property("picture").toString();
        };
        QCOMPARE(picture("bSearch"), QStringLiteral("pics\\search.bmp"));
        QVERIFY(!main.findChild<QToolButton *>(QStringLiteral("bSearch"))->icon().isNull());
        QCOMPARE(picture("bFilters"), QString()); // missing picture skipped
    }

    void maintainerMode_data()
    {
        QTest::addColumn<QByteArray>("ava");
        QTest::addColumn<bool>("on");
        QTest::newRow("no ava.dat") << QByteArray() << false;
        QTest::newRow("access code") << QByteArray("maintainer\r\nx\r\n") << true;
        QTest::newRow("access code without line end") << QByteArray("maintainer") << true;
        QTest::newRow("other code") << QByteArray("player\r\n") << false;
        QTest::newRow("code on second line") << QByteArray("x\r\nmaintainer\r\n") << false;
    }
    void maintainerMode()
    {
        QFETCH(QByteArray, ava);
        QFETCH(bool, on);
        vzt::FixtureFolder folder;
        if (!ava.isEmpty())
            folder.writeBytes(QStringLiteral("ava.dat"), ava);
        vzt::ProgramFixture fixture(folder.path());
        Tmain &main = fixture.program().main();
        QCOMPARE(main.MaintainerMode(), on);
        QCOMPARE(main.findChild<QAction *>(QStringLiteral("N24"))->isVisible(), on);
    }

    void deckTableEmptiedAtStartAndExit()
    {
        vzt::FixtureFolder folder;
        folder.addCards({vzt::cardRow(1, QStringLiteral("Гном"))});
        {
            vz::Database db(folder.file(QStringLiteral("db1.sqlite")));
            db.exec(QStringLiteral("INSERT INTO deck (card_index, name, kolvo) VALUES (1, 'Старая', 2),"
                                   " (2, 'Прошлая', 1)"));
        }
        {
            vzt::ProgramFixture fixture(folder.path());
            Tmain &main = fixture.program().main();
            QCOMPARE(main.deckTab().deck().recordCount(), 0);
            QCOMPARE(main.deckTab().DeckCardCount(), 0);
            main.deckTab().deck().appendRecord({1, QStringLiteral("Гном")});
            main.close();
        }
        vz::Database db(folder.file(QStringLiteral("db1.sqlite")));
        vz::Table deck(db, QStringLiteral("deck"));
        deck.open();
        QCOMPARE(deck.recordCount(), 0);
        vz::Table zarn(db, QStringLiteral("zarn"));
        zarn.open();
        QCOMPARE(zarn.recordCount(), 1); // the card table is never touched
    }

    void printSettingsChangedForTheRunAndRestored()
    {
        vzt::FixtureFolder folder;
        QString settingsFile;
        {
            vzt::ProgramFixture fixture(folder.path());
            settingsFile = fixture.settingsFile();
            QSettings &s = fixture.settings();
            QCOMPARE(s.value(QStringLiteral("main/Display Inline Images")).toString(), QStringLiteral("yes"));
            QCOMPARE(s.value(QStringLiteral("PageSetup/header")).toString(), QString());
            QCOMPARE(s.value(QStringLiteral("PageSetup/margin_bottom")).toString(), QStringLiteral("0.3"));
        }
        // A second run over values set before it: each is written back under its own key.
        QSettings before(settingsFile, QSettings::IniFormat);
        before.setValue(QStringLiteral("main/Display Inline Images"), QStringLiteral("no"));
        before.setValue(QStringLiteral("PageSetup/header"), QStringLiteral("&w&bPage &p"));
        before.setValue(QStringLiteral("PageSetup/margin_left"), QStringLiteral("0.75"));
        before.sync();
        {
            vzt::FixtureFolder second;
            vz::ScriptedDialogs dialogs;
            vz::setDialogs(&dialogs);
            Program::Options options;
            options.appDir = second.path();
            options.printSettings = &before;
            {
                Program program(options);
                QCOMPARE(before.value(QStringLiteral("PageSetup/margin_left")).toString(),
                         QStringLiteral("0.3"));
                QCOMPARE(before.value(QStringLiteral("main/Display Inline Images")).toString(),
                         QStringLiteral("yes"));
            }
            vz::setDialogs(nullptr);
        }
        QCOMPARE(before.value(QStringLiteral("main/Display Inline Images")).toString(), QStringLiteral("no"));
        QCOMPARE(before.value(QStringLiteral("PageSetup/header")).toString(), QStringLiteral("&w&bPage &p"));
        QCOMPARE(before.value(QStringLiteral("PageSetup/margin_left")).toString(), QStringLiteral("0.75"));
        // Missing before the first run: saved and written back as an empty text.
        QCOMPARE(before.value(QStringLiteral("PageSetup/margin_top")).toString(), QString());
    }

    void failedStartGivesTheSettingsBack()
    {
        QTemporaryDir folder;
        QDir(folder.path()).mkpath(QStringLiteral("db1.sqlite")); // not a database file
        QTemporaryDir settingsDir;
        QSettings store(settingsDir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
        store.setValue(QStringLiteral("PageSetup/footer"), QStringLiteral("&d"));
        Program::Options options;
        options.appDir = folder.path();
        options.printSettings = &store;
        QVERIFY_THROWS_EXCEPTION(vz::Error, Program program(options));
        QCOMPARE(store.value(QStringLiteral("PageSetup/footer")).toString(), QStringLiteral("&d"));
        QCOMPARE(store.value(QStringLiteral("main/Display Inline Images")).toString(), QString());
    }

    void helpFiles_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::newRow("rules") << QStringLiteral("N14") << QStringLiteral("rules.chm");
        QTest::newRow("tournament") << QStringLiteral("N15") << QStringLiteral("tourn.chm");
    }
    void helpFiles()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        vzt::FixtureFolder folder;
        vzt::ProgramFixture fixture(folder.path());
        QAction *action = fixture.program().main().findChild<QAction *>(item);
        action->trigger();
        QCOMPARE(fixture.dialogs().notices, QStringList{QStringLiteral("Файл %1 не найден.").arg(file)});
        QVERIFY(fixture.desktop().opened.isEmpty());

        folder.writeBytes(file, "help");
        action->trigger();
        QCOMPARE(fixture.dialogs().notices.size(), 1);
        QCOMPARE(fixture.desktop().opened, QStringList{folder.file(file)});
    }

    void cardFacesComeFromTheProgramFolder()
    {
        vzt::FixtureFolder folder;
        const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
        if (!QFile::exists(dejavu + QStringLiteral("DejaVuSerif-Bold.ttf")))
            QSKIP("DejaVu fonts are not installed");
        QFile::copy(dejavu + QStringLiteral("DejaVuSerif-Bold.ttf"), folder.file(QStringLiteral("pics/FntName.ttf")));
        QFile::copy(dejavu + QStringLiteral("DejaVuSans.ttf"), folder.file(QStringLiteral("pics/FntText.ttf")));
        const int before = QFontDatabase::families().size();
        {
            vzt::ProgramFixture fixture(folder.path());
            QCOMPARE(QFontInfo(QFont(QStringLiteral("zrn_FntName"))).family(), QStringLiteral("DejaVu Serif"));
            QCOMPARE(QFontInfo(QFont(QStringLiteral("zrn_FntText"))).family(), QStringLiteral("DejaVu Sans"));
        }
        // Removed again at shutdown (the system copies of DejaVu stay).
        QCOMPARE(QFontDatabase::families().size(), before);
    }

    void aboutBoxClosesOnEscape()
    {
        vzt::FixtureFolder folder;
        vzt::ProgramFixture fixture(folder.path());
        Tabout *about = fixture.program().forms().about;
        QCOMPARE(about->windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(about->size(), QSize(257, 129));
        bool closedByEscape = false;
        QTimer::singleShot(0, about, [&] {
            QTest::keyClick(about, Qt::Key_Escape);
            closedByEscape = !about->isVisible();
            if (about->isVisible())
                about->reject();
        });
        fixture.program().main().findChild<QAction *>(QStringLiteral("N27"))->trigger();
        QVERIFY(closedByEscape);
        QVERIFY(about->findChild<QPushButton *>(QStringLiteral("Button1")));
        QCOMPARE(about->findChild<QPushButton *>(QStringLiteral("Button1"))->text(), QStringLiteral("Закрыть"));
    }

    void placement_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("1024") << 1024 << QPoint(0, 0);
        QTest::newRow("1025") << 1025 << QPoint(150, 150);
        QTest::newRow("800") << 800 << QPoint(0, 0);
    }
    void placement()
    {
        QFETCH(int, width);
        QFETCH(QPoint, position);
        QCOMPARE(Tmain::initialPosition(width), position);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
