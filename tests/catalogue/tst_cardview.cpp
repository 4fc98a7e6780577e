// The card view: values for code combinations, the skip of the card shown last, scan and
// composed modes.

#include "catalogue/cardface.h"
#include "catalogue/cardview.h"
#include "catalogue/mainf.h"
#include "catalogue/program.h"
#include "platform/richtextview.h"
#include "support/fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class TestCardView : public QObject
{
    Q_OBJECT

private slots:
    void faceValues_data()
    {
        QTest::addColumn<QVariantMap>("fields");
        QTest::addColumn<QStringList>("expected"); // cost, life, move, hit texts; then icons
        QTest::addColumn<QString>("icons");        // cost/life/move/hit icon names
        auto f = [](std::initializer_list<std::pair<const char *, QVariant>> list) {
            QVariantMap map;
            for (const auto &[k, v] : list)
                map.insert(QLatin1String(k), v);
            return map;
        };
        QTest::newRow("creature")
            << f({{"type", 3}, {"elity", 2}, {"cost", 4}, {"life", 5}, {"move", 2}, {"LD", 2}, {"AD", 3}, {"SD", 4}})
            << QStringList{QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("2"), QStringLiteral("2-3-4")}
            << QStringLiteral("gld lif mov hit");
        QTest::newRow("strikes 1 -1 2") << f({{"type", 3}, {"life", 1}, {"move", 0}, {"LD", 1}, {"AD", -1}, {"SD", 2}})
                                        << QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1-x-2")}
                                        << QStringLiteral("sil lif mov hit");
        QTest::newRow("strikes 2 -1 -1") << f({{"type", 3}, {"life", 1}, {"move", 1}, {"LD", 2}, {"AD", -1}, {"SD", -1}})
                                         << QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2-x-x")}
                                         << QStringLiteral("sil lif mov hit");
        QTest::newRow("strikes -1 1 1") << f({{"type", 3}, {"life", 1}, {"move", 1}, {"LD", -1}, {"AD", 1}, {"SD", 1}})
                                        << QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("-1-1-1")}
                                        << QStringLiteral("sil lif mov hit");
        QTest::newRow("does not move") << f({{"type", 3}, {"life", 2}, {"move", -1}})
                                       << QStringList{QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("х"), QStringLiteral("0-0-0")}
                                       << QStringLiteral("sil lif mov hit");
        QTest::newRow("flying") << f({{"type", 3}, {"life", 2}, {"move", -2}})
                                << QStringList{QStringLiteral("0"), QStringLiteral("2"), QString(), QStringLiteral("0-0-0")}
                                << QStringLiteral("sil lif fly hit");
        QTest::newRow("symbiote") << f({{"type", 3}, {"life", 2}, {"move", -3}})
                                  << QStringList{QStringLiteral("0"), QStringLiteral("2"), QString(), QStringLiteral("0-0-0")}
                                  << QStringLiteral("sil lif sim hit");
        QTest::newRow("parasite") << f({{"type", 3}, {"life", 2}, {"move", -4}})
                                  << QStringList{QStringLiteral("0"), QStringLiteral("2"), QString(), QStringLiteral("0-0-0")}
                                  << QStringLiteral("sil lif sim hit");
        QTest::newRow("terrain") << f({{"type", 2}, {"life", -1}, {"cost", 2}})
                                 << QStringList{QStringLiteral("2"), QStringLiteral("Местность"), QString(), QString()}
                                 << QStringLiteral("sil - - -");
        QTest::newRow("equipment with life") << f({{"type", 4}, {"life", 3}})
                                             << QStringList{QStringLiteral("0"), QStringLiteral("Экипировка"), QString(), QString()}
                                             << QStringLiteral("sil lif - -");
        QTest::newRow("artifact with life") << f({{"type", 1}, {"life", 3}, {"move", 2}})
                                            << QStringList{QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("Артефакт"), QString()}
                                            << QStringLiteral("sil lif - -");
        QTest::newRow("life 0 shown") << f({{"type", 3}, {"life", 0}, {"move", 1}})
                                      << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0-0-0")}
                                      << QStringLiteral("sil lif mov hit");
        QTest::newRow("printed cost wins") << f({{"type", 2}, {"life", -1}, {"cost", 3}, {"printed_cost", QStringLiteral("X")}})
                                           << QStringList{QStringLiteral("X"), QStringLiteral("Местность"), QString(), QString()}
                                           << QStringLiteral("sil - - -");
        QTest::newRow("Метаморф of any type") << f({{"name", QStringLiteral("Метаморф")}, {"type", 1}, {"life", -1}})
                                             << QStringList{QStringLiteral("0"), QString(), QStringLiteral("Артефакт"), QStringLiteral("x-x-x")}
                                             << QStringLiteral("sil - mov hit");
    }
    void faceValues()
    {
        QFETCH(QVariantMap, fields);
        QFETCH(QStringList, expected);
        QFETCH(QString, icons);
        TCardRecord card;
        card.name = fields.value(QStringLiteral("name"), QStringLiteral("Карта")).toString();
        card.type = fields.value(QStringLiteral("type")).toInt();
        card.elity = fields.value(QStringLiteral("elity")).toInt();
        card.cost = fields.value(QStringLiteral("cost")).toInt();
        card.life = fields.value(QStringLiteral("life")).toInt();
        card.move = fields.value(QStringLiteral("move")).toInt();
        card.LD = fields.value(QStringLiteral("LD")).toInt();
        card.AD = fields.value(QStringLiteral("AD")).toInt();
        card.SD = fields.value(QStringLiteral("SD")).toInt();
        card.printed_cost = fields.value(QStringLiteral("printed_cost")).toString();
        const CardFace face = computeCardFace(card);
        QCOMPARE((QStringList{face.costText, face.lifeText, face.moveText, face.hitText}), expected);
        auto iconName = [](const QString &path) {
            return path.isEmpty() ? QStringLiteral("-") : path.section(QLatin1Char('-'), 1).section(QLatin1Char('.'), 0, 0);
        };
        QCOMPARE(QStringList({iconName(face.costIcon), iconName(face.lifeIcon), iconName(face.moveIcon),
                              iconName(face.hitIcon)})
                     .join(QLatin1Char(' ')),
                 icons);
    }

    void nameAndRarity_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("rarity");
        QTest::addColumn<bool>("white");
        QTest::addColumn<int>("top");
        QTest::addColumn<QString>("hint");
        QTest::newRow("steppe, common") << 1 << 2 << false << 218 << QStringLiteral("Редкость: Частая");
        QTest::newRow("swamp lower") << 4 << 4 << false << 225 << QStringLiteral("Редкость: Ультра-Редкая");
        QTest::newRow("darkness white") << 5 << 5 << true << 218 << QStringLiteral("Редкость: Промо");
        QTest::newRow("rarity 1 has no word") << 6 << 1 << false << 218 << QStringLiteral("Редкость: ");
    }
    void nameAndRarity()
    {
        QFETCH(int, element);
        QFETCH(int, rarity);
        QFETCH(bool, white);
        QFETCH(int, top);
        QFETCH(QString, hint);
        TCardRecord card;
        card.element = element;
        card.rarity = rarity;
        const CardFace face = computeCardFace(card);
        QCOMPARE(face.whiteName, white);
        QCOMPARE(face.nameTop, top);
        QCOMPARE(face.rarityHint, hint);
        QCOMPARE(face.rarityPicture, QStringLiteral("\\pics\\rar0%1.bmp").arg(rarity));
    }

    void windowShowsCardOnceAndSwitchesToScan()
    {
        vzt::FixtureFolder folder;
        folder.writePicture(QStringLiteral("pics/5.jpg"), 289, 401, Qt::darkGray);
        folder.writePicture(QStringLiteral("pics/rar03.bmp"), 26, 26, Qt::yellow);
        folder.writePicture(QStringLiteral("html/scan-a.jpg"), 578, 802, Qt::green);
        folder.addCards({
            vzt::cardRow(1, QStringLiteral("Альфа"),
                         {{QStringLiteral("element"), 5}, {QStringLiteral("rarity"), 3},
                          {QStringLiteral("type"), 3}, {QStringLiteral("text"), QStringLiteral("Атакует /НУ/ врага.")},
                          {QStringLiteral("artist"), QStringLiteral("Анна Сидорова")},
                          {QStringLiteral("scan_path"), QStringLiteral("scan-a")}}),
            vzt::cardRow(2, QStringLiteral("Бета"), {{QStringLiteral("element"), 4}, {QStringLiteral("type"), 2}}),
        });
        vzt::ProgramFixture fixture(folder.path());
        Tmain &main = fixture.program().main();
        auto *name = main.findChild<QLabel *>(QStringLiteral("Name"));
        auto *image2 = main.findChild<QLabel *>(QStringLiteral("Image2"));
        auto *bView = main.findChild<QToolButton *>(QStringLiteral("bView"));
        auto *rw = main.findChild<vz::RichTextView *>(QStringLiteral("rw"));

        // bView is pressed at start and a scan exists: the scan, scaled down to fit, over all.
        QCOMPARE(name->text(), QStringLiteral("Альфа"));
        QCOMPARE(main.LastShownCard(), QStringLiteral("1"));
        QVERIFY(main.cardView().scanShown());
        QVERIFY(rw->isHidden());
        QCOMPARE(bView->property("picture").toString(), QStringLiteral("mini2.bmp"));
        QCOMPARE(image2->pixmap().size(), QSize(289, 401));
        QCOMPARE(main.findChild<QLineEdit *>(QStringLiteral("aftar"))->text(), QStringLiteral("Анна Сидорова"));
        QCOMPARE(main.findChild<QLabel *>(QStringLiteral("Image3"))->toolTip(), QStringLiteral("Редкость: Редкая"));

        auto stacking = [&] {
            QStringList order;
            for (QObject *child : main.findChild<QWidget *>(QStringLiteral("card_image"))->children())
                if (!child->objectName().isEmpty() && child->isWidgetType())
                    order << child->objectName();
            return order;
        };
        QCOMPARE(stacking().last(), QStringLiteral("Image2"));

        // Composed mode: frame at the bottom, rules text rendered with its icon.
        bView->click();
        QCOMPARE(stacking(), (QStringList{QStringLiteral("Image2"), QStringLiteral("numer"),
                                          QStringLiteral("nset"), QStringLiteral("imgmov"),
                                          QStringLiteral("imglif"), QStringLiteral("imghit"),
                                          QStringLiteral("imgcost"), QStringLiteral("Image3"),
                                          QStringLiteral("Image1"), QStringLiteral("hit"),
                                          QStringLiteral("cost"), QStringLiteral("lif"),
                                          QStringLiteral("mov"), QStringLiteral("Name"),
                                          QStringLiteral("rw")}));
        QVERIFY(!main.cardView().scanShown());
        QVERIFY(!rw->isHidden());
        QCOMPARE(bView->property("picture").toString(), QStringLiteral("mini.bmp"));
        QCOMPARE(rw->plainRuns(), QStringLiteral("Атакует [10]врага. "));
        QCOMPARE(name->styleSheet(), QStringLiteral("color: white"));
        QVERIFY(!rw->backgroundTile().isNull());

        // The card shown last is not drawn again unless it was cleared.
        name->setText(QStringLiteral("изменено"));
        main.ShowCurrentCard();
        QCOMPARE(name->text(), QStringLiteral("изменено"));
        main.clearLastShownCard();
        main.ShowCurrentCard();
        QCOMPARE(name->text(), QStringLiteral("Альфа"));
        name->setText(QStringLiteral("изменено"));
        main.AddPending = true;
        main.ShowCurrentCard();
        QCOMPARE(name->text(), QStringLiteral("Альфа"));
        main.AddPending = false;

        // A card without a scan is composed even with bView pressed; swamp names sit lower.
        bView->click();
        main.Edit1()->setText(QStringLiteral("Б"));
        QCOMPARE(name->text(), QStringLiteral("Бета"));
        QCOMPARE(name->y(), 225);
        QVERIFY(bView->isChecked());
        QVERIFY(!main.cardView().scanShown());
        QCOMPARE(bView->property("picture").toString(), QStringLiteral("mini.bmp"));
        QCOMPARE(main.findChild<QLabel *>(QStringLiteral("lif"))->text(), QStringLiteral("Местность"));
    }
};

QTEST_MAIN(TestCardView)
#include "tst_cardview.moc"
