#pragma once

#include <QWidget>

/// The window "Карта"; its content arrives with its own feature.
class Tbrowse : public QWidget
{
    Q_OBJECT
public:
    explicit Tbrowse(QWidget *parent = nullptr);
};
