#include "playf.h"

Tplay::Tplay(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Tplay"));
    setWindowTitle(QStringLiteral("Поле битвы"));
}
