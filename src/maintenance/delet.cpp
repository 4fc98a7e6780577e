#include "delet.h"

Tdel::Tdel(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdel"));
    setWindowTitle(QStringLiteral("Удаление сета"));
}
