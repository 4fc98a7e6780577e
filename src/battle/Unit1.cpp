#include "Unit1.h"

Thand1::Thand1(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Thand1"));
    setWindowTitle(QStringLiteral("Раздача первого игрока"));
}
