#include "machinesettings.h"

#include <QSettings>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vz {

namespace {

QSettings *platformStore()
{
#ifdef Q_OS_WIN
    return new QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer"),
                         QSettings::NativeFormat);
#else
    return new QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VuzuRuv"),
                         QStringLiteral("browser-print"));
#endif
}

} // namespace

BrowserPrintSettings::BrowserPrintSettings(QSettings *store)
    : m_own(store ? nullptr : platformStore())
    , m_store(store ? store : m_own.get())
{
}

BrowserPrintSettings::~BrowserPrintSettings()
{
    // A run that ends before its shutdown (a failed start) still gives the values back.
    if (m_applied)
        restore();
}

QStringList BrowserPrintSettings::keys()
{
    return {QStringLiteral("main/Display Inline Images"), QStringLiteral("PageSetup/header"),
            QStringLiteral("PageSetup/footer"),           QStringLiteral("PageSetup/margin_left"),
            QStringLiteral("PageSetup/margin_top"),       QStringLiteral("PageSetup/margin_right"),
            QStringLiteral("PageSetup/margin_bottom")};
}

void BrowserPrintSettings::apply()
{
    m_saved.clear();
    m_applied = true;
    const QStringList all = keys();
    for (int i = 0; i < all.size(); ++i) {
        const QString &key = all.at(i);
        m_saved.append({key, m_store->value(key).toString()});
        const QString value = i == 0 ? QStringLiteral("yes")
                              : i < 3 ? QString()
                                      : QStringLiteral("0.3");
        m_store->setValue(key, value);
    }
    m_store->sync();
}

void BrowserPrintSettings::restore()
{
    for (const auto &[key, value] : std::as_const(m_saved))
        m_store->setValue(key, value);
    m_store->sync();
    m_applied = false;
}

void activateRussianKeyboard()
{
#ifdef Q_OS_WIN
    if (HKL layout = LoadKeyboardLayoutW(L"00000419", KLF_ACTIVATE))
        ActivateKeyboardLayout(layout, 0);
#endif
}

} // namespace vz
