#include "dialogs.h"

#include "error.h"

#include <exception>

namespace vz {

namespace {

// Used before the GUI registers the real dialogs: answers No, records nothing.
class SilentDialogs : public Dialogs
{
public:
    bool question(const QString &) override { return false; }
    void notice(const QString &) override {}
    void error(const QString &text) override { qWarning("%s", qUtf8Printable(text)); }
    std::optional<QString> input(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &) override { return {}; }
};

SilentDialogs silent;
Dialogs *defaultDialogs = &silent;
Dialogs *current = nullptr;

} // namespace

Dialogs &dialogs()
{
    return current ? *current : *defaultDialogs;
}

void setDialogs(Dialogs *d)
{
    current = d;
}

void setDefaultDialogs(Dialogs *d)
{
    defaultDialogs = d ? d : &silent;
}

bool guarded(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const Error &e) {
        dialogs().error(e.message());
    } catch (const std::exception &e) {
        dialogs().error(QString::fromUtf8(e.what()));
    }
    return false;
}

bool ScriptedDialogs::question(const QString &text)
{
    questions << text;
    shown << text;
    return answers.isEmpty() ? false : answers.takeFirst();
}

void ScriptedDialogs::notice(const QString &text)
{
    notices << text;
    shown << text;
}

void ScriptedDialogs::error(const QString &text)
{
    errors << text;
    shown << text;
}

std::optional<QString> ScriptedDialogs::input(const QString &, const QString &prompt,
                                              const QString &)
{
    inputPrompts << prompt;
    shown << prompt;
    return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
}

QString ScriptedDialogs::openFileName(const QString &startDir, const QString &filter)
{
    fileStartDirs << startDir;
    fileFilters << filter;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedDialogs::saveFileName(const QString &startDir, const QString &filter)
{
    fileStartDirs << startDir;
    fileFilters << filter;
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

} // namespace vz
