#include "razd.h"

Trazdacha::Trazdacha(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Trazdacha"));
    setWindowTitle(QStringLiteral("Набор отряда"));
}
