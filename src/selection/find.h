#pragma once

#include "searchquery.h"

#include <QDialog>

class CardBrowser;
class QCheckBox;
class QComboBox;

/// The dialog "Поиск": finds the cards of the current list whose rules text, flavour text or
/// name holds a typed text. Its OK builds the search query into qsearch and makes it the card
/// list's data set, remembering whether it started from the default list or the filter result.
class Tsearch : public QDialog
{
    Q_OBJECT
public:
    explicit Tsearch(CardBrowser &browser, QWidget *parent = nullptr);

    /// The boxes of "Где искать".
    vz::SearchFields searchFields() const;
    /// Runs the search; on success closes the dialog and shows the result, on an engine error
    /// shows the message and changes nothing.
    void bOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    CardBrowser &m_browser;
    QComboBox *m_find = nullptr;
    QCheckBox *m_txtcb = nullptr, *m_flvcb = nullptr, *m_nmcb = nullptr;
};
