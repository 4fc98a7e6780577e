#pragma once

#include <QDialog>

/// The window "Удаление сета"; its content arrives with its own feature.
class Tdel : public QDialog
{
    Q_OBJECT
public:
    explicit Tdel(QWidget *parent = nullptr);
};
