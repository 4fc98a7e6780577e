#include "sorting.h"

#include "catalogue/cardbrowser.h"

Tsort::Tsort(CardBrowser &browser, QWidget *parent)
    : QDialog(parent)
    , m_browser(browser)
{
    setObjectName(QStringLiteral("Tsort"));
    setWindowTitle(QStringLiteral("Сортировка"));
}
