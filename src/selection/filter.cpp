#include "filter.h"

#include "catalogue/cardbrowser.h"
#include "catalogue/cardtext.h"
#include "catalogue/markup.h"
#include "checklistbox.h"
#include "platform/dataset.h"
#include "platform/dialogs.h"
#include "platform/sharedlist.h"
#include "platform/textfile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct BoxDef
{
    const char *name;
    const char *caption;
};

const BoxDef kTypeBoxes[] = { { "C1", "Артефакт" }, { "C2", "Местность" }, { "C3", "Существо" },
    { "c_4", "Экипировка" } };
const BoxDef kEliteBoxes[] = { { "C5", "Рядовая" }, { "C6", "Элитная" } };
const BoxDef kElementBoxes[] = { { "C4", "Болота" }, { "C7", "Горы" }, { "C8", "Леса" },
    { "C11", "Нейтралы" }, { "C10", "Степи" }, { "C9", "Тьма" } };
const BoxDef kRarityBoxes[]
    = { { "C13", "Частая" }, { "C14", "Редкая" }, { "C16", "Ультра" }, { "C15", "Промо" } };
// The plain move boxes of "Базовые", then the boxes that switch a value range on.
const BoxDef kMoveBoxes[]
    = { { "C23", "Симбиот" }, { "C24", "Летающий" }, { "C25", "Не ходит (х)" } };

struct RangeDef
{
    const char *box;
    const char *caption;
    const char *minField;
    const char *maxField;
    int minLength;
};

const RangeDef kRanges[]
    = { { "C27", "Ход", "minmov", "maxmov", 1 }, { "C26", "Цена", "minprice", "maxprice", 2 },
          { "C28", "Слабый удар", "minlilhit", "maxlilhit", 2 },
          { "C33", "Средний удар", "minmidhit", "maxmidhit", 2 },
          { "C29", "Сильный удар", "minbighit", "maxbighit", 2 } };

// Keyword boxes by column as shown; the query order is FilterKeywordTokens().
const BoxDef kKeywordLeft[] = { { "C41", "УНИ" }, { "C43", "РЕГ" }, { "C42", "УЧР" },
    { "C44", "ИНС" }, { "C50", "ЗОВ" }, { "C52", "ЗОЗ" } };
const BoxDef kKeywordRight[] = { { "C46", "НУ" }, { "C47", "ЗОЯ" }, { "C48", "ЗОМ" },
    { "C49", "ТАП" }, { "C51", "ФИШ" }, { "C53", "ЗОВД" } };
const char *const kKeywordOrder[]
    = { "C41", "C46", "C43", "C47", "C42", "C48", "C44", "C49", "C50", "C51", "C52", "C53" };

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

QPushButton *allButton(QWidget *parent, const char *name)
{
    auto *button = new QPushButton(QStringLiteral("Все Вкл/Выкл"), parent);
    button->setObjectName(u8(name));
    return button;
}

/// Rebuilds `list` with `lines`, keeping the mark of every entry whose text is still there
/// (duplicates matched in order); entries new to the list get `newChecked`.
void rebuildKeepingMarks(CheckListBox *list, const QStringList &lines, bool newChecked)
{
    QHash<QString, QList<bool>> marks;
    for (int i = 0; i < list->count(); ++i)
        marks[list->item(i)->text()] << list->isChecked(i);
    list->setLines(lines);
    for (int i = 0; i < lines.size(); ++i) {
        QList<bool> &left = marks[lines.at(i)];
        list->setChecked(i, left.isEmpty() ? newChecked : left.takeFirst());
    }
}

/// Re-reads a master list from its file; a missing file leaves the list in memory as it is, so
/// that the next close writes it back instead of an empty one.
void reloadIfPresent(vz::SharedList &list)
{
    if (QFile::exists(list.path()))
        list.load();
}

} // namespace

