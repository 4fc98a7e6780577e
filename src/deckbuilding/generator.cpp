#include "generator.h"

Tgenerate::Tgenerate(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tgenerate"));
    setWindowTitle(QStringLiteral("Генерация бустеров"));
}
