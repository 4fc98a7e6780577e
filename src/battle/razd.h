#pragma once

#include <QDialog>

/// The window "Набор отряда"; its content arrives with its own feature.
class Trazdacha : public QDialog
{
    Q_OBJECT
public:
    explicit Trazdacha(QWidget *parent = nullptr);
};
