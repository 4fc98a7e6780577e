#include "Unit2.h"

Thand2::Thand2(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Thand2"));
    setWindowTitle(QStringLiteral("Раздача второго игрока"));
}
