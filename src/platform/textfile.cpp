#include "textfile.h"

#include "error.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vz {

QString fromCp1251(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

QByteArray toCp1251(const QString &text)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

QStringList readListFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Не удалось открыть файл %1: %2").arg(path, file.errorString()));
    return splitLines(fromCp1251(file.readAll()));
}

void writeListFile(const QString &path, const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += toCp1251(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Error(QStringLiteral("Не удалось записать файл %1: %2").arg(path, file.errorString()));
}

QString ReplaceAll(const QString &text, const QString &from, const QString &to)
{
    return QString(text).replace(from, to, Qt::CaseSensitive);
}

QString ReplaceAllNoCase(const QString &text, const QString &from, const QString &to)
{
    return QString(text).replace(from, to, Qt::CaseInsensitive);
}

} // namespace vz
