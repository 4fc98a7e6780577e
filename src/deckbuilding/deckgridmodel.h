#pragma once

#include "deckfile.h"

#include <QAbstractTableModel>

namespace vz {
class Table;
}

/// The two columns the deck grid shows of the deck table: `name` and `kolvo` (centred),
/// read-only, one row per deck record in deck order. reload() takes the table's rows anew.
class DeckGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DeckGridModel(vz::Table &deck, QObject *parent = nullptr);

    /// Reads the deck table's records again after a change.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    vz::Table &m_deck;
    QList<vz::DeckEntry> m_rows;
};
