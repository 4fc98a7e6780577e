#include "bro.h"

Tbrowse::Tbrowse(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Tbrowse"));
    setWindowTitle(QStringLiteral("Карта"));
}
