#pragma once

#include <QDialog>

class CardBrowser;

/// The dialog "Фильтры".
class Tfilters : public QDialog
{
    Q_OBJECT
public:
    explicit Tfilters(CardBrowser &browser, QWidget *parent = nullptr);

private:
    CardBrowser &m_browser;
};
