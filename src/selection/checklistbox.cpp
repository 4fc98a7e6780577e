#include "checklistbox.h"

#include <QKeyEvent>

CheckListBox::CheckListBox(QWidget *parent)
    : QListWidget(parent)
{
    // The entries are not user-checkable for the view itself, so that only our click handler
    // changes a mark (otherwise a click on the box would toggle twice).
    connect(this, &QListWidget::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            toggle(index.row());
    });
    connect(this, &QListWidget::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            toggle(index.row());
    });
}

void CheckListBox::setLines(const QStringList &lines)
{
    clear();
    for (const QString &line : lines) {
        auto *item = new QListWidgetItem(line, this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
}

QStringList CheckListBox::lines() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result << item(i)->text();
    return result;
}

bool CheckListBox::isChecked(int row) const
{
    const QListWidgetItem *entry = item(row);
    return entry && entry->checkState() == Qt::Checked;
}

void CheckListBox::setChecked(int row, bool checked)
{
    if (QListWidgetItem *entry = item(row))
        entry->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void CheckListBox::setAllChecked(bool checked)
{
    for (int i = 0; i < count(); ++i)
        setChecked(i, checked);
}

void CheckListBox::toggle(int row)
{
    setChecked(row, !isChecked(row));
}

QStringList CheckListBox::checkedLines() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        if (isChecked(i))
            result << item(i)->text();
    return result;
}

void CheckListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier
        && currentRow() >= 0) {
        toggle(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}
