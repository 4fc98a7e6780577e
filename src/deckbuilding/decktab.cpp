#include "decktab.h"

#include "catalogue/cardbrowser.h"
#include "deckfile.h"
#include "deckgridmodel.h"
#include "deckrecords.h"
#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/textfile.h"

#include <QAction>
#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Редактор колоды. Карт в колоде: %1");

// Runs `work` inside a savepoint of the deck's database: on failure every change of `work` is
// undone, the deck table is read again and the error goes on.
void inSavepoint(vz::Table &deck, const std::function<void()> &work)
{
    vz::Database &db = deck.database();
    db.exec(QStringLiteral("SAVEPOINT deck_edit"));
    try {
        work();
    } catch (...) {
        try {
            db.exec(QStringLiteral("ROLLBACK TO deck_edit"));
            db.exec(QStringLiteral("RELEASE deck_edit"));
            deck.open();
        } catch (const vz::Error &) {
            // The first error is the one to report.
        }
        throw;
    }
    db.exec(QStringLiteral("RELEASE deck_edit"));
}

} // namespace

struct DeckTab::Private
{
    CardBrowser &browser;
    QTabWidget *pc1;
    QWidget *page;
    std::unique_ptr<vz::Table> deck;
    int count = 0;
    Commands commands;

    QPushButton *addone = nullptr, *addall = nullptr, *remone = nullptr;
    QToolButton *bNew = nullptr, *bSave = nullptr, *bLoad = nullptr, *bDnldPics = nullptr,
                *bDeckStat = nullptr, *bHand = nullptr, *bPrint = nullptr, *bGenerator = nullptr;
    QLineEdit *Edit2 = nullptr;
    QTableView *DeckGrid = nullptr;
    DeckGridModel *model = nullptr;
    QMenu *pmPrint = nullptr, *pmDload = nullptr;
};

DeckTab::DeckTab(CardBrowser &browser, QTabWidget *pc1, QWidget *page)
    : d(new Private { browser, pc1, page,
        std::make_unique<vz::Table>(browser.db(), QStringLiteral("deck")), 0, {} })
{
    buildControls();
}

DeckTab::~DeckTab() = default;

