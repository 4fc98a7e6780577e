#include "deckgridmodel.h"

#include "deckrecords.h"

DeckGridModel::DeckGridModel(vz::Table &deck, QObject *parent)
    : QAbstractTableModel(parent)
    , m_deck(deck)
{ }

void DeckGridModel::reload()
{
    beginResetModel();
    m_rows = vz::deckEntries(m_deck);
    endResetModel();
}

int DeckGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DeckGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant DeckGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const vz::DeckEntry &entry = m_rows.at(index.row());
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? QVariant(entry.name) : QVariant(entry.kolvo);
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return int(Qt::AlignCenter);
    return {};
}

QVariant DeckGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal)
        return section == 0 ? QStringLiteral("name") : QStringLiteral("kolvo");
    return {};
}
