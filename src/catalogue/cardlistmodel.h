#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>

/// The card names shown by the card list, one item per row of the shown data set (duplicates
/// included), drawn as plain text in rows of 16 pixels.
class CardListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    /// Replaces every item in one step.
    void setNames(QStringList names);
    const QStringList &names() const { return m_names; }
    /// The first item whose text equals `name` exactly, -1 when none.
    int firstIndexOf(const QString &name) const { return m_first.value(name, -1); }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList m_names;
    QHash<QString, int> m_first;
};
