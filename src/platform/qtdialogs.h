#pragma once

#include "dialogs.h"

namespace vz {

/// The real dialogs: Qt message boxes, input box and file dialogs, in Russian.
class QtDialogs : public Dialogs
{
public:
    bool question(const QString &text) override;
    void notice(const QString &text) override;
    void error(const QString &text) override;
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &value) override;
    QString openFileName(const QString &startDir, const QString &filter) override;
    QString saveFileName(const QString &startDir, const QString &filter) override;

    /// Turns "Text (*.ext)|*.ext|..." into Qt's ";;"-separated filter list.
    static QString qtFilter(const QString &filter);
};

/// Makes the Qt dialogs the program's default.
void installQtDialogs();

} // namespace vz
