#include "find.h"

#include "catalogue/cardbrowser.h"
#include "platform/dataset.h"
#include "platform/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tsearch::Tsearch(CardBrowser &browser, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_browser(browser)
{
    setObjectName(QStringLiteral("Tsearch"));
    setWindowTitle(QStringLiteral("Поиск"));
    setFixedSize(209, 177);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    m_find = new QComboBox(this);
    m_find->setObjectName(QStringLiteral("find"));
    m_find->setEditable(true);
    // The history is appended by OK itself, every search once, repeats included.
    m_find->setInsertPolicy(QComboBox::NoInsert);
    m_find->setDuplicatesEnabled(true);
    m_find->setEditText(QStringLiteral("Введите текст для поиска"));
    root->addWidget(m_find);

    auto *where = new QGroupBox(QStringLiteral("Где искать"), this);
    auto *whereLayout = new QVBoxLayout(where);
    whereLayout->setContentsMargins(4, 2, 2, 2);
    whereLayout->setSpacing(2);
    m_txtcb = new QCheckBox(QStringLiteral("Текст карты"), where);
    m_txtcb->setObjectName(QStringLiteral("txtcb"));
    m_txtcb->setChecked(true);
    m_flvcb = new QCheckBox(QStringLiteral("Художественный текст"), where);
    m_flvcb->setObjectName(QStringLiteral("flvcb"));
    m_nmcb = new QCheckBox(QStringLiteral("Название"), where);
    m_nmcb->setObjectName(QStringLiteral("nmcb"));
    for (QCheckBox *check : { m_txtcb, m_flvcb, m_nmcb })
        whereLayout->addWidget(check);
    root->addWidget(where, 1);

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("bOk"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("bCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    root->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Tsearch::bOkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tsearch::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The text is selected from its start, so typing replaces it and its beginning shows.
    QLineEdit *edit = m_find->lineEdit();
    edit->setFocus();
    edit->setSelection(int(edit->text().size()), -int(edit->text().size()));
}

vz::SearchFields Tsearch::searchFields() const
{
    return { m_txtcb->isChecked(), m_flvcb->isChecked(), m_nmcb->isChecked() };
}

void Tsearch::bOkClick()
{
    vz::guarded([this] {
        const QString text = m_find->currentText(); // exactly as typed
        vz::Query &current = m_browser.CurrentSet();
        // The search runs inside the list shown now: the filter result or the default list.
        const bool fromFilter = &current == &m_browser.qfilter();
        vz::Query &base = fromFilter ? m_browser.qfilter() : m_browser.defquery();
        const QStringList sql
            = vz::BuildSearchSql(base.sql(), text, searchFields(), m_browser.SortOrder());
        vz::Query &search = m_browser.qsearch();
        search.close();
        search.setSql(sql);
        search.open(); // a rejected statement leaves qsearch as it was and throws
        m_browser.setCurrentSet(search);
        m_browser.setSearchBase(fromFilter ? 2 : 1);
        m_find->addItem(text);
        m_find->setEditText(text);
        accept();
        m_browser.FillCardList();
        m_browser.ShowCurrentCard();
    });
}
