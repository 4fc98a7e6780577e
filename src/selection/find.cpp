#include "find.h"

#include "catalogue/cardbrowser.h"

Tsearch::Tsearch(CardBrowser &browser, QWidget *parent)
    : QDialog(parent)
    , m_browser(browser)
{
    setObjectName(QStringLiteral("Tsearch"));
    setWindowTitle(QStringLiteral("Поиск"));
}
