#include "tdeck.h"

#include "deckfile.h"
#include "platform/error.h"
#include "platform/textfile.h"

void TDeck::LoadDeckFile(const QString &FileName)
{
    const QStringList lines = vz::readListFile(FileName);
    Cards.clear();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        const QString countText = space < 0 ? QString() : line.left(space).trimmed();
        const std::optional<int> count = vz::parseDeckCount(countText);
        if (!count)
            throw vz::Error(
                QStringLiteral("Файл колоды %1, строка %2: \"%3\" не является целым числом.")
                    .arg(FileName)
                    .arg(i + 1)
                    .arg(countText));
        const QString name = line.mid(space + 1).trimmed();
        for (int copy = 0; copy < *count; ++copy)
            Cards << name;
    }
}
