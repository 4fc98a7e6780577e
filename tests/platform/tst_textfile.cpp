// Windows-1251 list files and the two replace-all routines.

#include "platform/error.h"
#include "platform/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void readsEveryLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const QByteArray a = "\xC0\xE1\xE2"; // "Абв" in Windows-1251
        const QString abv = QStringLiteral("Абв");
        QTest::newRow("CR LF") << a + "\r\nx\r\n" << QStringList{abv, QStringLiteral("x")};
        QTest::newRow("LF") << a + "\nx\n" << QStringList{abv, QStringLiteral("x")};
        QTest::newRow("CR") << a + "\rx\r" << QStringList{abv, QStringLiteral("x")};
        QTest::newRow("last line without end") << a + "\r\nx" << QStringList{abv, QStringLiteral("x")};
        QTest::newRow("empty and duplicate lines kept")
            << QByteArray("x\r\n\r\nx\n\ny") << QStringList{QStringLiteral("x"), QString(),
                                                             QStringLiteral("x"), QString(),
                                                             QStringLiteral("y")};
        QTest::newRow("yo") << QByteArray("\xA8\xB8") << QStringList{QStringLiteral("Ёё")};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void readsEveryLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const QString path = m_dir.filePath(QStringLiteral("list.ini"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        QCOMPARE(vz::readListFile(path), lines);
    }

    void writesCp1251WithCrLf()
    {
        const QString path = m_dir.filePath(QStringLiteral("out.ini"));
        const QStringList lines = {QStringLiteral("Ёлка"), QString(), QStringLiteral("Ёлка"),
                                   QStringLiteral("Д'Арк")};
        vz::writeListFile(path, lines);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xA8\xEB\xEA\xE0\r\n\r\n\xA8\xEB\xEA\xE0\r\n\xC4'\xC0\xF0\xEA\r\n"));
        QCOMPARE(vz::readListFile(path), lines);
    }

    void missingFileThrows()
    {
        QVERIFY_THROWS_EXCEPTION(vz::Error, vz::readListFile(m_dir.filePath(QStringLiteral("none.ini"))));
        QVERIFY_THROWS_EXCEPTION(vz::Error,
                                 vz::writeListFile(m_dir.filePath(QStringLiteral("no/dir/x.ini")), {}));
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("sensitive");
        QTest::addColumn<QString>("insensitive");
        QTest::newRow("Cyrillic case") << QStringLiteral("Гном гном ГНОМ") << QStringLiteral("гном")
                                       << QStringLiteral("эльф")
                                       << QStringLiteral("Гном эльф ГНОМ")
                                       << QStringLiteral("эльф эльф эльф");
        QTest::newRow("ё folded") << QStringLiteral("Ёж ёж") << QStringLiteral("ёж")
                                  << QStringLiteral("x") << QStringLiteral("Ёж x")
                                  << QStringLiteral("x x");
        QTest::newRow("slash before stop") << QStringLiteral("/НУ/.") << QStringLiteral("/.")
                                           << QStringLiteral("/ .") << QStringLiteral("/НУ/ .")
                                           << QStringLiteral("/НУ/ .");
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, sensitive);
        QFETCH(QString, insensitive);
        QCOMPARE(vz::ReplaceAll(text, from, to), sensitive);
        QCOMPARE(vz::ReplaceAllNoCase(text, from, to), insensitive);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
