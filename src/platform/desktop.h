#pragma once

#include <QString>
#include <QStringList>

namespace vz {

/// Opening a file with the system's viewer for its type (help files, pages).
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual bool openFile(const QString &path) = 0;
};

/// The desktop services in use; the real one uses QDesktopServices.
Desktop &desktop();
/// Installs `d` (not owned); nullptr goes back to the real one.
void setDesktop(Desktop *d);

/// Records the files it was asked to open (for tests).
class RecordingDesktop : public Desktop
{
public:
    QStringList opened;
    bool openFile(const QString &path) override
    {
        opened << path;
        return true;
    }
};

} // namespace vz
