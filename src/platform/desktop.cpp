#include "desktop.h"

#include <QDesktopServices>
#include <QUrl>

namespace vz {

namespace {

class QtDesktop : public Desktop
{
public:
    bool openFile(const QString &path) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};

QtDesktop real;
Desktop *current = nullptr;

} // namespace

Desktop &desktop()
{
    return current ? *current : real;
}

void setDesktop(Desktop *d)
{
    current = d;
}

} // namespace vz
