#pragma once

#include <QObject>

class CardBrowser;
class QTabWidget;
class QWidget;

namespace vz {
class Table;
}

/// The deck editor tab of the main window: the deck table, its grid and buttons.
class DeckTab : public QObject
{
    Q_OBJECT
public:
    /// Builds the tab's controls on `page`, the `editdeck` page of `pc1`.
    DeckTab(CardBrowser &browser, QTabWidget *pc1, QWidget *page);
    ~DeckTab() override;

    vz::Table &deck();
    int DeckCardCount() const;
    void setDeckCardCount(int count);

    /// Start-up: opens the deck table, deletes every record, counter 0 and caption.
    void startUp();
    /// Shutdown: deletes every record; false when a deletion failed.
    bool shutDown();

    void addoneClick();
    void bNewClick();
    void bSaveClick();
    void bLoadClick();

private:
    struct Private;
    Private *d;
};
