#include "mainf.h"

#include "abo.h"
#include "battle/playf.h"
#include "battle/razd.h"
#include "cardlistmodel.h"
#include "cardview.h"
#include "deckbuilding/decktab.h"
#include "deckbuilding/generator.h"
#include "deckbuilding/statis.h"
#include "forms.h"
#include "maintenance/delet.h"
#include "maintenance/setsave.h"
#include "platform/cardfonts.h"
#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/machinesettings.h"
#include "platform/sharedlist.h"
#include "platform/textfile.h"
#include "selection/filter.h"
#include "selection/find.h"
#include "selection/sorting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>

namespace {

const QString kAccessCode = QStringLiteral("maintainer");

QFont arial13()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

template<typename W>
W *place(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(x, y, w, h);
    return widget;
}

QToolButton *toolButton(QWidget *parent, const QString &name, int x, const QString &hint,
                        bool twoState)
{
    auto *button = place<QToolButton>(parent, name, x, 4, 41, 41);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setCheckable(twoState);
    button->setIconSize(QSize(32, 32));
    return button;
}

} // namespace

Tmain::Tmain(const Options &options, Forms &forms)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                               | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_forms(forms)
    , m_appDir(QDir::cleanPath(options.appDir))
{
    setObjectName(QStringLiteral("Tmain"));
    setWindowTitle(QStringLiteral("Библиотека карт Зарнака v 2.0 beta 2"));
    QFont windowFont(vz::CardFonts::TextFace);
    windowFont.setPixelSize(13);
    setFont(windowFont);

    // 1. The browser's print settings for the run.
    m_printSettings = std::make_unique<vz::BrowserPrintSettings>(options.printSettings);
    m_printSettings->apply();

    // 2. The card table and the default list query. The query is run once, sorted, at step 13,
    // and the card table is read when a feature first needs its own cursor.
    m_db = std::make_unique<vz::Database>(AppFile(QStringLiteral("\\db1.sqlite")));
    m_zarn = std::make_unique<vz::Table>(*m_db, QStringLiteral("zarn"));
    m_defquery = std::make_unique<vz::Query>(*m_db);
    m_qfilter = std::make_unique<vz::Query>(*m_db);
    m_qsearch = std::make_unique<vz::Query>(*m_db);
    m_defquery->setSql({QStringLiteral("SELECT zarn.*"), QStringLiteral("FROM zarn"),
                        QStringLiteral("WHERE card_index>0"), QStringLiteral("ORDER BY name")});
    m_currentSet = m_defquery.get();

    // 3. Cyrillic typing at once.
    vz::activateRussianKeyboard();

    // 5. The master set and artist lists.
    m_sets = std::make_unique<vz::SharedList>(AppFile(QStringLiteral("\\sets.ini")));
    m_artists = std::make_unique<vz::SharedList>(AppFile(QStringLiteral("\\artists.ini")));
    m_sets->loadIfExists();
    m_artists->loadIfExists();

    // 6. The card faces.
    m_fonts = std::make_unique<vz::CardFonts>();
    m_fonts->load(m_appDir);

    buildWindow();
    buildMenu();

    // 7-9. Sort order, the deck emptied.
    m_sortOrder = QStringLiteral("name");
    m_deckTab->startUp();

    // 10. Maintainer mode from the first line of ava.dat.
    const QString ava = AppFile(QStringLiteral("\\ava.dat"));
    if (QFile::exists(ava)) {
        const QStringList lines = vz::readListFile(ava);
        m_maintainerMode = !lines.isEmpty() && lines.first() == kAccessCode;
    }
    m_vintrelItem->setVisible(m_maintainerMode);

    // 11. Toolbar and deck-bar pictures.
    loadToolbarPictures();

    // 13. The list sorted and filled, the first card shown.
    ApplySortOrder();

    // 14. The browser starts blank.
    m_tempwb->setHtml(QString());
}

Tmain::~Tmain() = default;

vz::Table &Tmain::zarn()
{
    if (!m_zarn->isOpen())
        m_zarn->open();
    return *m_zarn;
}

QString Tmain::AppFile(const QString &relative) const
{
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return m_appDir + path;
}

