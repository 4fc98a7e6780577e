#include "sorting.h"

#include "catalogue/cardbrowser.h"
#include "platform/dialogs.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Tsort::Tsort(CardBrowser &browser, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_browser(browser)
{
    setObjectName(QStringLiteral("Tsort"));
    setWindowTitle(QStringLiteral("Сортировка"));
    setFixedSize(289, 241);

    auto *root = new QVBoxLayout(this);
    root->setSpacing(4);
    const QString captions[3] = { QStringLiteral("Сортировать по"), QStringLiteral("Затем по"),
        QStringLiteral("В последнюю очередь по") };
    for (int level = 0; level < 3; ++level) {
        const QString n = QString::number(level + 1);
        auto *group = new QGroupBox(captions[level], this);
        auto *layout = new QVBoxLayout(group);
        layout->setContentsMargins(6, 2, 6, 2);
        layout->setSpacing(2);
        auto *list = new QComboBox(group);
        list->setObjectName(QStringLiteral("si") + n);
        list->setEditable(false);
        list->addItem(QString());
        list->addItems(vz::SortCaptions());
        list->setCurrentIndex(-1); // nothing chosen at start
        auto *asc = new QRadioButton(QStringLiteral("По возрастанию"), group);
        asc->setObjectName(QStringLiteral("asc") + n);
        asc->setChecked(true);
        auto *desc = new QRadioButton(QStringLiteral("По убыванию"), group);
        desc->setObjectName(QStringLiteral("desc") + n);
        auto *choices = new QHBoxLayout;
        choices->addWidget(asc);
        choices->addWidget(desc);
        layout->addWidget(list);
        layout->addLayout(choices);
        root->addWidget(group);
        m_lists[size_t(level)] = list;
        m_descending[size_t(level)] = desc;
    }

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("bOk"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("bCancel"));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    root->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &Tsort::bOkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::array<vz::SortLevel, 3> Tsort::levels() const
{
    std::array<vz::SortLevel, 3> result;
    for (size_t i = 0; i < 3; ++i) {
        const QComboBox *list = m_lists[i];
        result[i].caption = list->currentIndex() >= 0 ? list->currentText() : QString();
        result[i].descending = m_descending[i]->isChecked();
    }
    return result;
}

void Tsort::bOkClick()
{
    vz::guarded([this] {
        const QString text = vz::BuildSortText(levels());
        if (text.trimmed().isEmpty()) {
            vz::dialogs().notice(QStringLiteral("Не введены условия сортировки О_о"));
            return;
        }
        m_sortText = text;
        accept();
    });
}
