#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vz {

/// Every question, notice, input box, file dialog and error box of the program goes through
/// this seam. The real implementation shows Qt dialogs; tests install ScriptedDialogs.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    /// A question with Yes and No; true for Yes.
    virtual bool question(const QString &text) = 0;
    /// A plain message.
    virtual void notice(const QString &text) = 0;
    /// The general error box.
    virtual void error(const QString &text) = 0;
    /// An input box; nullopt when cancelled.
    virtual std::optional<QString> input(const QString &caption, const QString &prompt,
                                         const QString &value) = 0;
    /// Open and save dialogs: `filter` uses the "Text (*.ext)|*.ext|..." form; empty when cancelled.
    virtual QString openFileName(const QString &startDir, const QString &filter) = 0;
    virtual QString saveFileName(const QString &startDir, const QString &filter) = 0;
};

/// The dialogs in use (the real ones unless a test installed others).
Dialogs &dialogs();
/// Installs `d` (not owned); nullptr goes back to the default.
void setDialogs(Dialogs *d);
/// Installs the implementation used when none was set (the GUI library registers Qt's).
void setDefaultDialogs(Dialogs *d);

/// Runs `action`, catching every error and showing it in the general error box, so that no
/// exception crosses the event loop. Returns false when an error was shown.
bool guarded(const std::function<void()> &action);

/// Dialogs for tests: answers come from queues, every text shown is recorded.
class ScriptedDialogs : public Dialogs
{
public:
    QList<bool> answers;                 ///< next answers to question(); No when empty
    QList<std::optional<QString>> inputs; ///< next results of input(); cancel when empty
    QStringList fileNames;               ///< next results of the file dialogs; cancel when empty
    QStringList questions, notices, errors, inputPrompts;
    QStringList fileFilters, fileStartDirs;

    bool question(const QString &text) override;
    void notice(const QString &text) override;
    void error(const QString &text) override;
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &value) override;
    QString openFileName(const QString &startDir, const QString &filter) override;
    QString saveFileName(const QString &startDir, const QString &filter) override;

    /// Every text shown, in order.
    QStringList shown;
};

} // namespace vz
