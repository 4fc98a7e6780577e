#pragma once

#include <QWidget>

/// The window "Раздача первого игрока"; its content arrives with its own feature.
class Thand1 : public QWidget
{
    Q_OBJECT
public:
    explicit Thand1(QWidget *parent = nullptr);
};
