#pragma once

#include "forms.h"

#include <QString>
#include <memory>
#include <vector>

class QSettings;
class QWidget;

/// The running program: every window, created once in the fixed order with the main window
/// first, living until the program ends.
class Program
{
public:
    struct Options
    {
        QString appDir;                     ///< the program folder
        QSettings *printSettings = nullptr; ///< settings store for the browser print values
    };

    explicit Program(const Options &options);
    ~Program();

    Forms &forms() { return m_forms; }
    Tmain &main() { return *m_forms.main; }

    /// The application title.
    static QString title();

private:
    Forms m_forms;
    std::vector<std::unique_ptr<QWidget>> m_windows; // in creation order
};
