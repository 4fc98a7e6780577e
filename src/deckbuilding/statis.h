#pragma once

#include <QDialog>

/// The window "Состав колоды"; its content arrives with its own feature.
class Tstat : public QDialog
{
    Q_OBJECT
public:
    explicit Tstat(QWidget *parent = nullptr);
};
