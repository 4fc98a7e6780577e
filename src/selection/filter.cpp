#include "filter.h"

#include "catalogue/cardbrowser.h"

Tfilters::Tfilters(CardBrowser &browser, QWidget *parent)
    : QDialog(parent)
    , m_browser(browser)
{
    setObjectName(QStringLiteral("Tfilters"));
    setWindowTitle(QStringLiteral("Фильтры"));
}
