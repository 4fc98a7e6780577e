#pragma once

#include <QWidget>

/// The window "Поле битвы"; its content arrives with its own feature.
class Tplay : public QWidget
{
    Q_OBJECT
public:
    explicit Tplay(QWidget *parent = nullptr);
};