void Tmain::buildWindow()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(1016, 679);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const QFont arial = arial13();

    auto *bar = place<QFrame>(client, QStringLiteral("buttons_bar"), 8, 8, 302, 49);
    bar->setFrameShape(QFrame::StyledPanel);
    m_bView = toolButton(bar, QStringLiteral("bView"), 8, QString(), true);
    m_bView->setChecked(true);
    m_bSearch = toolButton(bar, QStringLiteral("bSearch"), 51, QStringLiteral("Поиск"), true);
    m_bFilters = toolButton(bar, QStringLiteral("bFilters"), 93, QStringLiteral("Фильтры "), true);
    m_bSort = toolButton(bar, QStringLiteral("bSort"), 135, QStringLiteral("Сортировка"), false);
    m_bPlay = toolButton(bar, QStringLiteral("bPlay"), 197, QStringLiteral("Let the carnage begin!"),
                         false);
    m_bFaq = toolButton(bar, QStringLiteral("bFaq"), 255, QStringLiteral("ЧаВо по карте"), false);

    m_zakach = place<QLabel>(client, QStringLiteral("zakach"), 8, 62, 56, 16);
    m_zakach->setText(QStringLiteral("Закачка:"));
    m_zakach->setFont(arial);
    m_zakach->hide();
    m_pb1 = place<QProgressBar>(client, QStringLiteral("pb1"), 64, 62, 244, 16);
    m_pb1->setRange(0, 10000);
    m_pb1->setTextVisible(false);
    m_pb1->hide();

    m_cardImage = place<QGroupBox>(client, QStringLiteral("card_image"), 8, 77, 302, 417);
    auto *hud = place<QLabel>(client, QStringLiteral("Hud"), 16, 502, 64, 16);
    hud->setText(QStringLiteral("Художник:"));
    hud->setFont(arial);
    m_aftar = place<QLineEdit>(client, QStringLiteral("aftar"), 80, 502, 224, 16);
    m_aftar->setReadOnly(true);
    m_aftar->setFrame(false);
    m_aftar->setFont(arial);

    m_mainWiever = place<QGroupBox>(client, QStringLiteral("main_wiever"), 320, 0, 688, 552);
    m_mainWiever->setFont(arial);
    m_edit1 = place<QLineEdit>(m_mainWiever, QStringLiteral("Edit1"), 8, 16, 272, 24);
    m_listBox1 = place<QListView>(m_mainWiever, QStringLiteral("ListBox1"), 8, 48, 272, 496);
    m_listModel = new CardListModel(this);
    m_listBox1->setModel(m_listModel);
    m_listBox1->setUniformItemSizes(true);
    m_listBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pc1 = place<QTabWidget>(m_mainWiever, QStringLiteral("pc1"), 288, 16, 392, 528);
    m_editdeck = new QWidget;
    m_editdeck->setObjectName(QStringLiteral("editdeck"));
    m_editcard = new QWidget;
    m_editcard->setObjectName(QStringLiteral("editcard"));
    m_pc1->addTab(m_editdeck, QStringLiteral("Редактор колоды. Карт в колоде: 0"));
    m_pc1->addTab(m_editcard, QStringLiteral("Редактор карт"));
    m_pc1->setCurrentWidget(m_editdeck);

    auto *rules = place<QGroupBox>(client, QStringLiteral("rules_text"), 8, 552, 656, 120);
    rules->setTitle(QStringLiteral("Текст карты"));
    rules->setFont(arial);
    m_rtext = place<QPlainTextEdit>(rules, QStringLiteral("rtext"), 8, 18, 640, 94);
    m_rtext->setReadOnly(true);
    m_rtext->setFrameShape(QFrame::NoFrame);
    m_rtext->setBackgroundRole(QPalette::Window);
    auto *flavor = place<QGroupBox>(client, QStringLiteral("flavor_text"), 672, 552, 336, 120);
    flavor->setTitle(QStringLiteral("Художественный текст"));
    flavor->setFont(arial);
    m_ftext = place<QPlainTextEdit>(flavor, QStringLiteral("ftext"), 8, 18, 320, 94);
    m_ftext->setReadOnly(true);
    QFont corsiva(QStringLiteral("Monotype Corsiva"));
    corsiva.setPixelSize(16);
    corsiva.setItalic(true); // stands in where the face is not installed
    m_ftext->setFont(corsiva);

    m_tempwb = place<QTextBrowser>(client, QStringLiteral("tempwb"), 448, 296, 50, 65);
    m_tempwb->hide(); // never used by the user

    m_pmCopy = new QMenu(this);
    m_pmCopy->setObjectName(QStringLiteral("pmCopy"));
    QAction *copy = m_pmCopy->addAction(QStringLiteral("Копировать в буфер"));
    copy->setObjectName(QStringLiteral("N37"));
    QAction *copyCard = m_pmCopy->addAction(QStringLiteral("Копировать карту"));
    copyCard->setObjectName(QStringLiteral("N38"));
    connectGuarded(copy, &Tmain::CopyClick);
    connectGuarded(copyCard, &Tmain::CopyCardClick);

    m_cardView = std::make_unique<CardView>(m_cardImage, m_aftar, m_rtext, m_ftext, m_bView,
                                            [this](const QString &p) { return AppFile(p); });
    m_deckTab = std::make_unique<DeckTab>(*this, m_pc1, m_editdeck);
    DeckTab::Commands commands;
    commands.deckStat = [this] { DeckStatClick(); };
    commands.generator = [this] { GeneratorClick(); };
    commands.printScans = [this] { PrintScansClick(); };
    commands.printDecklist = [this] { PrintDecklistClick(); };
    commands.printFaq = [this] { PrintFaqClick(); };
    commands.downloadPictures = [this] { DownloadPicturesClick(); };
    commands.downloadFaq = [this] { DownloadFaqClick(); };
    commands.hand = [this] { SquadClick(); };
    m_deckTab->setCommands(commands);

    connectGuarded(m_bView, &Tmain::bViewClick);
    connectGuarded(m_bSearch, &Tmain::bSearchClick);
    connectGuarded(m_bFilters, &Tmain::bFiltersClick);
    connectGuarded(m_bSort, &Tmain::bSortClick);
    connectGuarded(m_bPlay, &Tmain::bPlayClick);
    connectGuarded(m_bFaq, &Tmain::bFaqClick);

    connect(m_edit1, &QLineEdit::textChanged, this, [this] { vz::guarded([this] { TypeAhead(); }); });
    m_edit1->installEventFilter(this);
    m_listBox1->installEventFilter(this);
    m_listBox1->viewport()->installEventFilter(this);
    // clicked comes for the left button only, after the view has taken the click.
    connect(m_listBox1, &QListView::clicked, this,
            [this] { vz::guarded([this] { ListBox1MouseUp(Qt::LeftButton, QCursor::pos()); }); });
    connect(m_listBox1, &QListView::doubleClicked, this,
            [this] { vz::guarded([this] { ListBox1DblClick(); }); });
}

