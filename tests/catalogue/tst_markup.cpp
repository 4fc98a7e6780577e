// The rules-text markup: the token table, the word splitter, the runs a rules text renders to,
// the card icons, and the rendering into the real card text view with class.ini read from disk.

#include "catalogue/cardtext.h"
#include "catalogue/markup.h"
#include "platform/error.h"
#include "platform/richtextview.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// Runs as one readable line: "<text>" in the plain style, "{text}" in the class style,
// "<text>#n" in any other style n, "[i]" for icon i.
template <typename RunList>
QString describe(const RunList &runs)
{
    QString out;
    for (const auto &run : runs) {
        if (run.kind == std::decay_t<decltype(run)>::Icon) {
            out += QStringLiteral("[%1]").arg(run.icon);
        } else if (run.style == MarkupClassStyle) {
            out += QLatin1Char('{') + run.text + QLatin1Char('}');
        } else {
            out += QLatin1Char('<') + run.text + QLatin1Char('>');
            if (run.style != MarkupPlainStyle)
                out += QStringLiteral("#%1").arg(run.style);
        }
    }
    return out;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestMarkup : public QObject
{
    Q_OBJECT

private slots:
    void tokenTable_data();
    void tokenTable();
    void tokenLookup();
    void splitCardText_data();
    void splitCardText();
    void splitCardTextAppends();
    void buildRuns_data();
    void buildRuns();
    void everyTokenBecomesItsIcon();
    void cardIcons();
    void renderIntoView();
    void renderWithoutClassFile();
    void renderUnreadableClassFile();
};

void TestMarkup::tokenTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<QString>("htmlIcon");

    QTest::newRow("first") << 0 << u"/ЗОВД/"_s << u"Защита от внезапных действий"_s
                           << u"sym-zvd.gif"_s;
    QTest::newRow("directed strike")
        << 10 << u"/НУ/"_s << u"Направленный удар"_s << u"sym-nap.gif"_s;
    QTest::newRow("protection from shots")
        << 13 << u"/ЗОВ/"_s << u"Защита от выстрелов"_s << u"sym-par.gif"_s;
    QTest::newRow("symbiote has no meaning") << 15 << u"/СИМ/"_s << QString() << QString();
    QTest::newRow("tap") << 16 << u"/ТАП/"_s << u"Поворот"_s << u"sym-tap.gif"_s;
    QTest::newRow("last") << 19 << u"/ЗОР/"_s << u"Защита от разрядов"_s << u"sym-zor.gif"_s;
}

void TestMarkup::tokenTable()
{
    QFETCH(int, index);
    QFETCH(QString, token);
    QFETCH(QString, meaning);
    QFETCH(QString, htmlIcon);

    QCOMPARE(MarkupToken(index), token);
    QCOMPARE(QLatin1Char('/') + MarkupTokens().at(index) + QLatin1Char('/'), token);
    QCOMPARE(MarkupTokenIndex(token), index);
    QCOMPARE(MarkupMeanings().at(index), meaning);
    QCOMPARE(MarkupHtmlIcon(index), htmlIcon);
}

void TestMarkup::tokenLookup()
{
    QCOMPARE(MarkupTokens().size(), 20);
    QCOMPARE(MarkupMeanings().size(), 20);
    // Every token finds its own index back: no abbreviation shadows another ("ЗОВ" / "ЗОВД").
    for (int i = 0; i < MarkupTokens().size(); ++i)
        QCOMPARE(MarkupTokenIndex(MarkupToken(i)), i);

    const QStringList notTokens = { u"ЗОВД"_s, u"/зовд/"_s, u"/ЗОВД"_s, u"ЗОВД/"_s, u"/ЗОВД/."_s,
        u"(/УНИ/"_s, u"/ УНИ/"_s, u"//"_s, QString() };
    for (const QString &word : notTokens)
        QVERIFY2(MarkupTokenIndex(word) == -1, qPrintable(word));

    QCOMPARE(MarkupToken(-1), QString());
    QCOMPARE(MarkupToken(20), QString());
    QCOMPARE(MarkupHtmlIcon(20), QString());
}