void DeckTab::buildControls()
{
    QWidget *page = d->page;
    auto guardedCall
        = [](const std::function<void()> &action) { return [action] { vz::guarded(action); }; };
    auto command = [this](std::function<void()> Commands::*member) {
        return [this, member] {
            if (const std::function<void()> &run = d->commands.*member)
                vz::guarded(run);
        };
    };

    // The deck bar.
    int x = 4;
    auto toolButton = [&](const QString &name, const QString &hint) {
        auto *button = new QToolButton(page);
        button->setObjectName(name);
        button->setGeometry(x, 4, 41, 41);
        button->setAutoRaise(true);
        button->setToolTip(hint);
        button->setIconSize(QSize(32, 32));
        x += 43;
        return button;
    };
    d->bNew = toolButton(QStringLiteral("bNew"), QStringLiteral("Очистить колоду"));
    d->bSave = toolButton(QStringLiteral("bSave"), QStringLiteral("Сохранить колоду"));
    d->bLoad = toolButton(QStringLiteral("bLoad"), QStringLiteral("Загрузить колоду"));
    d->bDeckStat = toolButton(QStringLiteral("bDeckStat"), QStringLiteral("Состав колоды"));
    d->bPrint = toolButton(QStringLiteral("bPrint"), QStringLiteral("Печать"));
    d->bDnldPics
        = toolButton(QStringLiteral("bDnldPics"), QStringLiteral("Загрузка картинок и ЧАВО"));
    d->bGenerator = toolButton(QStringLiteral("bGenerator"), QStringLiteral("Генерация бустеров"));
    d->bHand = toolButton(QStringLiteral("bHand"), QStringLiteral("Стартовая раздача"));
    d->bHand->hide();
    d->Edit2 = new QLineEdit(page);
    d->Edit2->setObjectName(QStringLiteral("Edit2"));
    d->Edit2->setGeometry(x, 14, 40, 21);
    d->Edit2->setToolTip(QStringLiteral("Количество карт в раздаче"));
    d->Edit2->setAlignment(Qt::AlignRight);
    d->Edit2->setText(QStringLiteral("15"));
    d->Edit2->hide();

    connect(d->bNew, &QToolButton::clicked, this, guardedCall([this] { bNewClick(); }));
    connect(d->bSave, &QToolButton::clicked, this, guardedCall([this] { bSaveClick(); }));
    connect(d->bLoad, &QToolButton::clicked, this, guardedCall([this] { bLoadClick(); }));
    connect(d->bDeckStat, &QToolButton::clicked, this, command(&Commands::deckStat));
    connect(d->bGenerator, &QToolButton::clicked, this, command(&Commands::generator));
    connect(d->bHand, &QToolButton::clicked, this, command(&Commands::hand));
    connect(d->Edit2, &QLineEdit::textChanged, this, guardedCall([this] { Edit2Change(); }));

    // The print and download menus pop up at the mouse pointer.
    d->pmPrint = new QMenu(page);
    d->pmPrint->setObjectName(QStringLiteral("pmPrint"));
    d->pmDload = new QMenu(page);
    d->pmDload->setObjectName(QStringLiteral("pmDload"));
    auto menuItem = [&](QMenu *menu, const QString &name, const QString &caption,
                        std::function<void()> Commands::*member) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, command(member));
    };
    menuItem(
        d->pmPrint, QStringLiteral("N22"), QStringLiteral("Печать сканов"), &Commands::printScans);
    menuItem(d->pmPrint, QStringLiteral("N34"), QStringLiteral("Печать деклиста"),
        &Commands::printDecklist);
    menuItem(d->pmPrint, QStringLiteral("G1"), QStringLiteral("Печать ЧАВО"), &Commands::printFaq);
    menuItem(d->pmDload, QStringLiteral("N10"), QStringLiteral("Загрузка картинок для карт колоды"),
        &Commands::downloadPictures);
    menuItem(d->pmDload, QStringLiteral("objectN10TMenuItem1"),
        QStringLiteral("Загрузка ЧАВО для карт колоды"), &Commands::downloadFaq);
    connect(d->bPrint, &QToolButton::clicked, this, [this] { d->pmPrint->popup(QCursor::pos()); });
    connect(
        d->bDnldPics, &QToolButton::clicked, this, [this] { d->pmDload->popup(QCursor::pos()); });

    // Moving cards between the list and the deck.
    auto pushButton = [&](const QString &name, const QString &caption, const QString &hint, int y) {
        auto *button = new QPushButton(caption, page);
        button->setObjectName(name);
        button->setGeometry(4, y, 56, 25);
        button->setToolTip(hint);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    d->addone = pushButton(
        QStringLiteral("addone"), QStringLiteral(">"), QStringLiteral("Добавить карту"), 60);
    d->addall = pushButton(QStringLiteral("addall"), QStringLiteral("> > >"),
        QStringLiteral("Добавить весь список"), 92);
    d->remone = pushButton(
        QStringLiteral("remone"), QStringLiteral("<"), QStringLiteral("Убрать карту"), 124);
    connect(d->addone, &QPushButton::clicked, this, guardedCall([this] { addoneClick(); }));
    connect(d->addall, &QPushButton::clicked, this, guardedCall([this] { addallClick(); }));
    connect(d->remone, &QPushButton::clicked, this, guardedCall([this] { remoneClick(); }));

    // The deck grid: name and kolvo only, read-only, no title row, indicator or grid lines.
    d->DeckGrid = new QTableView(page);
    d->DeckGrid->setObjectName(QStringLiteral("DeckGrid"));
    d->DeckGrid->setGeometry(66, 52, 310, 440);
    d->model = new DeckGridModel(*d->deck, d->DeckGrid);
    d->DeckGrid->setModel(d->model);
    d->DeckGrid->horizontalHeader()->hide();
    d->DeckGrid->verticalHeader()->hide();
    d->DeckGrid->setShowGrid(false);
    d->DeckGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d->DeckGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    d->DeckGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    d->DeckGrid->setWordWrap(false);
    d->DeckGrid->horizontalHeader()->setMinimumSectionSize(10);
    d->DeckGrid->setColumnWidth(0, 230);
    d->DeckGrid->setColumnWidth(1, 25);
    d->DeckGrid->verticalHeader()->setDefaultSectionSize(18);
    connect(d->DeckGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) {
            if (current.isValid() && current.row() < d->deck->recordCount())
                d->deck->moveTo(current.row());
        });
    connect(d->DeckGrid, &QTableView::clicked, this, guardedCall([this] { DeckGridCellClick(); }));
    connect(
        d->DeckGrid, &QTableView::doubleClicked, this, guardedCall([this] { DeckGridDblClick(); }));
    d->DeckGrid->installEventFilter(this);
    d->DeckGrid->viewport()->installEventFilter(this);
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
    d->count = std::max(count, 0);
    d->pc1->setTabText(d->pc1->indexOf(d->page), kCaption.arg(d->count));
}

