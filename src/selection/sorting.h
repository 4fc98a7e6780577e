#pragma once

#include <QDialog>

class CardBrowser;

/// The dialog "Сортировка".
class Tsort : public QDialog
{
    Q_OBJECT
public:
    explicit Tsort(CardBrowser &browser, QWidget *parent = nullptr);
    /// The column list built by the last OK.
    QString FSortText() const { return m_sortText; }

private:
    CardBrowser &m_browser;
    QString m_sortText;
};
