#include "sharedlist.h"

#include "textfile.h"

#include <QFile>

namespace vz {

void SharedList::load()
{
    lines = readListFile(m_path);
}

void SharedList::loadIfExists()
{
    if (QFile::exists(m_path))
        load();
    else
        lines.clear();
}

void SharedList::save() const
{
    writeListFile(m_path, lines);
}

} // namespace vz
