#pragma once

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

namespace vz {
class ScriptedDialogs;
class RecordingDesktop;
} // namespace vz
class Program;
class QSettings;

namespace vzt {

/// A card row in the 23-field order: `name` and `card_index` given, every other field from
/// `fields` by name (case-insensitive), NULL when not given.
QVariantList cardRow(int cardIndex, const QString &name, const QVariantMap &fields = {});

/// A small program folder in a temporary directory: db1.sqlite with the given cards and the list
/// files (sets.ini with 16 sets "Сет 01".."Сет 16", artists.ini, class.ini, misc.ini, bc.ini,
/// trans.ini), folders pics, small, html, Decks.
class FixtureFolder
{
public:
    FixtureFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.path() + QLatin1Char('/') + relative; }

    /// Appends rows to the card table.
    void addCards(const QList<QVariantList> &rows);
    /// Writes a list file (Windows-1251, CR LF).
    void writeList(const QString &relative, const QStringList &lines);
    /// Writes raw bytes.
    void writeBytes(const QString &relative, const QByteArray &bytes);
    /// Writes a small picture of one colour (bmp or jpg by extension).
    void writePicture(const QString &relative, int width, int height, Qt::GlobalColor color);

private:
    QTemporaryDir m_dir;
};

/// The whole program started on a fixture folder, with scripted dialogs, a recording desktop and
/// a private settings store; torn down (main window closed) on destruction.
class ProgramFixture
{
public:
    explicit ProgramFixture(const QString &appDir);
    ~ProgramFixture();

    Program &program() { return *m_program; }
    vz::ScriptedDialogs &dialogs() { return *m_dialogs; }
    vz::RecordingDesktop &desktop() { return *m_desktop; }
    QSettings &settings() { return *m_settings; }
    QString settingsFile() const;

private:
    std::unique_ptr<vz::ScriptedDialogs> m_dialogs;
    std::unique_ptr<vz::RecordingDesktop> m_desktop;
    QTemporaryDir m_settingsDir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<Program> m_program;
};

} // namespace vzt
