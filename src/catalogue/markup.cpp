#include "markup.h"

#include "platform/textfile.h"

namespace {

struct TokenInfo
{
    const char16_t *abbreviation;
    const char16_t *meaning;
    const char16_t *htmlIcon;
};

// The token table; its order is the order of the card icons.
constexpr TokenInfo Tokens[] = {
    { u"ЗОВД", u"Защита от внезапных действий", u"sym-zvd.gif" },
    { u"УНИ", u"Уникальность", u"sym-cro.gif" },
    { u"ЛЕТ", u"Полёт", u"sym-fly.gif" },
    { u"ЗК", u"Золотой кристалл", u"sym-gld.gif" },
    { u"УД", u"Простой удар", u"sym-hit.gif" },
    { u"ИНС", u"Мгновенное действие", u"sym-ins.gif" },
    { u"ЖИЗ", u"Жизни", u"sym-lif.gif" },
    { u"УЧР", u"Удар через ряд", u"sym-lng.gif" },
    { u"ЗОМ", u"Защита от магии", u"sym-mag.gif" },
    { u"ХОД", u"Ход", u"sym-mov.gif" },
    { u"НУ", u"Направленный удар", u"sym-nap.gif" },
    { u"ЗОЯ", u"Защита от яда", u"sym-poi.gif" },
    { u"РЕГ", u"Регенерация", u"sym-reg.gif" },
    { u"ЗОВ", u"Защита от выстрелов", u"sym-par.gif" },
    { u"СК", u"Серебряный кристалл", u"sym-sil.gif" },
    { u"СИМ", u"", u"" },
    { u"ТАП", u"Поворот", u"sym-tap.gif" },
    { u"ФИШ", u"Фишка", u"sym-tok.gif" },
    { u"ЗОЗ", u"Защита от заклинаний", u"sym-zoz.gif" },
    { u"ЗОР", u"Защита от разрядов", u"sym-zor.gif" },
};
constexpr int TokenCount = int(std::size(Tokens));

QStringList buildColumn(const char16_t *TokenInfo::*column)
{
    QStringList list;
    for (const TokenInfo &token : Tokens)
        list << QString::fromUtf16(token.*column);
    return list;
}

const QStringList &fullTokens()
{
    static const QStringList list = [] {
        QStringList tokens;
        for (const QString &abbreviation : MarkupTokens())
            tokens << QLatin1Char('/') + abbreviation + QLatin1Char('/');
        return tokens;
    }();
    return list;
}

bool isDelimiter(QChar c)
{
    switch (c.unicode()) {
    case ' ':
    case '\'':
    case ',':
    case '.':
    case ':':
    case ';':
        return true;
    default:
        return false;
    }
}

// Trims blanks and control characters (everything up to U+0020) from both ends.
QString trimControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

// The class-word prefixes: the first five letters of each non-blank class line, lower-cased.
QStringList classPrefixes(const QStringList &classLines)
{
    QStringList prefixes;
    for (const QString &line : classLines) {
        const QString name = trimControls(line);
        if (!name.isEmpty())
            prefixes << name.left(5).toLower();
    }
    return prefixes;
}

bool isClassWord(const QString &word, const QStringList &prefixes)
{
    if (word.contains(QLatin1Char('"')))
        return false;
    for (const QString &prefix : prefixes) {
        if (word.startsWith(prefix, Qt::CaseSensitive))
            return true;
    }
    return false;
}

// Lone characters that are shown without a blank after them.
bool isGluedSign(const QString &word)
{
    if (word.size() != 1)
        return false;
    const char16_t c = word.at(0).unicode();
    return c == u'"' || c == u'\'' || c == u'(' || c == u')';
}

} // namespace

const QStringList &MarkupTokens()
{
    static const QStringList list = buildColumn(&TokenInfo::abbreviation);
    return list;
}

QString MarkupToken(int index)
{
    if (index < 0 || index >= TokenCount)
        return QString();
    return fullTokens().at(index);
}

int MarkupTokenIndex(const QString &word)
{
    return int(fullTokens().indexOf(word));
}

const QStringList &MarkupMeanings()
{
    static const QStringList list = buildColumn(&TokenInfo::meaning);
    return list;
}

QString MarkupHtmlIcon(int index)
{
    if (index < 0 || index >= TokenCount)
        return QString();
    return QString::fromUtf16(Tokens[index].htmlIcon);
}

void SplitCardText(const QString &text, QStringList &words)
{
    QString source = text;
    if (!source.endsWith(QLatin1Char('.')))
        source += QLatin1Char('.');
    // Part a closing token slash from the punctuation or the token right after it.
    for (const QChar c : QStringLiteral("/,.:-;')(")) {
        source = vz::ReplaceAllNoCase(source, QStringLiteral("/") + c, QStringLiteral("/ ") + c);
    }
    QString word;
    for (const QChar c : std::as_const(source)) {
        word += c;
        if (isDelimiter(c)) {
            const QString trimmed = trimControls(word);
            if (!trimmed.isEmpty())
                words << trimmed;
            word.clear();
        }
    }
}

QList<MarkupRun> BuildCardTextRuns(const QString &text, const QStringList &classLines)
{
    QStringList words;
    if (trimControls(text).isEmpty())
        words << QStringLiteral(" ");
    else
        SplitCardText(text, words);

    const QStringList prefixes = classPrefixes(classLines);
    QList<MarkupRun> runs;
    runs.reserve(words.size());
    for (const QString &word : std::as_const(words)) {
        if (word.contains(QLatin1Char('/'))) {
            const int icon = MarkupTokenIndex(word);
            if (icon >= 0)
                runs.append({ MarkupRun::Icon, QString(), MarkupPlainStyle, icon });
            continue;
        }
        const int style = isClassWord(word, prefixes) ? MarkupClassStyle : MarkupPlainStyle;
        runs.append(
            { MarkupRun::Text, isGluedSign(word) ? word : word + QLatin1Char(' '), style, -1 });
    }
    return runs;
}