void Tmain::connectGuarded(QAction *action, void (Tmain::*handler)())
{
    connect(action, &QAction::triggered, this, [this, handler] { vz::guarded([this, handler] { (this->*handler)(); }); });
}

void Tmain::connectGuarded(QToolButton *button, void (Tmain::*handler)())
{
    connect(button, &QToolButton::clicked, this, [this, handler] { vz::guarded([this, handler] { (this->*handler)(); }); });
}

void Tmain::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    struct Item
    {
        const char *name;
        QString caption;
        QKeySequence shortcut;
        void (Tmain::*handler)();
        bool hidden = false;
    };
    auto addMenu = [&](const QString &name, const QString &caption, const QList<Item> &items) {
        QMenu *menu = bar->addMenu(caption);
        menu->setObjectName(name);
        for (const Item &item : items) {
            if (!item.name) {
                menu->addSeparator();
                continue;
            }
            QAction *action = menu->addAction(item.caption);
            action->setObjectName(QLatin1String(item.name));
            action->setShortcut(item.shortcut);
            action->setVisible(!item.hidden);
            if (item.handler)
                connectGuarded(action, item.handler);
        }
        return menu;
    };
    const Item separator{nullptr, {}, {}, nullptr};
    addMenu(QStringLiteral("N1"), QStringLiteral("Колода"),
            {{"N2", QStringLiteral("Очистить колоду"), QKeySequence(Qt::CTRL | Qt::Key_N), nullptr},
             {"N3", QStringLiteral("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S), nullptr},
             {"N4", QStringLiteral("Загрузить"), QKeySequence(Qt::CTRL | Qt::Key_O), nullptr},
             separator,
             {"N19", QStringLiteral("Печать прокси"), {}, &Tmain::PrintProxyClick, true},
             {"N23", QStringLiteral("Печать сканов"), QKeySequence(Qt::CTRL | Qt::Key_P), &Tmain::PrintScansClick},
             {"N26", QStringLiteral("Печать деклиста"), {}, &Tmain::PrintDecklistClick},
             {"N20", QStringLiteral("Печать ЧАВО"), {}, &Tmain::PrintFaqClick},
             separator,
             {"N5", QStringLiteral("Выход"), {}, nullptr}});
    // The deck items forward to the deck tab.
    auto forward = [this](const char *name, void (DeckTab::*handler)()) {
        QAction *action = findChild<QAction *>(QLatin1String(name));
        connect(action, &QAction::triggered, this,
                [this, handler] { vz::guarded([this, handler] { (m_deckTab.get()->*handler)(); }); });
    };
    forward("N2", &DeckTab::bNewClick);
    forward("N3", &DeckTab::bSaveClick);
    forward("N4", &DeckTab::bLoadClick);
    connect(findChild<QAction *>(QStringLiteral("N5")), &QAction::triggered, this, &QWidget::close);

    addMenu(QStringLiteral("N6"), QStringLiteral("Дополнительно"),
            {{"N7", QStringLiteral("Удаление сета"), {}, &Tmain::DeleteSetClick},
             {"N8", QStringLiteral("Генерация картинок со сканов"), {}, &Tmain::CutPicturesClick},
             {"N12", QStringLiteral("Генерация бустеров"), {}, &Tmain::GeneratorClick},
             {"N13", QStringLiteral("Состав колоды"), {}, &Tmain::DeckStatClick},
             {"N11", QStringLiteral("Стартовая раздача "), {}, &Tmain::SquadClick, true},
             {"N29", QStringLiteral("Загрузка картинок для карт колоды"), {}, &Tmain::DownloadPicturesClick},
             {"N9", QStringLiteral("Загрузка ЧАВО для карт колоды"), {}, &Tmain::DownloadFaqClick},
             separator,
             {"N14", QStringLiteral("Правила игры 1 на 1"), {}, &Tmain::RulesClick},
             {"N15", QStringLiteral("Турнирные правила"), {}, &Tmain::TournClick},
             separator,
             {"N16", QStringLiteral("Тестовая игра"), {}, &Tmain::bPlayClick}});
    addMenu(QStringLiteral("N17"), QStringLiteral("Экспорт/Импорт"),
            {{"N18", QStringLiteral("Загрузка сета из файла в формате Vuzuruv"), {}, &Tmain::ImportSetClick},
             {"N21", QStringLiteral("Выгрузка сета в файл в формате Vuzuruv"), {}, &Tmain::ExportSetClick},
             {"N22", QStringLiteral("Сохранение базы в HTML"), {}, &Tmain::ExportHtmlClick},
             {"N24", QStringLiteral("Сохранение базы в формате Vintrel"), {}, nullptr, true}});
    m_vintrelItem = findChild<QAction *>(QStringLiteral("N24"));
    addMenu(QStringLiteral("N25"), QStringLiteral("Помощь"),
            {{"N27", QStringLiteral("О программе"), {}, &Tmain::AboutClick}});
}

void Tmain::loadToolbarPictures()
{
    // Read relative to the current folder, which is the program folder.
    const QList<QPair<QString, QString>> pictures = {
        {QStringLiteral("bSearch"), QStringLiteral("pics\\search.bmp")},
        {QStringLiteral("bFilters"), QStringLiteral("pics\\filter.bmp")},
        {QStringLiteral("bFaq"), QStringLiteral("pics\\faq.bmp")},
        {QStringLiteral("bView"), QStringLiteral("pics\\mini.bmp")},
        {QStringLiteral("bNew"), QStringLiteral("pics\\new.bmp")},
        {QStringLiteral("bSave"), QStringLiteral("pics\\save.bmp")},
        {QStringLiteral("bLoad"), QStringLiteral("pics\\load.bmp")},
        {QStringLiteral("bDnldPics"), QStringLiteral("pics\\download.BMP")},
        {QStringLiteral("bDeckStat"), QStringLiteral("pics\\stats.bmp")},
        {QStringLiteral("bHand"), QStringLiteral("pics\\razdat.bmp")},
        {QStringLiteral("bPrint"), QStringLiteral("pics\\print.bmp")},
        {QStringLiteral("bGenerator"), QStringLiteral("pics\\random2.bmp")},
        {QStringLiteral("bSort"), QStringLiteral("pics\\sort.bmp")},
        {QStringLiteral("bPlay"), QStringLiteral("pics\\battle.bmp")},
    };
    for (const auto &[name, file] : pictures) {
        auto *button = findChild<QToolButton *>(name);
        const QString path = AppFile(file);
        if (button && QFile::exists(path)) {
            button->setIcon(QIcon(TransparentPicture(path)));
            button->setProperty("picture", file);
        }
    }
}

QPoint Tmain::initialPosition(int screenWidth)
{
    return screenWidth > 1024 ? QPoint(150, 150) : QPoint(0, 0);
}

void Tmain::FormActivate()
{
    if (!m_placed) {
        m_placed = true;
        const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        move(initialPosition(screen ? screen->geometry().width() : 1024));
    }
    m_edit1->setFocus();
    bViewClick();
}

void Tmain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        vz::guarded([this] { FormActivate(); });
    QMainWindow::changeEvent(event);
}

