#pragma once

#include <QDialog>

class CardBrowser;

/// The dialog "Поиск".
class Tsearch : public QDialog
{
    Q_OBJECT
public:
    explicit Tsearch(CardBrowser &browser, QWidget *parent = nullptr);

private:
    CardBrowser &m_browser;
};
