#pragma once

#include "cardbrowser.h"

#include <QHash>
#include <QMainWindow>
#include <QPoint>
#include <functional>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QListView;
class QPlainTextEdit;
class QProgressBar;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class CardListModel;
class CardView;
class DeckTab;
struct Forms;

namespace vz {
class BrowserPrintSettings;
class CardFonts;
class Database;
class Query;
class SharedList;
class Table;
} // namespace vz

class QSettings;

/// The main window "Библиотека карт Зарнака": the card list with its type-ahead field, the card
/// view, the deck and card editor tabs, the menu and the toolbar. It owns the card table, the three
/// list queries and the master set and artist lists.
class Tmain : public QMainWindow, public CardBrowser
{
    Q_OBJECT
public:
    struct Options
    {
        QString appDir;                    ///< the program folder
        QSettings *printSettings = nullptr; ///< settings store for the browser print values
    };

    /// Runs the start-up steps in order (settings, queries, fonts, deck table, pictures, list).
    Tmain(const Options &options, Forms &forms);
    ~Tmain() override;

    // CardBrowser
    QString AppDir() const override { return m_appDir; }
    QString AppFile(const QString &relative) const override;
    vz::Database &db() override { return *m_db; }
    vz::Table &zarn() override;
    vz::Query &defquery() override { return *m_defquery; }
    vz::Query &qfilter() override { return *m_qfilter; }
    vz::Query &qsearch() override { return *m_qsearch; }
    vz::Query &CurrentSet() override { return *m_currentSet; }
    void setCurrentSet(vz::Query &set) override { m_currentSet = &set; }
    int FilterActive() const override { return m_filterActive; }
    void setFilterActive(int active) override;
    int SearchBase() const override { return m_searchBase; }
    void setSearchBase(int base) override;
    QString SortOrder() const override { return m_sortOrder; }
    void setSortOrder(const QString &order) override { m_sortOrder = order; }
    void FillCardList() override;
    void ShowCurrentCard() override;
    void RequeryAll() override;
    void ApplySortOrder() override;
    void TypeAhead() override;
    QLineEdit *Edit1() override { return m_edit1; }
    QMenu *pmCopy() override { return m_pmCopy; }
    vz::SharedList &setsList() override { return *m_sets; }
    vz::SharedList &artistsList() override { return *m_artists; }

    bool MaintainerMode() const { return m_maintainerMode; }
    QString LastShownCard() const { return m_lastShownCard; }
    void clearLastShownCard() { m_lastShownCard.clear(); }
    /// Set by the card editor while a new card is being added: the view redraws even the card
    /// it showed last.
    bool AddPending = false;
    /// Filled by the card editor: runs when a card is shown while its tab is open.
    std::function<void()> FillCardEditor;

    DeckTab &deckTab() { return *m_deckTab; }
    CardView &cardView() { return *m_cardView; }
    QTabWidget *pc1() const { return m_pc1; }

    /// The view-mode handler (click of bView): draws the scan or the composed card.
    void bViewClick();
    /// Every activation: focus to Edit1 and the view redrawn; the first one places the window.
    void FormActivate();
    /// Where the window opens on a screen of the given width.
    static QPoint initialPosition(int screenWidth);

    // Toolbar and menu handlers.
    void bSearchClick();
    void bFiltersClick();
    void bSortClick();
    void bPlayClick();
    void bFaqClick();
    void RulesClick();
    void TournClick();
    void AboutClick();
    void DeleteSetClick();
    void CutPicturesClick();
    void GeneratorClick();
    void DeckStatClick();
    void SquadClick();
    void DownloadPicturesClick();
    void DownloadFaqClick();
    void ImportSetClick();
    void ExportSetClick();
    void ExportHtmlClick();
    void PrintScansClick();
    void PrintDecklistClick();
    void PrintFaqClick();
    void PrintProxyClick();
    void CopyClick();
    void CopyCardClick();

    /// Shutdown: fonts removed, print settings restored, deck table emptied. Runs once.
    void shutDown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    void buildMenu();
    void loadToolbarPictures();
    void openHelpFile(const QString &name);
    void endSearch();
    /// The shared key-release handler of Edit1 and ListBox1.
    void cardListKeyUp(QObject *source, int key);
    void ListBox1MouseUp(Qt::MouseButton button, const QPoint &globalPos);
    void ListBox1DblClick();
    bool ListBox1KeyPress(const QString &typed);
    int selectedItem() const;
    void selectItem(int row);
    void selectCardOfItem(int row);
    void connectGuarded(QAction *action, void (Tmain::*handler)());
    void connectGuarded(QToolButton *button, void (Tmain::*handler)());

    Forms &m_forms;
    QString m_appDir;
    bool m_maintainerMode = false;
    std::unique_ptr<vz::BrowserPrintSettings> m_printSettings;
    std::unique_ptr<vz::CardFonts> m_fonts;
    std::unique_ptr<vz::Database> m_db;
    std::unique_ptr<vz::Table> m_zarn;
    std::unique_ptr<vz::Query> m_defquery, m_qfilter, m_qsearch;
    vz::Query *m_currentSet = nullptr;
    std::unique_ptr<vz::SharedList> m_sets, m_artists;
    int m_filterActive = 0;
    int m_searchBase = 0;
    QString m_sortOrder = QStringLiteral("name");
    QString m_lastShownCard;
    bool m_placed = false;
    bool m_shutDown = false;

    // Controls.
    QToolButton *m_bView = nullptr, *m_bSearch = nullptr, *m_bFilters = nullptr,
                *m_bSort = nullptr, *m_bPlay = nullptr, *m_bFaq = nullptr;
    QLabel *m_zakach = nullptr;
    QProgressBar *m_pb1 = nullptr;
    QGroupBox *m_cardImage = nullptr, *m_mainWiever = nullptr;
    QLineEdit *m_edit1 = nullptr;
    QListView *m_listBox1 = nullptr;
    CardListModel *m_listModel = nullptr;
    QTabWidget *m_pc1 = nullptr;
    QWidget *m_editdeck = nullptr, *m_editcard = nullptr;
    QPlainTextEdit *m_rtext = nullptr, *m_ftext = nullptr;
    QLineEdit *m_aftar = nullptr;
    QTextBrowser *m_tempwb = nullptr;
    QMenu *m_pmCopy = nullptr;
    QAction *m_vintrelItem = nullptr;
    std::unique_ptr<CardView> m_cardView;
    std::unique_ptr<DeckTab> m_deckTab;
};
