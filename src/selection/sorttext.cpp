#include "sorttext.h"

#include "platform/textfile.h"

namespace vz {

const QStringList &SortCaptions()
{
    static const QStringList captions
        = { QStringLiteral("Имя карты"), QStringLiteral("Номер в сете"), QStringLiteral("Сет"),
              QStringLiteral("Стихия"), QStringLiteral("Стоимость"), QStringLiteral("Редкость"),
              QStringLiteral("Жизнь"), QStringLiteral("Элитность") };
    return captions;
}

const QStringList &SortFields()
{
    static const QStringList fields = { QStringLiteral("name"), QStringLiteral("number"),
        QStringLiteral("set_num"), QStringLiteral("element"), QStringLiteral("cost"),
        QStringLiteral("rarity"), QStringLiteral("life"), QStringLiteral("elity") };
    return fields;
}

QString BuildSortText(const std::array<SortLevel, 3> &levels)
{
    QString text;
    bool first = true;
    for (const SortLevel &level : levels) {
        if (level.caption.trimmed().isEmpty())
            continue;
        if (!first)
            text += QStringLiteral(", ");
        text += level.caption + QLatin1Char(' ')
            + (level.descending ? QStringLiteral("desc ") : QStringLiteral("asc "));
        first = false;
    }
    const QStringList &captions = SortCaptions();
    const QStringList &fields = SortFields();
    for (int i = 0; i < captions.size(); ++i)
        text = ReplaceAllNoCase(text, captions.at(i), fields.at(i));
    return text;
}

} // namespace vz
