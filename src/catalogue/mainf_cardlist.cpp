// The card list of the main window: filling it from CurrentSet, the type-ahead, the keys and
// clicks of Edit1 and ListBox1, and showing the current card.

#include "cardface.h"
#include "cardlistmodel.h"
#include "cardview.h"
#include "deckbuilding/decktab.h"
#include "mainf.h"
#include "pages/bro.h"
#include "platform/dataset.h"
#include "platform/dialogs.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTabWidget>

void Tmain::FillCardList()
{
    vz::Query &set = CurrentSet();
    set.first();
    m_listModel->setNames(set.isOpen() ? set.columnTexts(QStringLiteral("name")) : QStringList());
    TypeAhead();
    // When the type-ahead lands on the card already shown, the view is not redrawn; its item
    // is still selected in the new list, or the list keys would have nothing to work from.
    if (selectedItem() < 0 && set.recNo() >= 0)
        selectItem(m_listModel->firstIndexOf(set.text(QStringLiteral("name"))));
    m_mainWiever->setTitle(QStringLiteral("Выбрано карт: %1").arg(m_listModel->rowCount()));
}

void Tmain::TypeAhead()
{
    vz::Query &set = CurrentSet();
    const QString typed = m_edit1->text();
    if (!typed.isEmpty())
        set.locate(QStringLiteral("name"), typed, vz::DataSet::Locate::CaseInsensitivePrefix);
    else
        set.first();
    ShowCurrentCard();
}

void Tmain::ShowCurrentCard()
{
    vz::Query &set = CurrentSet();
    if (m_listModel->rowCount() == 0 || set.recordCount() == 0)
        return;
    const TCardRecord card = TCardRecord::fromDataSet(set);
    if (!AddPending && QString::number(card.card_index) == m_lastShownCard)
        return;
    m_cardView->showValues(computeCardFace(card));
    m_lastShownCard = QString::number(card.card_index);
    bViewClick();
    selectItem(m_listModel->firstIndexOf(card.name));
    if (m_pc1->currentWidget() == m_editcard && FillCardEditor) {
        const int row = selectedItem();
        if (row >= 0
            && zarn().locate(QStringLiteral("name"), m_listModel->names().at(row),
                             vz::DataSet::Locate::Exact))
            FillCardEditor();
    }
}

void Tmain::bViewClick()
{
    vz::Query &set = CurrentSet();
    if (set.recordCount() == 0 || set.recNo() < 0)
        return; // nothing to draw: the view keeps what it shows
    m_cardView->draw(TCardRecord::fromDataSet(set), m_appDir);
}

void Tmain::RequeryAll()
{
    for (vz::Query *query : {m_defquery.get(), m_qsearch.get(), m_qfilter.get()}) {
        if (query->isOpen()) {
            query->close();
            query->open();
        }
    }
}

void Tmain::ApplySortOrder()
{
    const QString orderLine = QStringLiteral("ORDER BY ") + m_sortOrder;
    m_defquery->close();
    m_defquery->replaceLastLine(orderLine);
    m_defquery->open();
    for (vz::Query *query : {m_qsearch.get(), m_qfilter.get()}) {
        if (!query->sql().isEmpty()) {
            query->close();
            query->replaceLastLine(orderLine);
            query->open();
        }
    }
    FillCardList();
    ShowCurrentCard();
}

int Tmain::selectedItem() const
{
    const QModelIndexList selected = m_listBox1->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void Tmain::selectItem(int row)
{
    if (row < 0) {
        m_listBox1->selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_listModel->index(row);
    m_listBox1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_listBox1->scrollTo(index);
}

void Tmain::selectCardOfItem(int row)
{
    if (row < 0 || row >= m_listModel->rowCount())
        return;
    CurrentSet().locate(QStringLiteral("name"), m_listModel->names().at(row),
                        vz::DataSet::Locate::Exact);
    ShowCurrentCard();
}

void Tmain::cardListKeyUp(QObject *source, int key)
{
    const int row = selectedItem();
    if (row < 0)
        return;
    const bool fromEdit = source == m_edit1;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (fromEdit) {
            const int target = key == Qt::Key_Up ? row - 1 : row + 1;
            if (target < 0 || target >= m_listModel->rowCount())
                return;
            selectItem(target);
            m_edit1->end(false);
            selectCardOfItem(target);
            m_edit1->setFocus();
        } else {
            selectCardOfItem(row);
        }
        break;
    case Qt::Key_Right:
        m_deckTab->addoneClick();
        break;
    case Qt::Key_Delete:
        m_edit1->clear();
        CurrentSet().first();
        break;
    case Qt::Key_F1:
        bFaqClick();
        break;
    default:
        break;
    }
}

bool Tmain::ListBox1KeyPress(const QString &typed)
{
    if (typed.isEmpty() || !typed.at(0).isPrint())
        return false;
    if (selectedItem() >= 0) {
        const char16_t c = typed.at(0).unicode();
        // Only the Cyrillic letters А..я (Windows-1251 codes 192-255) continue the name.
        if (c >= u'А' && c <= u'я')
            m_edit1->setText(m_edit1->text() + typed.at(0));
    }
    m_edit1->setFocus();
    m_edit1->end(false);
    return true;
}

void Tmain::ListBox1MouseUp(Qt::MouseButton button, const QPoint &globalPos)
{
    const int row = selectedItem();
    if (row < 0)
        return;
    if (button == Qt::LeftButton) {
        selectCardOfItem(row);
    } else if (button == Qt::RightButton) {
        m_listBox1->setFocus();
        m_pmCopy->actions().first()->setText(QStringLiteral("Копировать список карт"));
        m_pmCopy->popup(globalPos);
    }
}

void Tmain::ListBox1DblClick()
{
    if (selectedItem() >= 0)
        m_deckTab->addoneClick();
}

bool Tmain::eventFilter(QObject *watched, QEvent *event)
{
    const bool onList = watched == m_listBox1 || watched == m_listBox1->viewport();
    if (watched == m_edit1 || onList) {
        switch (event->type()) {
        case QEvent::KeyRelease: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (!key->isAutoRepeat() || key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)
                vz::guarded([&] { cardListKeyUp(watched == m_edit1 ? static_cast<QObject *>(m_edit1) : m_listBox1, key->key()); });
            break;
        }
        case QEvent::KeyPress:
            if (onList) {
                auto *key = static_cast<QKeyEvent *>(event);
                bool handled = false;
                if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                    vz::guarded([&] { handled = ListBox1KeyPress(key->text()); });
                if (handled)
                    return true;
            }
            break;
        case QEvent::FocusIn:
            if (watched == m_edit1)
                m_edit1->end(false);
            break;
        case QEvent::MouseButtonRelease:
            // The right button opens the copy menu here; the left button is handled once the
            // view has taken the click (ListBox1 clicked), so the selection we set stays.
            if (watched == m_listBox1->viewport()) {
                auto *mouse = static_cast<QMouseEvent *>(event);
                if (mouse->button() == Qt::RightButton)
                    vz::guarded([&] { ListBox1MouseUp(mouse->button(), mouse->globalPosition().toPoint()); });
            }
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