void DeckTab::refreshDeckGrid()
{
    syncGrid();
}

void DeckTab::setCommands(const Commands &commands)
{
    d->commands = commands;
}

void DeckTab::startUp()
{
    d->deck->open();
    while (d->deck->recordCount() > 0)
        d->deck->deleteRecord();
    syncGrid();
    setDeckCardCount(0);
}

bool DeckTab::shutDown()
{
    try {
        if (!d->deck->isOpen())
            d->deck->open();
        while (d->deck->recordCount() >= 1)
            d->deck->deleteRecord();
    } catch (const vz::Error &) {
        return false;
    }
    return true;
}

// Shows the deck table's rows in the grid with the deck's current record selected.
void DeckTab::syncGrid()
{
    const int current = d->deck->recNo();
    d->model->reload();
    if (current >= 0 && current < d->model->rowCount())
        d->DeckGrid->setCurrentIndex(d->model->index(current, 0));
}

void DeckTab::focusEdit1()
{
    if (QLineEdit *edit = d->browser.Edit1())
        edit->setFocus();
}

void DeckTab::addoneClick()
{
    vz::Query &set = d->browser.CurrentSet();
    if (set.isOpen() && vz::addCardToDeck(*d->deck, set)) {
        syncGrid();
        setDeckCardCount(d->count + 1);
    }
    focusEdit1();
}

void DeckTab::addallClick()
{
    vz::Query &set = d->browser.CurrentSet();
    if (set.isOpen()) {
        int added = 0;
        try {
            // All cards or none: a failure leaves the deck as it was.
            inSavepoint(*d->deck, [&] {
                for (set.first(); !set.eof(); set.next()) {
                    if (vz::addCardToDeck(*d->deck, set))
                        ++added;
                }
            });
        } catch (...) {
            syncGrid();
            throw;
        }
        syncGrid();
        setDeckCardCount(d->count + added);
        // The list's first card becomes the current one; the view follows it.
        set.first();
        d->browser.ShowCurrentCard();
    }
    focusEdit1();
}

void DeckTab::remoneClick()
{
    if (d->deck->recordCount() > 0) {
        vz::removeOneCopy(*d->deck);
        syncGrid();
        if (d->deck->recordCount() == 0)
            d->browser.TypeAhead();
        setDeckCardCount(d->count - 1);
    }
    focusEdit1();
}

void DeckTab::bNewClick()
{
    if (!vz::dialogs().question(QStringLiteral("Очистить колоду?")))
        return;
    d->deck->emptyTable();
    syncGrid();
    setDeckCardCount(0);
}

QStringList DeckTab::readCardCodes(const QString &failureText) const
{
    const QString path = d->browser.AppFile(QStringLiteral("\\bc.ini"));
    try {
        return vz::readListFile(path);
    } catch (const vz::Error &) {
        throw vz::Error(failureText.arg(path));
    }
}

void DeckTab::bSaveClick()
{
    const QString fileName = vz::dialogs().saveFileName(
        d->browser.AppFile(QStringLiteral("\\Decks")), vz::deckFileFilter());
    if (fileName.isEmpty())
        return;
    const std::optional<vz::DeckFormat> format = vz::deckFormatOf(fileName);
    if (!format)
        throw vz::Error(QStringLiteral("Колода не сохранена: имя файла должно оканчиваться на "
                                       ".dec, .dck или .txt.\n%1")
                            .arg(fileName));
    QStringList codes;
    if (*format == vz::DeckFormat::Dck)
        codes = readCardCodes(QStringLiteral("Колода не сохранена: для формата dck нужен файл "
                                             "кодов карт %1, а его не удалось прочитать."));
    QStringList uncoded;
    const QStringList lines
        = vz::deckFileLines(*format, vz::deckEntries(*d->deck), codes, &uncoded);

    // Refill the list and keep the current card.
    vz::Query &set = d->browser.CurrentSet();
    const vz::DataSet::Bookmark current = set.bookmark();
    d->browser.FillCardList();
    if (set.gotoBookmark(current))
        d->browser.ShowCurrentCard();

    vz::writeListFile(fileName, lines);
    if (!uncoded.isEmpty())
        vz::dialogs().notice(QStringLiteral("В файле bc.ini нет кодов этих карт, они не записаны "
                                            "в колоду:\n")
            + uncoded.join(QLatin1Char('\n')));
}

