#pragma once

#include <QString>
#include <QStringList>

namespace vz {

/// A list file held in memory as the one master copy that every window edits (sets.ini,
/// artists.ini), so that no writer overwrites another's changes with a stale copy.
class SharedList
{
public:
    explicit SharedList(const QString &path = {})
        : m_path(path)
    {
    }

    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }

    /// Reads the file whole (Windows-1251); throws vz::Error when it cannot be read.
    void load();
    /// Reads the file when it exists, otherwise leaves the list empty.
    void loadIfExists();
    /// Writes the list whole with CR LF line ends; throws vz::Error on failure.
    void save() const;

    QStringList lines;

private:
    QString m_path;
};

} // namespace vz