Tfilters::Tfilters(CardBrowser &browser, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_browser(browser)
{
    setObjectName(QStringLiteral("Tfilters"));
    setWindowTitle(QStringLiteral("Фильтры"));
    setFixedSize(785, 641);
    // The first press of each group button turns its group away from its start state.
    m_toggleState = { { ToggleGroup::Sets, false }, { ToggleGroup::Types, false },
        { ToggleGroup::Elements, false }, { ToggleGroup::Rarities, false },
        { ToggleGroup::Basics, false }, { ToggleGroup::Icons, true },
        { ToggleGroup::Phrases, true }, { ToggleGroup::Classes, true } };
    buildWindow();
}

QCheckBox *Tfilters::box(const QString &name) const
{
    return m_boxes.value(name);
}

void Tfilters::buildWindow()
{
    auto *root = new QVBoxLayout(this);
    auto *columns = new QHBoxLayout;
    root->addLayout(columns, 1);

    // Compact groups: the window has a fixed size.
    auto compact = [](QLayout *layout) {
        layout->setContentsMargins(6, 2, 6, 4);
        layout->setSpacing(1);
    };
    auto addBoxes = [this](QWidget *parent, QLayout *layout, const auto &defs, bool checked) {
        for (const BoxDef &def : defs) {
            auto *check = new QCheckBox(u8(def.caption), parent);
            check->setObjectName(u8(def.name));
            check->setChecked(checked);
            layout->addWidget(check);
            m_boxes.insert(check->objectName(), check);
        }
    };
    auto connectAll = [this](QPushButton *button, ToggleGroup group) {
        connect(button, &QPushButton::clicked, this,
            [this, group] { vz::guarded([this, group] { allClick(group); }); });
    };

    // "Сет"
    auto *sets = new QGroupBox(QStringLiteral("Сет"), this);
    auto *setsLayout = new QVBoxLayout(sets);
    m_clb = new CheckListBox(sets);
    m_clb->setObjectName(QStringLiteral("CLB"));
    setsLayout->addWidget(m_clb, 1);
    auto *setButtons = new QHBoxLayout;
    m_classic = new QPushButton(QStringLiteral("Классика"), sets);
    m_classic->setObjectName(QStringLiteral("bClassic"));
    m_standard = new QPushButton(QStringLiteral("Стандарт"), sets);
    m_standard->setObjectName(QStringLiteral("bStandard"));
    auto *setChoice = new QButtonGroup(this);
    for (QPushButton *button : { m_classic, m_standard }) {
        button->setCheckable(true);
        button->setAutoDefault(false);
        setChoice->addButton(button);
        setButtons->addWidget(button);
    }
    setChoice->setExclusive(true);
    m_classic->setChecked(true);
    connect(m_classic, &QPushButton::clicked, this,
        [this] { vz::guarded([this] { bClassicClick(); }); });
    connect(m_standard, &QPushButton::clicked, this,
        [this] { vz::guarded([this] { bStandardClick(); }); });
    setsLayout->addLayout(setButtons);
    auto *allSets = allButton(sets, "bAllSets");
    connectAll(allSets, ToggleGroup::Sets);
    setsLayout->addWidget(allSets);
    columns->addWidget(sets, 5);

    // "Тип", "Элитность", "Стихия", "Редкость"
    auto *second = new QVBoxLayout;
    columns->addLayout(second, 4);
    auto *types = new QGroupBox(QStringLiteral("Тип"), this);
    auto *typesLayout = new QVBoxLayout(types);
    compact(typesLayout);
    addBoxes(types, typesLayout, kTypeBoxes, true);
    auto *allTypes = allButton(types, "bAllTypes");
    connectAll(allTypes, ToggleGroup::Types);
    typesLayout->addWidget(allTypes);
    second->addWidget(types);

    auto *elite = new QGroupBox(QStringLiteral("Элитность"), this);
    auto *eliteLayout = new QVBoxLayout(elite);
    compact(eliteLayout);
    addBoxes(elite, eliteLayout, kEliteBoxes, true);
    second->addWidget(elite);

    auto *elements = new QGroupBox(QStringLiteral("Стихия"), this);
    auto *elementsLayout = new QVBoxLayout(elements);
    compact(elementsLayout);
    addBoxes(elements, elementsLayout, kElementBoxes, true);
    auto *allElements = allButton(elements, "bAllElements");
    connectAll(allElements, ToggleGroup::Elements);
    elementsLayout->addWidget(allElements);
    second->addWidget(elements);

    auto *rarities = new QGroupBox(QStringLiteral("Редкость"), this);
    auto *raritiesLayout = new QVBoxLayout(rarities);
    compact(raritiesLayout);
    addBoxes(rarities, raritiesLayout, kRarityBoxes, true);
    auto *allRarities = allButton(rarities, "bAllRarities");
    connectAll(allRarities, ToggleGroup::Rarities);
    raritiesLayout->addWidget(allRarities);
    second->addWidget(rarities);
    second->addStretch(1);

    // "Базовые", "Значки"
    auto *third = new QVBoxLayout;
    columns->addLayout(third, 8);
    auto *basics = new QGroupBox(QStringLiteral("Базовые"), this);
    auto *basicsLayout = new QVBoxLayout(basics);
    compact(basicsLayout);
    addBoxes(basics, basicsLayout, kMoveBoxes, true);
    auto *rangeGrid = new QGridLayout;
    rangeGrid->setColumnStretch(0, 1);
    rangeGrid->setHorizontalSpacing(4);
    int row = 0;
    for (const RangeDef &def : kRanges) {
        auto *check = new QCheckBox(u8(def.caption), basics);
        check->setObjectName(u8(def.box));
        m_boxes.insert(check->objectName(), check);
        auto *min = new QLineEdit(QStringLiteral("0"), basics);
        min->setObjectName(u8(def.minField));
        min->setMaxLength(def.minLength);
        auto *max = new QLineEdit(QStringLiteral("99"), basics);
        max->setObjectName(u8(def.maxField));
        max->setMaxLength(2);
        for (QLineEdit *field : { min, max }) {
            field->setFixedWidth(36);
            m_fields.insert(field->objectName(), field);
        }
        // A range box enables its two fields while checked.
        connect(check, &QCheckBox::toggled, min, &QWidget::setEnabled);
        connect(check, &QCheckBox::toggled, max, &QWidget::setEnabled);
        const bool startChecked = row == 0; // only "Ход" starts checked
        check->setChecked(startChecked);
        min->setEnabled(startChecked);
        max->setEnabled(startChecked);
        rangeGrid->addWidget(check, row, 0);
        rangeGrid->addWidget(new QLabel(QStringLiteral("от"), basics), row, 1, Qt::AlignRight);
        rangeGrid->addWidget(min, row, 2);
        rangeGrid->addWidget(new QLabel(QStringLiteral("до"), basics), row, 3);
        rangeGrid->addWidget(max, row, 4);
        ++row;
    }
    basicsLayout->addLayout(rangeGrid);
    auto *allBasics = allButton(basics, "bAllBasics");
    connectAll(allBasics, ToggleGroup::Basics);
    basicsLayout->addWidget(allBasics);
    third->addWidget(basics);

    auto *icons = new QGroupBox(QStringLiteral("Значки"), this);
    auto *iconsLayout = new QVBoxLayout(icons);
    compact(iconsLayout);
    auto *iconGrid = new QGridLayout;
    const QList<QImage> &cardIcons = CardIcons();
    auto addKeyword = [&](const BoxDef &def, int gridRow, int column) {
        auto *check = new QCheckBox(icons);
        check->setObjectName(u8(def.name));
        const QString token = QLatin1Char('/') + u8(def.caption) + QLatin1Char('/');
        check->setToolTip(token);
        check->setAccessibleName(token);
        m_boxes.insert(check->objectName(), check);
        auto *picture = new QLabel(icons);
        const int index = MarkupTokens().indexOf(u8(def.caption));
        if (index >= 0 && index < cardIcons.size())
            picture->setPixmap(QPixmap::fromImage(cardIcons.at(index)));
        picture->setToolTip(token);
        picture->setBuddy(check);
        iconGrid->addWidget(check, gridRow, column);
        iconGrid->addWidget(picture, gridRow, column + 1);
    };
    for (int i = 0; i < 6; ++i) {
        addKeyword(kKeywordLeft[i], i, 0);
        addKeyword(kKeywordRight[i], i, 2);
    }
    iconGrid->setColumnStretch(1, 1);
    iconGrid->setColumnStretch(3, 1);
    for (const char *name : kKeywordOrder)
        m_keywordBoxes << m_boxes.value(u8(name));
    iconsLayout->addLayout(iconGrid);
    auto *allIcons = allButton(icons, "bAllIcons");
    connectAll(allIcons, ToggleGroup::Icons);
    iconsLayout->addWidget(allIcons);
    third->addWidget(icons);
    third->addStretch(1);

    // "Другие"
    auto *others = new QGroupBox(QStringLiteral("Другие"), this);
    auto *othersLayout = new QVBoxLayout(others);
    auto *artistBox = new QCheckBox(QStringLiteral("Художник"), others);
    artistBox->setObjectName(QStringLiteral("C30"));
    m_boxes.insert(artistBox->objectName(), artistBox);
    m_artists = new QComboBox(others);
    m_artists->setObjectName(QStringLiteral("ComboBox1"));
    m_artists->setEditable(false);
    m_artists->setEnabled(false);
    connect(artistBox, &QCheckBox::toggled, m_artists, &QWidget::setEnabled);
    othersLayout->addWidget(artistBox);
    othersLayout->addWidget(m_artists);

    m_clb2 = new CheckListBox(others);
    m_clb2->setObjectName(QStringLiteral("clb2"));
    othersLayout->addWidget(m_clb2, 1);
    auto *allPhrases = allButton(others, "bAllPhrases");
    connectAll(allPhrases, ToggleGroup::Phrases);
    othersLayout->addWidget(allPhrases);

    auto *classBox = new QCheckBox(QStringLiteral("Класс"), others);
    classBox->setObjectName(QStringLiteral("c67"));
    m_boxes.insert(classBox->objectName(), classBox);
    m_classAnd = new QRadioButton(QStringLiteral("И"), others);
    m_classAnd->setObjectName(QStringLiteral("classopand"));
    m_classOr = new QRadioButton(QStringLiteral("ИЛИ"), others);
    m_classOr->setObjectName(QStringLiteral("classopor"));
    auto *classChoice = new QButtonGroup(this);
    classChoice->addButton(m_classAnd);
    classChoice->addButton(m_classOr);
    m_classAnd->setChecked(true);
    auto *classRow = new QHBoxLayout;
    classRow->addWidget(classBox);
    classRow->addWidget(m_classAnd);
    classRow->addWidget(m_classOr);
    classRow->addStretch(1);
    othersLayout->addLayout(classRow);
    m_clb3 = new CheckListBox(others);
    m_clb3->setObjectName(QStringLiteral("clb3"));
    othersLayout->addWidget(m_clb3, 1);
    m_allClasses = allButton(others, "bAllClasses");
    connectAll(m_allClasses, ToggleGroup::Classes);
    othersLayout->addWidget(m_allClasses);
    for (QWidget *w :
        std::initializer_list<QWidget *> { m_clb3, m_allClasses, m_classAnd, m_classOr }) {
        w->setEnabled(false);
        connect(classBox, &QCheckBox::toggled, w, &QWidget::setEnabled);
    }
    columns->addWidget(others, 5);

    // Bottom buttons.
    auto *buttons = new QHBoxLayout;
    auto *reset = new QPushButton(QStringLiteral("Сброс"), this);
    reset->setObjectName(QStringLiteral("bReset"));
    auto *ok = new QPushButton(QStringLiteral("ОК"), this);
    ok->setObjectName(QStringLiteral("bOk"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), this);
    cancel->setObjectName(QStringLiteral("bCancel"));
    buttons->addWidget(reset);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    root->addLayout(buttons);
    connect(reset, &QPushButton::clicked, this, [this] { vz::guarded([this] { bResetClick(); }); });
    connect(ok, &QPushButton::clicked, this, &Tfilters::bOkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfilters::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    vz::guarded([this] { FormActivate(); });
}

QStringList Tfilters::readOptionalList(const QString &relative) const
{
    const QString path = m_browser.AppFile(relative);
    return QFile::exists(path) ? vz::readListFile(path) : QStringList();
}

void Tfilters::FormActivate()
{
    if (!m_listsLoaded) {
        m_clb2->setLines(readOptionalList(QStringLiteral("\\misc.ini")));
        reloadIfPresent(m_browser.artistsList());
        syncArtistList();
        reloadIfPresent(m_browser.setsList());
        m_clb->setLines(m_browser.setsList().lines);
        m_clb->setAllChecked(true);
        m_clb3->setLines(readOptionalList(QStringLiteral("\\class.ini")));
        m_listsLoaded = true;
        return;
    }
    // Other windows edit the master lists in between: show their current contents.
    syncSetList();
    syncArtistList();
}

void Tfilters::syncSetList()
{
    if (m_clb->lines() != m_browser.setsList().lines)
        rebuildKeepingMarks(m_clb, m_browser.setsList().lines, true);
}

void Tfilters::syncArtistList()
{
    const QStringList &lines = m_browser.artistsList().lines;
    QStringList shown;
    for (int i = 0; i < m_artists->count(); ++i)
        shown << m_artists->itemText(i);
    if (shown == lines)
        return;
    const QString chosen = m_artists->currentIndex() >= 0 ? m_artists->currentText() : QString();
    m_artists->clear();
    m_artists->addItems(lines);
    m_artists->setCurrentIndex(chosen.isEmpty() ? -1 : int(lines.indexOf(chosen)));
}

vz::FilterState Tfilters::filterState() const
{
    auto on = [this](const char *name) { return box(u8(name))->isChecked(); };
    auto field = [this](const char *name) { return m_fields.value(u8(name))->text(); };
    vz::FilterState s;
    s.artifact = on("C1");
    s.terrain = on("C2");
    s.creature = on("C3");
    s.equipment = on("c_4");
    s.ordinary = on("C5");
    s.elite = on("C6");
    s.swamps = on("C4");
    s.mountains = on("C7");
    s.forests = on("C8");
    s.neutrals = on("C11");
    s.steppes = on("C10");
    s.darkness = on("C9");
    s.common = on("C13");
    s.rare = on("C14");
    s.ultra = on("C16");
    s.promo = on("C15");
    s.symbiote = on("C23");
    s.flying = on("C24");
    s.immobile = on("C25");
    s.move = { on("C27"), field("minmov"), field("maxmov") };
    s.cost = { on("C26"), field("minprice"), field("maxprice") };
    s.weakHit = { on("C28"), field("minlilhit"), field("maxlilhit") };
    s.middleHit = { on("C33"), field("minmidhit"), field("maxmidhit") };
    s.strongHit = { on("C29"), field("minbighit"), field("maxbighit") };
    s.sets = m_clb->checkedLines();
    s.phrases = m_clb2->checkedLines();
    s.classActive = on("c67");
    s.classAny = m_classOr->isChecked();
    s.classes = m_clb3->checkedLines();
    for (int i = 0; i < m_keywordBoxes.size(); ++i)
        s.keywords[size_t(i)] = m_keywordBoxes.at(i)->isChecked();
    s.artistActive = on("C30");
    s.artist = m_artists->currentIndex() >= 0 ? m_artists->currentText() : QString();
    return s;
}

void Tfilters::bOkClick()
{
    vz::guarded([this] {
        const QStringList sql = vz::BuildFilterSql(filterState(), m_browser.SortOrder());
        vz::Query &filter = m_browser.qfilter();
        filter.close();
        filter.setSql(sql);
        filter.open(); // a rejected statement leaves qfilter as it was and throws
        m_browser.setCurrentSet(filter);
        m_browser.setFilterActive(1);
        accept();
        m_browser.FillCardList();
        m_browser.ShowCurrentCard();
    });
}

void Tfilters::bClassicClick()
{
    m_classic->setChecked(true);
    m_clb->setAllChecked(true);
}

void Tfilters::bStandardClick()
{
    m_standard->setChecked(true);
    // The standard sets are lines 12 to 15 of sets.ini; a shorter list checks those it has.
    m_clb->setAllChecked(false);
    for (int row = 11; row <= 14 && row < m_clb->count(); ++row)
        m_clb->setChecked(row, true);
}

void Tfilters::allClick(ToggleGroup group)
{
    const bool state = m_toggleState.value(group);
    auto set = [this](std::initializer_list<const char *> names, bool checked) {
        for (const char *name : names)
            box(u8(name))->setChecked(checked);
    };
    switch (group) {
    case ToggleGroup::Sets:
        m_clb->setAllChecked(state);
        break;
    case ToggleGroup::Types:
        set({ "C1", "C2", "C3", "c_4" }, state);
        break;
    case ToggleGroup::Elements:
        set({ "C4", "C7", "C8", "C11", "C10", "C9" }, state);
        break;
    case ToggleGroup::Rarities:
        set({ "C13", "C14", "C16", "C15" }, state);
        break;
    case ToggleGroup::Basics:
        set({ "C23", "C24", "C25", "C27" }, state);
        set({ "C26", "C28", "C33", "C29" }, !state);
        break;
    case ToggleGroup::Icons:
        for (QCheckBox *check : std::as_const(m_keywordBoxes))
            check->setChecked(state);
        break;
    case ToggleGroup::Phrases:
        m_clb2->setAllChecked(state);
        break;
    case ToggleGroup::Classes:
        m_clb3->setAllChecked(state);
        break;
    }
    m_toggleState[group] = !state;
}

void Tfilters::bResetClick()
{
    m_classic->setChecked(true);
    m_classAnd->setChecked(true);
    for (const char *name : { "C1", "C2", "C3", "c_4", "C5", "C6", "C4", "C7", "C8", "C11", "C10",
             "C9", "C13", "C14", "C16", "C15", "C23", "C24", "C25", "C27" })
        box(u8(name))->setChecked(true);
    for (const char *name : { "C26", "C28", "C33", "C29", "C30", "c67" })
        box(u8(name))->setChecked(false);
    for (QCheckBox *check : std::as_const(m_keywordBoxes))
        check->setChecked(false);
    m_clb->setAllChecked(true);
    m_clb2->setAllChecked(false);
    m_clb3->setAllChecked(false);
}

void Tfilters::done(int result)
{
    // Every close writes the set list back to sets.ini (the master copy other windows edit too).
    if (m_listsLoaded)
        vz::guarded([this] { m_browser.setsList().save(); });
    QDialog::done(result);
}
