#include "decktab.h"

#include "catalogue/cardbrowser.h"
#include "platform/dataset.h"

#include <QTabWidget>
#include <memory>

struct DeckTab::Private
{
    CardBrowser &browser;
    QTabWidget *pc1;
    QWidget *page;
    std::unique_ptr<vz::Table> deck;
    int count = 0;
};

DeckTab::DeckTab(CardBrowser &browser, QTabWidget *pc1, QWidget *page)
    : d(new Private{browser, pc1, page, std::make_unique<vz::Table>(browser.db(), QStringLiteral("deck")), 0})
{
}

DeckTab::~DeckTab()
{
    delete d;
}

vz::Table &DeckTab::deck()
{
    return *d->deck;
}

int DeckTab::DeckCardCount() const
{
    return d->count;
}

void DeckTab::setDeckCardCount(int count)
{
    d->count = count;
    d->pc1->setTabText(d->pc1->indexOf(d->page),
                       QStringLiteral("Редактор колоды. Карт в колоде: %1").arg(count));
}

void DeckTab::startUp()
{
    d->deck->open();
    while (d->deck->recordCount() > 0)
        d->deck->deleteRecord();
    setDeckCardCount(0);
}

bool DeckTab::shutDown()
{
    while (d->deck->recordCount() >= 1)
        d->deck->deleteRecord();
    return true;
}

void DeckTab::addoneClick() {}
void DeckTab::bNewClick() {}
void DeckTab::bSaveClick() {}
void DeckTab::bLoadClick() {}