void TestMarkup::splitCardText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("token between words")
        << u"Атакует /НУ/ врага."_s << QStringList { u"Атакует"_s, u"/НУ/"_s, u"врага."_s };
    QTest::newRow("full stop added") << u"Летает"_s << QStringList { u"Летает."_s };
    QTest::newRow("only a token") << u"/УНИ/"_s << QStringList { u"/УНИ/"_s, u"."_s };
    QTest::newRow("empty text") << QString() << QStringList { u"."_s };
    QTest::newRow("full stop then blank") << u"Конец. "_s << QStringList { u"Конец."_s, u"."_s };
    QTest::newRow("delimiters stay with their word")
        << u"Раз, два: три; четыре."_s
        << QStringList { u"Раз,"_s, u"два:"_s, u"три;"_s, u"четыре."_s };
    QTest::newRow("runs of delimiters give no empty words")
        << u"Да,  ..  нет"_s << QStringList { u"Да,"_s, u"."_s, u"."_s, u"нет."_s };
    QTest::newRow("apostrophe cuts a word")
        << u"д'Артаньян"_s << QStringList { u"д'"_s, u"Артаньян."_s };
    QTest::newRow("token parted from punctuation")
        << u"Имеет /ЛЕТ/, /УНИ/: /ХОД/; /УД/."_s
        << QStringList { u"Имеет"_s, u"/ЛЕТ/"_s, u","_s, u"/УНИ/"_s, u":"_s, u"/ХОД/"_s, u";"_s,
               u"/УД/"_s, u"."_s };
    QTest::newRow("tokens without a blank between")
        << u"/УД//ХОД/"_s << QStringList { u"/УД/"_s, u"/ХОД/"_s, u"."_s };
    QTest::newRow("token before hyphen and brackets")
        << u"(/УНИ/) /ЛЕТ/-"_s << QStringList { u"(/УНИ/"_s, u")"_s, u"/ЛЕТ/"_s, u"-."_s };
    QTest::newRow("token before apostrophe")
        << u"/ЖИЗ/'"_s << QStringList { u"/ЖИЗ/"_s, u"'"_s, u"."_s };
    QTest::newRow("slash, hyphen, brackets, quote are not delimiters")
        << u"1/2 пол-карты (\"Гном\")"_s
        << QStringList { u"1/2"_s, u"пол-карты"_s, u"(\"Гном\")."_s };
    QTest::newRow("lone brackets")
        << u"( а ) б"_s << QStringList { u"("_s, u"а"_s, u")"_s, u"б."_s };
    QTest::newRow("line break stays inside the word")
        << u"Первая\r\nвторая строка"_s << QStringList { u"Первая\r\nвторая"_s, u"строка."_s };
    QTest::newRow("line break at a word's end is trimmed")
        << u"Первая.\r\nВторая."_s << QStringList { u"Первая."_s, u"Вторая."_s };
    QTest::newRow("tabs and controls trimmed")
        << u"\tслово\x01 ещё"_s << QStringList { u"слово"_s, u"ещё."_s };
}

void TestMarkup::splitCardText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);

    QStringList result;
    SplitCardText(text, result);
    QCOMPARE(result, words);
}

void TestMarkup::splitCardTextAppends()
{
    QStringList words { u"прежнее"_s };
    SplitCardText(u"новое"_s, words);
    QCOMPARE(words, (QStringList { u"прежнее"_s, u"новое."_s }));
}

void TestMarkup::buildRuns_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("classLines");
    QTest::addColumn<QString>("runs");

    const QStringList none;
    const QStringList gnome { u"Эльфы"_s, u"Гном"_s };

    QTest::newRow("token between words")
        << u"Атакует /НУ/ врага."_s << none << u"<Атакует >[10]<врага. >"_s;
    QTest::newRow("full stop added") << u"Летает"_s << none << u"<Летает. >"_s;
    QTest::newRow("only a token") << u"/УНИ/"_s << none << u"[1]<. >"_s;
    QTest::newRow("tokens glued") << u"/УД//ХОД/ и /ЗОВ/."_s << none << u"[4][9]<и >[13]<. >"_s;
    QTest::newRow("misspelt and lower-case tokens left out")
        << u"Есть /уни/ /УНИЧ/ /УН/ и /ЛЕТ/"_s << none << u"<Есть ><и >[2]<. >"_s;
    QTest::newRow("token glued to a bracket left out")
        << u"Враг (/УНИ/) ранен"_s << none << u"<Враг ><)><ранен. >"_s;
    QTest::newRow("other words with a slash left out")
        << u"Урон 1/2 жизни"_s << none << u"<Урон ><жизни. >"_s;
    QTest::newRow("empty text") << QString() << gnome << u"<  >"_s;
    QTest::newRow("blank text") << u"   "_s << gnome << u"<  >"_s;
    QTest::newRow("line breaks only") << u"\r\n\r\n"_s << none << u"<  >"_s;
    QTest::newRow("full stop then blank") << u"Конец. "_s << none << u"<Конец. ><. >"_s;
    QTest::newRow("lone brackets") << u"( а ) б"_s << none << u"<(><а ><)><б. >"_s;
    QTest::newRow("lone quote and apostrophe") << u"\" а ' б"_s << none << u"<\"><а ><'><б. >"_s;
    QTest::newRow("quote glued to a word keeps the blank")
        << u"\"Гном\""_s << none << u"<\"Гном\". >"_s;
    QTest::newRow("apostrophe") << u"д'Артаньян"_s << none << u"<д' ><Артаньян. >"_s;
    QTest::newRow("line break kept inside a word")
        << u"Первая\nвторая /РЕГ/"_s << none << u"<Первая\nвторая >[12]<. >"_s;

    QTest::newRow("class words") << u"Гном. гномы, Гномы гном"_s << gnome
                                 << u"<Гном. >{гномы, }<Гномы >{гном. }"_s;
    QTest::newRow("class word needs the first five letters")
        << u"драконом драка дракон"_s << QStringList { u"Драконы"_s }
        << u"{драконом }<драка >{дракон. }"_s;
    QTest::newRow("class line lower-cased with Ё")
        << u"ёжики, Ёжики"_s << QStringList { u"ЁЖИКИ"_s } << u"{ёжики, }<Ёжики. >"_s;
    QTest::newRow("class word with a double quote is plain")
        << u"\"Старый гном\" и гномы"_s << gnome << u"<\"Старый ><гном\" ><и >{гномы. }"_s;
    QTest::newRow("class lines trimmed, blank lines ignored")
        << u"Слово гномы"_s << QStringList { QString(), u"   "_s, u" Гном\t"_s }
        << u"<Слово >{гномы. }"_s;
}

