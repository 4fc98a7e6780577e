#pragma once

#include "sorttext.h"

#include <QDialog>

class CardBrowser;
class QComboBox;
class QRadioButton;

/// The dialog "Сортировка": up to three fields, each ascending or descending, that order the
/// card lists. OK builds the ORDER BY column list FSortText; the main window applies it.
class Tsort : public QDialog
{
    Q_OBJECT
public:
    explicit Tsort(CardBrowser &browser, QWidget *parent = nullptr);
    /// The column list built by the last OK.
    QString FSortText() const { return m_sortText; }

    /// The three levels as chosen now.
    std::array<vz::SortLevel, 3> levels() const;
    /// Builds FSortText and closes with OK, or tells that nothing is chosen and stays open.
    void bOkClick();

private:
    CardBrowser &m_browser;
    QString m_sortText;
    std::array<QComboBox *, 3> m_lists {};
    std::array<QRadioButton *, 3> m_descending {};
};