void Tmain::closeEvent(QCloseEvent *event)
{
    vz::guarded([this] { shutDown(); });
    event->accept();
    QApplication::quit();
}

void Tmain::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_fonts->unload();
    m_printSettings->restore();
    if (!m_deckTab->shutDown())
        QApplication::exit(1);
}

void Tmain::openHelpFile(const QString &name)
{
    const QString path = AppFile(QStringLiteral("\\") + name);
    if (!QFile::exists(path)) {
        vz::dialogs().notice(QStringLiteral("Файл %1 не найден.").arg(name));
        return;
    }
    vz::desktop().openFile(path);
}

void Tmain::RulesClick()
{
    openHelpFile(QStringLiteral("rules.chm"));
}

void Tmain::TournClick()
{
    openHelpFile(QStringLiteral("tourn.chm"));
}

void Tmain::AboutClick()
{
    m_forms.about->exec();
}

void Tmain::setFilterActive(int active)
{
    m_filterActive = active;
    m_bFilters->setChecked(active == 1);
}

void Tmain::setSearchBase(int base)
{
    m_searchBase = base;
    m_bSearch->setChecked(base != 0);
}

void Tmain::endSearch()
{
    setCurrentSet(m_searchBase == 1 ? *m_defquery : *m_qfilter);
    setSearchBase(0);
    FillCardList();
    ShowCurrentCard();
}

