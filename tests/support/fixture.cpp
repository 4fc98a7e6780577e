#include "fixture.h"

#include "catalogue/program.h"
#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>

namespace vzt {

QVariantList cardRow(int cardIndex, const QString &name, const QVariantMap &fields)
{
    const QStringList names = vz::Database::cardFields();
    QVariantList row;
    for (const QString &field : names) {
        QVariant value;
        for (auto it = fields.begin(); it != fields.end(); ++it)
            if (it.key().compare(field, Qt::CaseInsensitive) == 0)
                value = it.value();
        row << value;
    }
    row[0] = cardIndex;
    row[1] = name;
    return row;
}

FixtureFolder::FixtureFolder()
{
    QDir dir(m_dir.path());
    for (const char *sub : {"pics", "small", "html", "Decks"})
        dir.mkpath(QLatin1String(sub));
    QStringList sets;
    for (int i = 1; i <= 16; ++i)
        sets << QStringLiteral("Сет %1").arg(i, 2, 10, QLatin1Char('0'));
    writeList(QStringLiteral("sets.ini"), sets);
    writeList(QStringLiteral("artists.ini"),
              {QStringLiteral("Иван Петров"), QStringLiteral("Анна Сидорова"),
               QStringLiteral("О'Нил")});
    writeList(QStringLiteral("class.ini"), {QStringLiteral("Гном"), QStringLiteral("Эльф")});
    writeList(QStringLiteral("misc.ini"),
              {QStringLiteral("\"Первый удар\""), QStringLiteral("'Ярость'")});
    writeList(QStringLiteral("bc.ini"), {});
    writeList(QStringLiteral("trans.ini"), {});
    vz::Database db(file(QStringLiteral("db1.sqlite")));
}

void FixtureFolder::addCards(const QList<QVariantList> &rows)
{
    vz::Database db(file(QStringLiteral("db1.sqlite")));
    vz::Table zarn(db, QStringLiteral("zarn"));
    zarn.open();
    db.exec(QStringLiteral("BEGIN"));
    for (const QVariantList &row : rows)
        zarn.appendRecord(row);
    db.exec(QStringLiteral("COMMIT"));
}

void FixtureFolder::writeList(const QString &relative, const QStringList &lines)
{
    vz::writeListFile(file(relative), lines);
}

void FixtureFolder::writeBytes(const QString &relative, const QByteArray &bytes)
{
    QFile f(file(relative));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void FixtureFolder::writePicture(const QString &relative, int width, int height,
                                 Qt::GlobalColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    image.save(file(relative));
}

ProgramFixture::ProgramFixture(const QString &appDir)
    : m_dialogs(std::make_unique<vz::ScriptedDialogs>())
    , m_desktop(std::make_unique<vz::RecordingDesktop>())
    , m_settings(std::make_unique<QSettings>(m_settingsDir.path() + QStringLiteral("/settings.ini"),
                                             QSettings::IniFormat))
{
    vz::setDialogs(m_dialogs.get());
    vz::setDesktop(m_desktop.get());
    Program::Options options;
    options.appDir = appDir;
    options.printSettings = m_settings.get();
    m_program = std::make_unique<Program>(options);
}

ProgramFixture::~ProgramFixture()
{
    m_program.reset();
    vz::setDialogs(nullptr);
    vz::setDesktop(nullptr);
}

QString ProgramFixture::settingsFile() const
{
    return m_settings->fileName();
}

} // namespace vzt
