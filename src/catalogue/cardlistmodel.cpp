#include "cardlistmodel.h"

#include <QSize>

void CardListModel::setNames(QStringList names)
{
    beginResetModel();
    m_names = std::move(names);
    m_first.clear();
    m_first.reserve(m_names.size());
    for (int i = m_names.size() - 1; i >= 0; --i)
        m_first.insert(m_names.at(i), i);
    endResetModel();
}

int CardListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant CardListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_names.at(index.row());
    if (role == Qt::SizeHintRole)
        return QSize(0, 16);
    return {};
}
