#pragma once

#include <QString>

namespace vz {

/// The two card faces "zrn_FntName" and "zrn_FntText". At start-up the font files of the
/// program folder are added as application fonts (unless the faces are installed on the system)
/// and the two face names are made to resolve to them; at shutdown both files are removed.
class CardFonts
{
public:
    static inline const QString NameFace = QStringLiteral("zrn_FntName");
    static inline const QString TextFace = QStringLiteral("zrn_FntText");

    /// Adds AppDir\pics\FntName.ttf and AppDir\pics\FntText.ttf; a missing file is skipped.
    void load(const QString &appDir);
    /// Removes the fonts added by load(); safe to call when nothing was added.
    void unload();

    int nameFontId() const { return m_nameId; }
    int textFontId() const { return m_textId; }

private:
    int addFace(const QString &face, const QString &file);
    int m_nameId = -1;
    int m_textId = -1;
};

} // namespace vz
