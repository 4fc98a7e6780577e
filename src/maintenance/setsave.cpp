#include "setsave.h"

Tsetsaver::Tsetsaver(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tsetsaver"));
    setWindowTitle(QStringLiteral("Выгрузка сета"));
}
