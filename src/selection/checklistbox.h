#pragma once

#include <QListWidget>

/// A list of entries with check boxes where one click anywhere on an entry (its box or its
/// text) toggles the entry's mark exactly once; Space toggles the current entry.
class CheckListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit CheckListBox(QWidget *parent = nullptr);

    /// Replaces the entries by `lines`, all unchecked.
    void setLines(const QStringList &lines);
    QStringList lines() const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);
    void toggle(int row);
    /// The texts of the checked entries, in list order.
    QStringList checkedLines() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
