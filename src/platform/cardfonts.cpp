#include "cardfonts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace vz {

int CardFonts::addFace(const QString &face, const QString &file)
{
    // A face installed on the system under its own name needs no private copy.
    if (QFontDatabase::families().contains(face, Qt::CaseInsensitive) || !QFile::exists(file))
        return -1;
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0)
        return -1;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty())
        QFont::insertSubstitution(face, families.first());
    return id;
}

void CardFonts::load(const QString &appDir)
{
    m_nameId = addFace(NameFace, appDir + QStringLiteral("/pics/FntName.ttf"));
    m_textId = addFace(TextFace, appDir + QStringLiteral("/pics/FntText.ttf"));
}

void CardFonts::unload()
{
    for (int *id : {&m_nameId, &m_textId}) {
        if (*id >= 0)
            QFontDatabase::removeApplicationFont(*id);
        *id = -1;
    }
}

} // namespace vz
