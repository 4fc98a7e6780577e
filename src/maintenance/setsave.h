#pragma once

#include <QDialog>

/// The window "Выгрузка сета"; its content arrives with its own feature.
class Tsetsaver : public QDialog
{
    Q_OBJECT
public:
    explicit Tsetsaver(QWidget *parent = nullptr);
};