void TestMarkup::buildRuns()
{
    QFETCH(QString, text);
    QFETCH(QStringList, classLines);
    QFETCH(QString, runs);

    QCOMPARE(describe(BuildCardTextRuns(text, classLines)), runs);
}

void TestMarkup::everyTokenBecomesItsIcon()
{
    QStringList tokens;
    for (int i = 0; i < 20; ++i)
        tokens << MarkupToken(i);
    const QList<MarkupRun> runs = BuildCardTextRuns(tokens.join(QLatin1Char(' ')), {});
    QCOMPARE(runs.size(), 21);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(runs.at(i).kind, MarkupRun::Icon);
        QCOMPARE(runs.at(i).icon, i);
    }
    QCOMPARE(runs.at(20), (MarkupRun { MarkupRun::Text, u". "_s, MarkupPlainStyle, -1 }));
}

void TestMarkup::cardIcons()
{
    const QList<QImage> &icons = CardIcons();
    QCOMPARE(icons.size(), MarkupTokens().size());
    QSet<QByteArray> pictures;
    for (int i = 0; i < icons.size(); ++i) {
        const QImage &icon = icons.at(i);
        QCOMPARE(icon.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(icon.pixel(x, y)) > 128 ? 1 : 0;
        }
        // A drawn symbol, neither an empty placeholder nor a filled square.
        QVERIFY2(opaque > 30 && opaque < 256, qPrintable(QString::number(i)));
        pictures.insert(
            QByteArray(reinterpret_cast<const char *>(icon.constBits()), icon.sizeInBytes()));
    }
    QCOMPARE(pictures.size(), icons.size());
}

void TestMarkup::renderIntoView()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // "Эльфы", "Гном" in Windows-1251 with CR LF, written byte by byte.
    writeBytes(
        dir.filePath(u"class.ini"_s), QByteArray("\xdd\xeb\xfc\xf4\xfb\r\n\xc3\xed\xee\xec\r\n"));

    const QString text = u"Атакует /НУ/ гномы, Гном и /ЛЕТ/"_s;
    vz::RichTextView view;
    RenderCardText(&view, text, dir.path());
    QCOMPARE(describe(view.runs()), u"<Атакует >[10]{гномы, }<Гном ><и >[2]<. >"_s);
    QCOMPARE(describe(view.runs()), describe(BuildCardTextRuns(text, { u"Эльфы"_s, u"Гном"_s })));
    QCOMPARE(view.document()->toPlainText().count(QChar::ObjectReplacementCharacter), 2);

    // A second call appends and reads the class list anew.
    vz::writeListFile(dir.filePath(u"class.ini"_s), { u"Атак"_s });
    RenderCardText(&view, u"атакует гномы"_s, dir.path());
    QCOMPARE(describe(view.runs().mid(7)), u"{атакует }<гномы. >"_s);
}

void TestMarkup::renderWithoutClassFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    vz::RichTextView view;
    RenderCardText(&view, u"Гномы /ЗОЯ/"_s, dir.path());
    QCOMPARE(describe(view.runs()), u"<Гномы >[11]<. >"_s);
}

void TestMarkup::renderUnreadableClassFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A folder in place of the file cannot be read: the failure is reported, nothing appended.
    QVERIFY(QDir(dir.path()).mkdir(u"class.ini"_s));
    vz::RichTextView view;
    QVERIFY_THROWS_EXCEPTION(vz::Error, RenderCardText(&view, u"Гномы"_s, dir.path()));
    QVERIFY(view.runs().isEmpty());
}

QTEST_MAIN(TestMarkup)
#include "tst_markup.moc"
