#include "statis.h"

Tstat::Tstat(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tstat"));
    setWindowTitle(QStringLiteral("Состав колоды"));
}
