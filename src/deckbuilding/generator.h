#pragma once

#include <QDialog>

/// The window "Генерация бустеров"; its content arrives with its own feature.
class Tgenerate : public QDialog
{
    Q_OBJECT
public:
    explicit Tgenerate(QWidget *parent = nullptr);
};
