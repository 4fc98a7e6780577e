#pragma once

#include <QDialog>

/// The About box "О программе".
class Tabout : public QDialog
{
    Q_OBJECT
public:
    explicit Tabout(QWidget *parent = nullptr);

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};