void Tmain::bSearchClick()
{
    if (m_searchBase != 0) {
        endSearch();
        return;
    }
    // A cancelled (or failed) search leaves the state as it was; the button shows that state
    // again, since clicking it toggled it.
    if (m_forms.search->exec() != QDialog::Accepted)
        setSearchBase(m_searchBase);
}

void Tmain::bFiltersClick()
{
    if (m_searchBase != 0)
        endSearch();
    if (m_filterActive == 1) {
        setCurrentSet(*m_defquery);
        setFilterActive(0);
        FillCardList();
        ShowCurrentCard();
        return;
    }
    if (m_forms.filters->exec() != QDialog::Accepted)
        setFilterActive(m_filterActive); // shows the button released again
}

void Tmain::bSortClick()
{
    if (m_forms.sort->exec() == QDialog::Accepted) {
        m_sortOrder = m_forms.sort->FSortText();
        ApplySortOrder();
    }
    m_bSort->setDown(false);
}

void Tmain::bPlayClick()
{
    m_forms.play->show();
    m_forms.play->raise();
}

void Tmain::DeleteSetClick()
{
    m_forms.del->exec();
}

void Tmain::GeneratorClick()
{
    m_forms.generate->exec();
}

void Tmain::DeckStatClick()
{
    m_forms.stat->exec();
}

void Tmain::SquadClick()
{
    m_forms.razdacha->exec();
}

void Tmain::ExportSetClick()
{
    m_forms.setsaver->exec();
}

// Handlers that their own features fill in.
void Tmain::bFaqClick() {}
void Tmain::CutPicturesClick() {}
void Tmain::DownloadPicturesClick() {}
void Tmain::DownloadFaqClick() {}
void Tmain::ImportSetClick() {}
void Tmain::ExportHtmlClick() {}
void Tmain::PrintScansClick() {}
void Tmain::PrintDecklistClick() {}
void Tmain::PrintFaqClick() {}
void Tmain::PrintProxyClick() {}
void Tmain::CopyClick() {}
void Tmain::CopyCardClick() {}
