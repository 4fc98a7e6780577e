#pragma once

#include <QString>

class QLineEdit;
class QMenu;
class QToolButton;
class QWidget;

namespace vz {
class Database;
class Query;
class SharedList;
class Table;
} // namespace vz

/// The main window's card catalogue as the other subsystems see it: the three list queries and
/// which of them the card list shows, the list state, and the operations that keep the list
/// and the card view in step. Tmain implements it; the deck tab, the selection dialogs and the
/// maintenance parts reach the catalogue only through it.
class CardBrowser
{
public:
    virtual ~CardBrowser() = default;

    /// The program folder, without a trailing separator.
    virtual QString AppDir() const = 0;
    /// AppDir plus a path written with backslashes ("\pics\1.jpg"), as a local path.
    virtual QString AppFile(const QString &relative) const = 0;

    virtual vz::Database &db() = 0;
    /// The card table, in card_index order.
    virtual vz::Table &zarn() = 0;

    virtual vz::Query &defquery() = 0;
    virtual vz::Query &qfilter() = 0;
    virtual vz::Query &qsearch() = 0;
    /// The query whose rows the card list shows; its current row is the current card.
    virtual vz::Query &CurrentSet() = 0;
    virtual void setCurrentSet(vz::Query &set) = 0;

    /// 1 while a filter is in force; setting it also shows bFilters pressed or released.
    virtual int FilterActive() const = 0;
    virtual void setFilterActive(int active) = 0;
    /// 0 no search, 1 search from the default list, 2 from the filter result; setting it also
    /// shows bSearch pressed (not 0) or released.
    virtual int SearchBase() const = 0;
    virtual void setSearchBase(int base) = 0;
    /// The ORDER BY column list of the list queries.
    virtual QString SortOrder() const = 0;
    virtual void setSortOrder(const QString &order) = 0;

    /// Refills the card list from CurrentSet, re-runs the type-ahead and sets the count caption.
    virtual void FillCardList() = 0;
    /// Shows the current row of CurrentSet in the card view.
    virtual void ShowCurrentCard() = 0;
    /// Re-runs every open list query after the card table changed.
    virtual void RequeryAll() = 0;
    /// Rebuilds the ORDER BY line of the list queries from SortOrder and refreshes.
    virtual void ApplySortOrder() = 0;
    /// The type-ahead step: moves CurrentSet to the typed name (or the first row) and shows it.
    virtual void TypeAhead() = 0;

    /// The type-ahead field Edit1; callers give it the focus after their work.
    virtual QLineEdit *Edit1() = 0;
    /// The copy menu shared by the card list and the deck grid.
    virtual QMenu *pmCopy() = 0;

    /// The master copies of sets.ini and artists.ini.
    virtual vz::SharedList &setsList() = 0;
    virtual vz::SharedList &artistsList() = 0;
};
