#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class QSettings;

namespace vz {

/// The embedded browser's print settings, changed for the run and restored at exit: inline
/// images on, empty header and footer, margins of 0.3. On Windows they are the browser's
/// registry values of the current user; elsewhere the same seven values live in the program's
/// own settings store.
class BrowserPrintSettings
{
public:
    /// `store` is the settings store to use; nullptr takes the platform's own.
    explicit BrowserPrintSettings(QSettings *store = nullptr);
    ~BrowserPrintSettings();

    /// Saves the seven values (a missing one as an empty text) and writes the run's values.
    void apply();
    /// Writes the saved values back, each under its own key.
    void restore();

    /// The keys, "main/Display Inline Images" and "PageSetup/header" ... "PageSetup/margin_bottom".
    static QStringList keys();

private:
    std::unique_ptr<QSettings> m_own;
    QSettings *m_store;
    QList<QPair<QString, QString>> m_saved;
    bool m_applied = false;
};

/// Loads and activates the Russian keyboard layout "00000419" (Windows only; elsewhere nothing).
void activateRussianKeyboard();

} // namespace vz
