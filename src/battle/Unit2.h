#pragma once

#include <QWidget>

/// The window "Раздача второго игрока"; its content arrives with its own feature.
class Thand2 : public QWidget
{
    Q_OBJECT
public:
    explicit Thand2(QWidget *parent = nullptr);
};
