#include "deckfile.h"

#include <QFileInfo>
#include <limits>

namespace vz {

namespace {

// A bc.ini line split into its code and its card name; false for a line without both.
bool splitCodeLine(const QString &line, QStringView *code, QStringView *name)
{
    const qsizetype space = line.indexOf(QLatin1Char(' '));
    if (space <= 0)
        return false;
    *code = QStringView(line).left(space);
    *name = QStringView(line).mid(space + 1);
    return true;
}

} // namespace

QString deckFileFilter()
{
    return QStringLiteral("Колоды Zarnak Library (*.dec)|*.dec|Колоды Зарнак-Онлайн (*.dck)|*.dck|"
                          "Колоды Vintrel (*.txt)|*.txt|Все файлы|*.*");
}

std::optional<DeckFormat> deckFormatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("dec"), Qt::CaseInsensitive) == 0)
        return DeckFormat::Dec;
    if (suffix.compare(QLatin1String("dck"), Qt::CaseInsensitive) == 0)
        return DeckFormat::Dck;
    if (suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0)
        return DeckFormat::Txt;
    return std::nullopt;
}

QString dckCode(const QStringList &bcLines, const QString &name)
{
    QString found;
    for (const QString &line : bcLines) {
        QStringView code, cardName;
        if (splitCodeLine(line, &code, &cardName) && cardName == name)
            found = code.toString();
    }
    return found;
}

QStringList deckFileLines(DeckFormat format, const QList<DeckEntry> &deck,
    const QStringList &bcLines, QStringList *uncoded)
{
    QStringList lines;
    for (const DeckEntry &entry : deck) {
        switch (format) {
        case DeckFormat::Dec:
            lines << QString::number(entry.kolvo) + QLatin1Char(' ') + entry.name;
            break;
        case DeckFormat::Dck: {
            const QString code = dckCode(bcLines, entry.name);
            if (code.isEmpty()) {
                if (uncoded)
                    *uncoded << entry.name;
            } else {
                lines << code + QLatin1Char('=') + QString::number(entry.kolvo);
            }
            break;
        }
        case DeckFormat::Txt:
            for (int i = 0; i < entry.kolvo; ++i)
                lines << entry.name;
            break;
        }
    }
    return lines;
}

QString dckLineToDecLine(const QString &line, const QStringList &bcLines)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return QString();
    const QString code = line.left(equals).trimmed();
    const QString count = line.mid(equals + 1).trimmed();
    QString name = code;
    for (const QString &bcLine : bcLines) {
        QStringView bcCode, bcName;
        if (splitCodeLine(bcLine, &bcCode, &bcName)
            && bcCode.compare(code, Qt::CaseInsensitive) == 0) {
            name = bcName.toString();
            break;
        }
    }
    return count + QLatin1Char(' ') + name;
}

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

std::optional<int> parseDeckCount(const QString &text)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        i = 1;
    if (i >= text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

DeckEntry parseDeckLine(const QString &line)
{
    const QString text = trimBlanks(line);
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    const std::optional<int> count = space > 0 ? parseDeckCount(text.left(space)) : std::nullopt;
    if (count && *count != 0)
        return { trimBlanks(text.mid(space + 1)), *count };
    return { text, count ? 0 : 1 };
}

} // namespace vz
