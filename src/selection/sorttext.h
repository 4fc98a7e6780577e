#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace vz {

/// One level of the sort dialog: the chosen caption ("" for none) and its direction.
struct SortLevel
{
    QString caption;
    bool descending = false;
};

/// The captions the sort lists offer after their empty entry, in order.
const QStringList &SortCaptions();
/// The field each caption of SortCaptions() stands for, same order.
const QStringList &SortFields();

/// The ORDER BY column list of the chosen levels, in level order: each "caption asc " or
/// "caption desc ", joined by ", ", then every caption replaced by its field (without regard to
/// case, in the order of SortCaptions(), so "Номер в сете" goes before "Сет"). Levels left empty
/// are skipped; the result is blank when none is chosen.
QString BuildSortText(const std::array<SortLevel, 3> &levels);

} // namespace vz