void DeckTab::bLoadClick()
{
    const QString fileName = vz::dialogs().openFileName(
        d->browser.AppFile(QStringLiteral("\\Decks")), vz::deckFileFilter());
    if (fileName.isEmpty())
        return;
    const std::optional<vz::DeckFormat> format = vz::deckFormatOf(fileName);
    if (!format)
        throw vz::Error(QStringLiteral("Колода не загружена: загрузить можно только файл "
                                       ".dec, .dck или .txt.\n%1")
                            .arg(fileName));
    // Everything is read before the deck is touched.
    QStringList lines;
    if (*format == vz::DeckFormat::Dck) {
        const QStringList codes = readCardCodes(QStringLiteral(
            "Колода не загружена: для формата dck нужен файл кодов карт %1, а его не удалось "
            "прочитать."));
        for (const QString &line : vz::readListFile(fileName))
            lines << vz::dckLineToDecLine(line, codes);
    } else {
        lines = vz::readListFile(fileName);
    }
    loadLines(lines);
}

// Replaces the deck by the cards the lines name, each looked up in the card list.
void DeckTab::loadLines(const QStringList &lines)
{
    vz::Query &set = d->browser.CurrentSet();
    vz::DataSet::Bookmark lastFound;
    bool found = false;

    d->DeckGrid->hide();
    auto finish = [this] {
        syncGrid();
        setDeckCardCount(vz::deckCardTotal(*d->deck));
        d->DeckGrid->show();
    };
    try {
        inSavepoint(*d->deck, [&] {
            d->deck->emptyTable();
            for (const QString &line : lines) {
                const vz::DeckEntry entry = vz::parseDeckLine(line);
                if (entry.kolvo < 1 || entry.name.isEmpty() || !set.isOpen())
                    continue;
                if (set.locate(
                        QStringLiteral("name"), entry.name, vz::DataSet::Locate::CaseInsensitive)) {
                    vz::addCardToDeck(*d->deck, set, entry.kolvo);
                    lastFound = set.bookmark();
                    found = true;
                }
            }
        });
    } catch (...) {
        finish();
        throw;
    }

    // The list refilled, the last card found shown.
    d->browser.FillCardList();
    if (found && set.gotoBookmark(lastFound))
        d->browser.ShowCurrentCard();
    finish();
}

void DeckTab::DeckGridCellClick()
{
    if (d->deck->recNo() < 0)
        return;
    const QString name = d->deck->text(QStringLiteral("name"));
    vz::Query &set = d->browser.CurrentSet();
    if (set.isOpen() && set.locate(QStringLiteral("name"), name, vz::DataSet::Locate::Exact))
        d->browser.ShowCurrentCard();
}

void DeckTab::DeckGridDblClick()
{
    remoneClick();
}

void DeckTab::DeckGridKeyUp(int key)
{
    if (key == Qt::Key_Delete) {
        remoneClick();
        d->DeckGrid->setFocus();
    }
    DeckGridCellClick();
}

void DeckTab::DeckGridMouseUp(Qt::MouseButton button, const QPoint &globalPos)
{
    if (button != Qt::RightButton)
        return;
    QMenu *menu = d->browser.pmCopy();
    d->DeckGrid->setFocus();
    if (!menu || menu->actions().isEmpty())
        return;
    menu->actions().first()->setText(QStringLiteral("Копировать колоду"));
    menu->popup(globalPos);
}

void DeckTab::Edit2Change()
{
    const QString text = d->Edit2->text();
    if (text.isEmpty() || text == QLatin1String("0"))
        return;
    const int value = text.toInt();
    if (value <= 0)
        d->Edit2->setText(QStringLiteral("0"));
    else if (value > d->count)
        d->Edit2->setText(QString::number(d->count));
}

bool DeckTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->DeckGrid && event->type() == QEvent::KeyRelease) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat())
            vz::guarded([&] { DeckGridKeyUp(key->key()); });
    } else if (watched == d->DeckGrid->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        vz::guarded([&] { DeckGridMouseUp(mouse->button(), mouse->globalPosition().toPoint()); });
    }
    return QObject::eventFilter(watched, event);
}
