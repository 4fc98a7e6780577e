#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

class CardBrowser;
class QTabWidget;
class QWidget;

namespace vz {
class Table;
}

/// The deck editor tab of the main window: the deck table with its grid, the buttons that move
/// cards between the card list and the deck, the deck bar (empty, save, load and the commands of
/// other features), and the card counter shown in the tab caption.
class DeckTab : public QObject
{
    Q_OBJECT
public:
    /// Commands of the deck bar that belong to other features; an unset one does nothing.
    struct Commands
    {
        std::function<void()> deckStat, generator, printScans, printDecklist, printFaq,
            downloadPictures, downloadFaq, hand;
    };

    /// Builds the tab's controls on `page`, the `editdeck` page of `pc1`.
    DeckTab(CardBrowser &browser, QTabWidget *pc1, QWidget *page);
    ~DeckTab() override;

    vz::Table &deck();
    /// The number of cards in the deck, all copies.
    int DeckCardCount() const;
    /// Sets the counter (never below 0) and the tab caption.
    void setDeckCardCount(int count);
    /// Shows the deck table's records again; for features that change the deck table directly.
    void refreshDeckGrid();

    void setCommands(const Commands &commands);

    /// Start-up: opens the deck table, deletes every record, counter 0 and caption.
    void startUp();
    /// Shutdown: deletes every record; false when a deletion failed.
    bool shutDown();

    /// Adds one copy of the current card of the card list.
    void addoneClick();
    /// Adds one copy of every card of the card list.
    void addallClick();
    /// Removes one copy of the deck's current record.
    void remoneClick();
    /// Empties the deck after asking.
    void bNewClick();
    /// Saves the deck to a dec, dck or txt file the user chooses.
    void bSaveClick();
    /// Replaces the deck by the cards of a dec, dck or txt file the user chooses.
    void bLoadClick();

    /// Shows the card of the deck's current record when the card list holds it.
    void DeckGridCellClick();
    void DeckGridDblClick();
    void DeckGridKeyUp(int key);
    void DeckGridMouseUp(Qt::MouseButton button, const QPoint &globalPos);
    /// Keeps the deal size between 0 and the number of cards in the deck.
    void Edit2Change();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void syncGrid();
    void focusEdit1();
    QStringList readCardCodes(const QString &failureText) const;
    void loadLines(const QStringList &lines);

    struct Private;
    std::unique_ptr<Private> d;
};
