// The filter, search and sort dialogs on the running program: their controls, the group
// buttons, the shared set and artist lists, and the moves of the card list between the default
// list, the filter result and the search result.

#include "catalogue/mainf.h"
#include "catalogue/program.h"
#include "platform/dataset.h"
#include "platform/dialogs.h"
#include "platform/sharedlist.h"
#include "platform/textfile.h"
#include "selection/checklistbox.h"
#include "selection/filter.h"
#include "selection/find.h"
#include "selection/sorting.h"
#include "selectionfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

template <typename T>
T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(u8(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QStringList u8list(std::initializer_list<const char *> names)
{
    QStringList result;
    for (const char *n : names)
        result << u8(n);
    return result;
}

const QStringList kAllShown = u8list(
    { "Альфа", "Бета", "Гамма", "Дельта", "Жук", "Зверь", "Искра", "Кот", "Мак", "Нора", "Оса" });

} // namespace

using Filters = Tfilters::ToggleGroup;
Q_DECLARE_METATYPE(Tfilters::ToggleGroup)

class TestSelectionWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void filterStartState_data();
    void filterStartState();
    void filterEnablingRules_data();
    void filterEnablingRules();
    void groupButtons_data();
    void groupButtons();
    void resetKeepsFieldsArtistAndFlags();
    void setButtons();
    void standardWithShortSetList();
    void entryClickTogglesOnce();
    void listsFollowTheMasterLists();

    void filterSearchAndEndThroughTheMainWindow();
    void searchFromDefaultListAndEnd();
    void cancelledDialogsChangeNothing();
    void filterButtonEndsSearchAndFilterAtOnce();
    void filterByArtistWithApostrophe();
    void brokenNumberKeepsDialogOpen();
    void rejectedFilterChangesNothing();
    void rejectedSearchChangesNothing();
    void enterAndEscape();
    void searchHistoryKeepsRepeats();
    void searchStartState();

    void sortThroughTheMainWindow();
    void sortNothingChosen();
    void sortLevelOneEmpty();

private:
    Tmain &main() { return m_fx->program().main(); }
    Tfilters *filters() { return m_fx->program().forms().filters; }
    Tsearch *search() { return m_fx->program().forms().search; }
    Tsort *sort() { return m_fx->program().forms().sort; }
    QStringList listed()
    {
        return child<QListView>(&main(), "ListBox1")->model() ? names() : QStringList();
    }
    QStringList names();
    QString caption() { return child<QGroupBox>(&main(), "main_wiever")->title(); }
    QToolButton *button(const char *name) { return child<QToolButton>(&main(), name); }
    /// Clicks a toolbar button of the main window; `inDialog` runs while its dialog is open, and
    /// the dialog is cancelled afterwards if it is still open.
    void clickWithDialog(const char *toolButton, QDialog *dialog, std::function<void()> inDialog);
    void openAndCancel(QDialog *dialog);

    std::unique_ptr<vzt::FixtureFolder> m_folder;
    std::unique_ptr<vzt::ProgramFixture> m_fx;
};

void TestSelectionWindows::init()
{
    m_folder = std::make_unique<vzt::FixtureFolder>();
    vzt::fillSelectionFolder(*m_folder);
    m_fx = std::make_unique<vzt::ProgramFixture>(m_folder->path());
}

void TestSelectionWindows::cleanup()
{
    m_fx.reset();
    m_folder.reset();
}

QStringList TestSelectionWindows::names()
{
    QAbstractItemModel *model = child<QListView>(&main(), "ListBox1")->model();
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result << model->index(row, 0).data().toString();
    return result;
}

void TestSelectionWindows::clickWithDialog(
    const char *toolButton, QDialog *dialog, std::function<void()> inDialog)
{
    bool ran = false;
    QTimer::singleShot(0, dialog, [&] {
        ran = true;
        QVERIFY(dialog->isVisible());
        inDialog();
        if (dialog->isVisible())
            dialog->reject();
    });
    button(toolButton)->click();
    QVERIFY(ran);
    QVERIFY(!dialog->isVisible());
}

void TestSelectionWindows::openAndCancel(QDialog *dialog)
{
    QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
    dialog->exec();
}

void TestSelectionWindows::filterStartState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    const struct
    {
        const char *name, *caption;
        bool checked, enabled;
    } rows[] = {
        { "C1", "Артефакт", true, true },
        { "C2", "Местность", true, true },
        { "C3", "Существо", true, true },
        { "c_4", "Экипировка", true, true },
        { "C5", "Рядовая", true, true },
        { "C6", "Элитная", true, true },
        { "C4", "Болота", true, true },
        { "C7", "Горы", true, true },
        { "C8", "Леса", true, true },
        { "C11", "Нейтралы", true, true },
        { "C10", "Степи", true, true },
        { "C9", "Тьма", true, true },
        { "C13", "Частая", true, true },
        { "C14", "Редкая", true, true },
        { "C16", "Ультра", true, true },
        { "C15", "Промо", true, true },
        { "C23", "Симбиот", true, true },
        { "C24", "Летающий", true, true },
        { "C25", "Не ходит (х)", true, true },
        { "C27", "Ход", true, true },
        { "C26", "Цена", false, true },
        { "C28", "Слабый удар", false, true },
        { "C33", "Средний удар", false, true },
        { "C29", "Сильный удар", false, true },
        { "C30", "Художник", false, true },
        { "c67", "Класс", false, true },
        { "C41", "", false, true },
        { "C43", "", false, true },
        { "C42", "", false, true },
        { "C44", "", false, true },
        { "C50", "", false, true },
        { "C52", "", false, true },
        { "C46", "", false, true },
        { "C47", "", false, true },
        { "C48", "", false, true },
        { "C49", "", false, true },
        { "C51", "", false, true },
        { "C53", "", false, true },
        { "classopand", "И", true, false },
        { "classopor", "ИЛИ", false, false },
        { "bClassic", "Классика", true, true },
        { "bStandard", "Стандарт", false, true },
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << u8(row.name) << u8(row.caption) << row.checked << row.enabled;
}

void TestSelectionWindows::filterStartState()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    Tfilters *dialog = filters();
    QCOMPARE(dialog->windowTitle(), u8("Фильтры"));
    QCOMPARE(dialog->size(), QSize(785, 641));
    auto *control = dialog->findChild<QAbstractButton *>(name);
    QVERIFY(control);
    QCOMPARE(control->text(), caption);
    QCOMPARE(control->isChecked(), checked);
    QCOMPARE(control->isEnabled(), enabled);
}

void TestSelectionWindows::filterEnablingRules_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<bool>("startChecked");
    QTest::newRow("Ход") << u8("C27") << u8list({ "minmov", "maxmov" }) << true;
    QTest::newRow("Цена") << u8("C26") << u8list({ "minprice", "maxprice" }) << false;
    QTest::newRow("Слабый удар") << u8("C28") << u8list({ "minlilhit", "maxlilhit" }) << false;
    QTest::newRow("Средний удар") << u8("C33") << u8list({ "minmidhit", "maxmidhit" }) << false;
    QTest::newRow("Сильный удар") << u8("C29") << u8list({ "minbighit", "maxbighit" }) << false;
    QTest::newRow("Художник") << u8("C30") << u8list({ "ComboBox1" }) << false;
    QTest::newRow("Класс") << u8("c67")
                           << u8list({ "clb3", "bAllClasses", "classopand", "classopor" }) << false;
}

void TestSelectionWindows::filterEnablingRules()
{
    QFETCH(QString, box);
    QFETCH(QStringList, controls);
    QFETCH(bool, startChecked);
    auto *check = filters()->findChild<QCheckBox *>(box);
    QVERIFY(check);
    QCOMPARE(check->isChecked(), startChecked);
    for (bool state : { startChecked, !startChecked, startChecked }) {
        check->setChecked(state); // set by the program: the rule applies too
        for (const QString &name : controls) {
            QWidget *w = filters()->findChild<QWidget *>(name);
            QVERIFY2(w, qPrintable(name));
            QCOMPARE(w->isEnabled(), state);
        }
    }
    // The value fields start with 0 and 99; "Ход" takes one character at its minimum.
    QCOMPARE(child<QLineEdit>(filters(), "minmov")->maxLength(), 1);
    QCOMPARE(child<QLineEdit>(filters(), "maxmov")->maxLength(), 2);
    QCOMPARE(child<QLineEdit>(filters(), "minprice")->text(), u8("0"));
    QCOMPARE(child<QLineEdit>(filters(), "maxbighit")->text(), u8("99"));
    QCOMPARE(child<QLineEdit>(filters(), "maxbighit")->maxLength(), 2);
}

void TestSelectionWindows::groupButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Filters>("group");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("oppositeBoxes");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("firstState");
    QTest::newRow("sets") << u8("bAllSets") << Filters::Sets << QStringList() << QStringList()
                          << u8("CLB") << false;
    QTest::newRow("types") << u8("bAllTypes") << Filters::Types
                           << u8list({ "C1", "C2", "C3", "c_4" }) << QStringList() << QString()
                           << false;
    QTest::newRow("elements") << u8("bAllElements") << Filters::Elements
                              << u8list({ "C4", "C7", "C8", "C11", "C10", "C9" }) << QStringList()
                              << QString() << false;
    QTest::newRow("rarities") << u8("bAllRarities") << Filters::Rarities
                              << u8list({ "C13", "C14", "C16", "C15" }) << QStringList()
                              << QString() << false;
    QTest::newRow("basics") << u8("bAllBasics") << Filters::Basics
                            << u8list({ "C23", "C24", "C25", "C27" })
                            << u8list({ "C26", "C28", "C33", "C29" }) << QString() << false;
    QTest::newRow("icons") << u8("bAllIcons") << Filters::Icons
                           << u8list({ "C41", "C46", "C43", "C47", "C42", "C48", "C44", "C49",
                                  "C50", "C51", "C52", "C53" })
                           << QStringList() << QString() << true;
    QTest::newRow("phrases") << u8("bAllPhrases") << Filters::Phrases << QStringList()
                             << QStringList() << u8("clb2") << true;
    QTest::newRow("classes") << u8("bAllClasses") << Filters::Classes << QStringList()
                             << QStringList() << u8("clb3") << true;
}

void TestSelectionWindows::groupButtons()
{
    QFETCH(QString, button);
    QFETCH(Filters, group);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, oppositeBoxes);
    QFETCH(QString, list);
    QFETCH(bool, firstState);
    Tfilters *dialog = filters();
    dialog->FormActivate(); // the lists filled as at the first opening
    child<QCheckBox>(dialog, "c67")->setChecked(true); // the class button works only then
    auto *press = dialog->findChild<QPushButton *>(button);
    QVERIFY(press);
    QCOMPARE(press->text(), u8("Все Вкл/Выкл"));
    for (bool expected : { firstState, !firstState, firstState }) {
        QCOMPARE(dialog->GroupToggleState(group), expected);
        press->click();
        QCOMPARE(dialog->GroupToggleState(group), !expected);
        for (const QString &name : boxes)
            QCOMPARE(dialog->findChild<QCheckBox *>(name)->isChecked(), expected);
        for (const QString &name : oppositeBoxes)
            QCOMPARE(dialog->findChild<QCheckBox *>(name)->isChecked(), !expected);
        if (!list.isEmpty()) {
            auto *entries = dialog->findChild<CheckListBox *>(list);
            QVERIFY(entries->count() > 0);
            for (int i = 0; i < entries->count(); ++i)
                QCOMPARE(entries->isChecked(i), expected);
        }
    }
}

void TestSelectionWindows::resetKeepsFieldsArtistAndFlags()
{
    Tfilters *dialog = filters();
    dialog->FormActivate();
    child<QPushButton>(dialog, "bAllIcons")->click(); // all keyword boxes on, flag now false
    child<QPushButton>(dialog, "bAllTypes")->click(); // all types off, flag now true
    child<QPushButton>(dialog, "bStandard")->click();
    child<QCheckBox>(dialog, "C6")->setChecked(false);
    child<QCheckBox>(dialog, "C26")->setChecked(true);
    child<QLineEdit>(dialog, "maxprice")->setText(u8("7"));
    child<QCheckBox>(dialog, "C30")->setChecked(true);
    child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(1);
    child<QCheckBox>(dialog, "c67")->setChecked(true);
    child<QRadioButton>(dialog, "classopor")->setChecked(true);
    child<CheckListBox>(dialog, "clb2")->setChecked(0, true);
    child<CheckListBox>(dialog, "clb3")->setChecked(1, true);

    child<QPushButton>(dialog, "bReset")->click();

    for (const char *name : { "C1", "C2", "C3", "c_4", "C5", "C6", "C4", "C7", "C8", "C11", "C10",
             "C9", "C13", "C14", "C16", "C15", "C23", "C24", "C25", "C27" })
        QVERIFY2(child<QCheckBox>(dialog, name)->isChecked(), name);
    for (const char *name : { "C26", "C28", "C33", "C29", "C30", "c67", "C41", "C46", "C43", "C47",
             "C42", "C48", "C44", "C49", "C50", "C51", "C52", "C53" })
        QVERIFY2(!child<QCheckBox>(dialog, name)->isChecked(), name);
    QVERIFY(child<QPushButton>(dialog, "bClassic")->isChecked());
    QVERIFY(!child<QPushButton>(dialog, "bStandard")->isChecked());
    QVERIFY(child<QRadioButton>(dialog, "classopand")->isChecked());
    QCOMPARE(child<CheckListBox>(dialog, "CLB")->checkedLines(), vzt::selectionSets());
    QVERIFY(child<CheckListBox>(dialog, "clb2")->checkedLines().isEmpty());
    QVERIFY(child<CheckListBox>(dialog, "clb3")->checkedLines().isEmpty());
    QCOMPARE(child<QLineEdit>(dialog, "maxprice")->text(), u8("7"));
    QCOMPARE(child<QComboBox>(dialog, "ComboBox1")->currentText(), u8("Анна Сидорова"));
    QVERIFY(!child<QComboBox>(dialog, "ComboBox1")->isEnabled());
    QVERIFY(!child<CheckListBox>(dialog, "clb3")->isEnabled());
    // The flags follow their own presses, not the reset.
    QCOMPARE(dialog->GroupToggleState(Filters::Icons), false);
    QCOMPARE(dialog->GroupToggleState(Filters::Types), true);
    child<QPushButton>(dialog, "bAllTypes")->click(); // sets what the reset set already
    QVERIFY(child<QCheckBox>(dialog, "C1")->isChecked());
}

void TestSelectionWindows::setButtons()
{
    Tfilters *dialog = filters();
    dialog->FormActivate();
    auto *sets = child<CheckListBox>(dialog, "CLB");
    QCOMPARE(sets->lines(), vzt::selectionSets());
    QCOMPARE(sets->checkedLines(), vzt::selectionSets());
    child<QPushButton>(dialog, "bStandard")->click();
    QCOMPARE(sets->checkedLines(), u8list({ "Сет 12", "Сет 13", "Сет 14", "Сет 15" }));
    QVERIFY(child<QPushButton>(dialog, "bStandard")->isChecked());
    QVERIFY(!child<QPushButton>(dialog, "bClassic")->isChecked());
    child<QPushButton>(dialog, "bClassic")->click();
    QCOMPARE(sets->checkedLines(), vzt::selectionSets());
    QVERIFY(!child<QPushButton>(dialog, "bStandard")->isChecked());
}

void TestSelectionWindows::standardWithShortSetList()
{
    m_fx.reset();
    m_folder->writeList(QStringLiteral("sets.ini"), vzt::selectionSets().mid(0, 13));
    m_fx = std::make_unique<vzt::ProgramFixture>(m_folder->path());
    filters()->FormActivate();
    child<QPushButton>(filters(), "bStandard")->click();
    QCOMPARE(child<CheckListBox>(filters(), "CLB")->checkedLines(), u8list({ "Сет 12", "Сет 13" }));
    QVERIFY(m_fx->dialogs().errors.isEmpty());
}

void TestSelectionWindows::entryClickTogglesOnce()
{
    Tfilters *dialog = filters();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    for (const char *name : { "CLB", "clb2" }) {
        auto *list = child<CheckListBox>(dialog, name);
        QVERIFY(list->count() >= 2);
        const bool before = list->isChecked(1);
        const QRect rect = list->visualItemRect(list->item(1));
        // On the text.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(list->isChecked(1), !before);
        // On the check box.
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 10, rect.center().y()));
        QCOMPARE(list->isChecked(1), before);
        // Space on the current entry.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->isChecked(1), !before);
        QCOMPARE(list->isChecked(0), name == std::string("CLB"));
    }
    // The class list takes no clicks while "Класс" is off.
    auto *classes = child<CheckListBox>(dialog, "clb3");
    QTest::mouseClick(classes->viewport(), Qt::LeftButton, {},
        classes->visualItemRect(classes->item(0)).center());
    QVERIFY(!classes->isChecked(0));
    dialog->reject();
}

void TestSelectionWindows::listsFollowTheMasterLists()
{
    Tfilters *dialog = filters();
    QVERIFY(!dialog->ListsLoaded());
    openAndCancel(dialog);
    QVERIFY(dialog->ListsLoaded());
    auto *sets = child<CheckListBox>(dialog, "CLB");
    auto *artists = child<QComboBox>(dialog, "ComboBox1");
    QCOMPARE(
        child<CheckListBox>(dialog, "clb2")->lines(), u8list({ "\"Первый удар\"", "'Ярость'" }));
    QCOMPARE(child<CheckListBox>(dialog, "clb3")->lines(), u8list({ "Гном", "Эльф" }));
    QCOMPARE(artists->count(), 3);
    sets->setChecked(0, false);

    // Another window inserts a set and an artist into the master lists.
    main().setsList().lines.insert(2, u8("Новый сет"));
    main().artistsList().lines << u8("Новый художник");
    openAndCancel(dialog);
    QCOMPARE(sets->lines(), main().setsList().lines);
    QVERIFY(!sets->isChecked(0)); // marks kept
    QVERIFY(sets->isChecked(2)); // the new set is checked
    QCOMPARE(artists->itemText(3), u8("Новый художник"));
    // Every close wrote the master list to sets.ini.
    QCOMPARE(vz::readListFile(m_folder->file(QStringLiteral("sets.ini"))), main().setsList().lines);

    // Cleared ListsLoaded: the files are read again, every set checked, phrases unchecked.
    child<CheckListBox>(dialog, "clb2")->setChecked(0, true);
    m_folder->writeList(QStringLiteral("sets.ini"), u8list({ "А", "Б" }));
    m_folder->writeList(QStringLiteral("misc.ini"), u8list({ "(x)", "(y)", "(z)" }));
    dialog->setListsLoaded(false);
    openAndCancel(dialog);
    QCOMPARE(main().setsList().lines, u8list({ "А", "Б" }));
    QCOMPARE(sets->checkedLines(), u8list({ "А", "Б" }));
    QCOMPARE(child<CheckListBox>(dialog, "clb2")->lines(), u8list({ "(x)", "(y)", "(z)" }));
    QVERIFY(child<CheckListBox>(dialog, "clb2")->checkedLines().isEmpty());
    QVERIFY(m_fx->dialogs().errors.isEmpty());
}

void TestSelectionWindows::filterSearchAndEndThroughTheMainWindow()
{
    QCOMPARE(names(), kAllShown);
    QCOMPARE(caption(), u8("Выбрано карт: 11"));

    // Filter: only the element "Тьма" (and cards of no element).
    clickWithDialog("bFilters", filters(), [this] {
        child<QPushButton>(filters(), "bAllElements")->click();
        child<QCheckBox>(filters(), "C9")->setChecked(true);
        child<QPushButton>(filters(), "bOk")->click();
    });
    QCOMPARE(names(), u8list({ "Нора", "Оса" }));
    QCOMPARE(caption(), u8("Выбрано карт: 2"));
    QCOMPARE(&main().CurrentSet(), &main().qfilter());
    QCOMPARE(main().FilterActive(), 1);
    QVERIFY(button("bFilters")->isChecked());
    QCOMPARE(main().qfilter().sql().last(), u8("ORDER BY name"));

    // Search inside the filter result.
    clickWithDialog("bSearch", search(), [this] {
        child<QComboBox>(search(), "find")->setEditText(u8("д"));
        child<QPushButton>(search(), "bOk")->click();
    });
    QCOMPARE(names(), u8list({ "Нора" }));
    QCOMPARE(caption(), u8("Выбрано карт: 1"));
    QCOMPARE(main().SearchBase(), 2);
    QCOMPARE(&main().CurrentSet(), &main().qsearch());
    QVERIFY(button("bSearch")->isChecked());
    QVERIFY(button("bFilters")->isChecked());
    QVERIFY(main().qsearch().sql().contains(u8("or element=5")));

    // Ending the search returns to the filter result.
    button("bSearch")->click();
    QCOMPARE(names(), u8list({ "Нора", "Оса" }));
    QCOMPARE(main().SearchBase(), 0);
    QVERIFY(!button("bSearch")->isChecked());
    QCOMPARE(&main().CurrentSet(), &main().qfilter());

    // Ending the filter returns to the whole list.
    button("bFilters")->click();
    QCOMPARE(names(), kAllShown);
    QCOMPARE(caption(), u8("Выбрано карт: 11"));
    QCOMPARE(main().FilterActive(), 0);
    QVERIFY(!button("bFilters")->isChecked());
    QCOMPARE(&main().CurrentSet(), &main().defquery());
    QVERIFY(m_fx->dialogs().errors.isEmpty());
}

void TestSelectionWindows::searchFromDefaultListAndEnd()
{
    clickWithDialog("bSearch", search(), [this] {
        child<QComboBox>(search(), "find")->setEditText(u8("дракон"));
        child<QCheckBox>(search(), "flvcb")->setChecked(true);
        child<QPushButton>(search(), "bOk")->click();
    });
    QCOMPARE(names(), u8list({ "Зверь", "Нора" }));
    QCOMPARE(main().SearchBase(), 1);
    QVERIFY(button("bSearch")->isChecked());
    QVERIFY(!button("bFilters")->isChecked());

    // No box checked: an empty result.
    button("bSearch")->click();
    QCOMPARE(names(), kAllShown);
    clickWithDialog("bSearch", search(), [this] {
        for (const char *name : { "txtcb", "flvcb", "nmcb" })
            child<QCheckBox>(search(), name)->setChecked(false);
        child<QPushButton>(search(), "bOk")->click();
    });
    QCOMPARE(names(), QStringList());
    QCOMPARE(caption(), u8("Выбрано карт: 0"));
    button("bSearch")->click();
    QCOMPARE(names(), kAllShown);
    QCOMPARE(&main().CurrentSet(), &main().defquery());
}

void TestSelectionWindows::cancelledDialogsChangeNothing()
{
    clickWithDialog("bFilters", filters(), [this] {
        child<QCheckBox>(filters(), "C1")->setChecked(false);
        child<QPushButton>(filters(), "bCancel")->click();
    });
    QCOMPARE(names(), kAllShown);
    QCOMPARE(main().FilterActive(), 0);
    QVERIFY(!button("bFilters")->isChecked());
    QVERIFY(main().qfilter().sql().isEmpty());
    // The dialog keeps its check marks between openings.
    QVERIFY(!child<QCheckBox>(filters(), "C1")->isChecked());

    clickWithDialog(
        "bSearch", search(), [this] { child<QPushButton>(search(), "bCancel")->click(); });
    QCOMPARE(main().SearchBase(), 0);
    QVERIFY(!button("bSearch")->isChecked());
    QCOMPARE(names(), kAllShown);
}

void TestSelectionWindows::filterButtonEndsSearchAndFilterAtOnce()
{
    clickWithDialog("bFilters", filters(), [this] {
        child<QCheckBox>(filters(), "C5")->setChecked(false); // elite only
        child<QPushButton>(filters(), "bOk")->click();
    });
    QCOMPARE(names(), u8list({ "Нора" }));
    clickWithDialog("bSearch", search(), [this] {
        child<QComboBox>(search(), "find")->setEditText(u8("кошка"));
        child<QPushButton>(search(), "bOk")->click();
    });
    QCOMPARE(names(), QStringList());
    QCOMPARE(main().SearchBase(), 2);

    button("bFilters")->click(); // no dialog: the search and the filter both end
    QCOMPARE(main().SearchBase(), 0);
    QCOMPARE(main().FilterActive(), 0);
    QVERIFY(!button("bSearch")->isChecked());
    QVERIFY(!button("bFilters")->isChecked());
    QCOMPARE(&main().CurrentSet(), &main().defquery());
    QCOMPARE(names(), kAllShown);

    // A search from the default list, then the filter button: the search ends and the dialog
    // opens at once.
    clickWithDialog("bSearch", search(), [this] {
        child<QComboBox>(search(), "find")->setEditText(u8("дракон"));
        child<QPushButton>(search(), "bOk")->click();
    });
    QCOMPARE(main().SearchBase(), 1);
    bool opened = false;
    clickWithDialog("bFilters", filters(), [&] {
        opened = true;
        QCOMPARE(main().SearchBase(), 0);
        child<QPushButton>(filters(), "bOk")->click();
    });
    QVERIFY(opened);
    QCOMPARE(main().FilterActive(), 1);
    QCOMPARE(names(), u8list({ "Нора" }));
}

void TestSelectionWindows::filterByArtistWithApostrophe()
{
    clickWithDialog("bFilters", filters(), [this] {
        child<QCheckBox>(filters(), "C30")->setChecked(true);
        auto *artists = child<QComboBox>(filters(), "ComboBox1");
        artists->setCurrentIndex(artists->findText(u8("О'Нил")));
        child<QPushButton>(filters(), "bOk")->click();
    });
    QVERIFY(m_fx->dialogs().errors.isEmpty());
    QCOMPARE(names(), u8list({ "Кот" }));
    QCOMPARE(
        main().qfilter().sql().at(main().qfilter().sql().size() - 2), u8("and artist='О''Нил'"));
}

void TestSelectionWindows::brokenNumberKeepsDialogOpen()
{
    bool stayedOpen = false;
    clickWithDialog("bFilters", filters(), [&] {
        child<QCheckBox>(filters(), "C26")->setChecked(true);
        child<QLineEdit>(filters(), "maxprice")->setText(u8("x"));
        child<QPushButton>(filters(), "bOk")->click();
        stayedOpen = filters()->isVisible();
    });
    QVERIFY(stayedOpen);
    QCOMPARE(m_fx->dialogs().errors, u8list({ "В поле «Цена» должно быть целое число." }));
    QCOMPARE(main().FilterActive(), 0);
    QVERIFY(!button("bFilters")->isChecked());
    QVERIFY(main().qfilter().sql().isEmpty());
    QCOMPARE(names(), kAllShown);
}

void TestSelectionWindows::rejectedFilterChangesNothing()
{
    // A filter in force, a search on it, then the ORDER BY made invalid for the engine.
    clickWithDialog("bFilters", filters(), [this] {
        child<QCheckBox>(filters(), "C5")->setChecked(false);
        child<QPushButton>(filters(), "bOk")->click();
    });
    button("bFilters")->click();
    const QStringList filterSql = main().qfilter().sql();
    main().setSortOrder(u8("no_such_field"));
    bool stayedOpen = false;
    clickWithDialog("bFilters", filters(), [&] {
        child<QPushButton>(filters(), "bOk")->click();
        stayedOpen = filters()->isVisible();
    });
    QVERIFY(stayedOpen);
    QCOMPARE(m_fx->dialogs().errors.size(), 1);
    QVERIFY(m_fx->dialogs().errors.first().contains(u8("no_such_field")));
    QCOMPARE(main().FilterActive(), 0);
    QVERIFY(!button("bFilters")->isChecked());
    QCOMPARE(&main().CurrentSet(), &main().defquery());
    QCOMPARE(main().qfilter().sql(), filterSql);
    QCOMPARE(names(), kAllShown);
}

void TestSelectionWindows::rejectedSearchChangesNothing()
{
    clickWithDialog("bFilters", filters(), [this] {
        child<QCheckBox>(filters(), "C5")->setChecked(false);
        child<QPushButton>(filters(), "bOk")->click();
    });
    main().setSortOrder(u8("no_such_field"));
    bool stayedOpen = false;
    clickWithDialog("bSearch", search(), [&] {
        child<QComboBox>(search(), "find")->setEditText(u8("дракон"));
        child<QPushButton>(search(), "bOk")->click();
        stayedOpen = search()->isVisible();
    });
    QVERIFY(stayedOpen);
    QCOMPARE(m_fx->dialogs().errors.size(), 1);
    QCOMPARE(main().SearchBase(), 0);
    QVERIFY(!button("bSearch")->isChecked());
    QCOMPARE(&main().CurrentSet(), &main().qfilter());
    QVERIFY(main().qsearch().sql().isEmpty());
    QCOMPARE(names(), u8list({ "Нора" }));
    QCOMPARE(child<QComboBox>(search(), "find")->count(), 0); // nothing added to the history

    // The next click of the search button opens the dialog again instead of ending a search.
    main().setSortOrder(u8("name"));
    bool opened = false;
    clickWithDialog("bSearch", search(), [&] { opened = true; });
    QVERIFY(opened);
}

void TestSelectionWindows::enterAndEscape()
{
    // Escape cancels the filter dialog, which still writes sets.ini: a file gone missing is
    // written back from the list in memory, not emptied.
    QFile::remove(m_folder->file(QStringLiteral("sets.ini")));
    clickWithDialog("bFilters", filters(),
        [this] { QTest::keyClick(child<QCheckBox>(filters(), "C1"), Qt::Key_Escape); });
    QCOMPARE(main().FilterActive(), 0);
    QCOMPARE(vz::readListFile(m_folder->file(QStringLiteral("sets.ini"))), vzt::selectionSets());

    // Enter is OK.
    clickWithDialog("bFilters", filters(), [this] {
        child<QCheckBox>(filters(), "C6")->setChecked(false);
        QTest::keyClick(child<QCheckBox>(filters(), "C6"), Qt::Key_Return);
    });
    QCOMPARE(main().FilterActive(), 1);
    QCOMPARE(names(), u8list({ "Альфа", "Дельта", "Жук", "Зверь", "Кот", "Оса" }));
    button("bFilters")->click();

    // Enter in the search box runs the search once.
    clickWithDialog("bSearch", search(), [this] {
        auto *find = child<QComboBox>(search(), "find");
        find->setEditText(u8("дракон"));
        QTest::keyClick(find->lineEdit(), Qt::Key_Return);
    });
    QCOMPARE(main().SearchBase(), 1);
    QCOMPARE(names(), u8list({ "Зверь" }));
    QCOMPARE(child<QComboBox>(search(), "find")->count(), 1);
    button("bSearch")->click();

    // Escape cancels the search and the sort dialogs.
    clickWithDialog("bSearch", search(), [this] {
        QTest::keyClick(child<QComboBox>(search(), "find")->lineEdit(), Qt::Key_Escape);
    });
    QCOMPARE(main().SearchBase(), 0);
    clickWithDialog("bSort", sort(), [this] {
        auto *level = child<QComboBox>(sort(), "si1");
        level->setCurrentIndex(level->findText(u8("Стоимость")));
        QTest::keyClick(level, Qt::Key_Escape);
    });
    QCOMPARE(main().SortOrder(), u8("name"));
    QVERIFY(m_fx->dialogs().errors.isEmpty());
}

void TestSelectionWindows::searchHistoryKeepsRepeats()
{
    for (int i = 0; i < 2; ++i) {
        clickWithDialog("bSearch", search(), [this] {
            child<QComboBox>(search(), "find")->setEditText(u8("Гном"));
            child<QPushButton>(search(), "bOk")->click();
        });
        QCOMPARE(names(), u8list({ "Альфа", "Кот" }));
        button("bSearch")->click();
    }
    auto *find = child<QComboBox>(search(), "find");
    QCOMPARE(find->count(), 2);
    QCOMPARE(find->itemText(0), u8("Гном"));
    QCOMPARE(find->itemText(1), u8("Гном"));
}

void TestSelectionWindows::searchStartState()
{
    Tsearch *dialog = search();
    QCOMPARE(dialog->windowTitle(), u8("Поиск"));
    QCOMPARE(dialog->size(), QSize(209, 177));
    QCOMPARE(child<QComboBox>(dialog, "find")->currentText(), u8("Введите текст для поиска"));
    QCOMPARE(child<QComboBox>(dialog, "find")->count(), 0);
    QCOMPARE(child<QCheckBox>(dialog, "txtcb")->text(), u8("Текст карты"));
    QCOMPARE(child<QCheckBox>(dialog, "flvcb")->text(), u8("Художественный текст"));
    QCOMPARE(child<QCheckBox>(dialog, "nmcb")->text(), u8("Название"));
    QVERIFY(child<QCheckBox>(dialog, "txtcb")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "flvcb")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "nmcb")->isChecked());
    QCOMPARE(child<QPushButton>(dialog, "bOk")->text(), u8("OK"));
    QCOMPARE(child<QPushButton>(dialog, "bCancel")->text(), u8("Отмена"));

    Tsort *sorting = sort();
    QCOMPARE(sorting->windowTitle(), u8("Сортировка"));
    QCOMPARE(sorting->size(), QSize(289, 241));
    for (const char *name : { "si1", "si2", "si3" }) {
        auto *list = child<QComboBox>(sorting, name);
        QCOMPARE(list->currentText(), QString());
        QCOMPARE(list->count(), 9);
        QCOMPARE(list->itemText(0), QString());
        QCOMPARE(list->itemText(2), u8("Номер в сете"));
    }
    QVERIFY(child<QRadioButton>(sorting, "asc2")->isChecked());
    QCOMPARE(child<QRadioButton>(sorting, "desc3")->text(), u8("По убыванию"));
}

void TestSelectionWindows::sortThroughTheMainWindow()
{
    clickWithDialog("bFilters", filters(), [this] {
        child<QCheckBox>(filters(), "C3")
            ->setChecked(false); // no creatures: Дельта, Кот, Нора, Оса
        child<QPushButton>(filters(), "bOk")->click();
    });
    QCOMPARE(names(), u8list({ "Дельта", "Кот", "Нора", "Оса" }));
    clickWithDialog("bSort", sort(), [this] {
        auto *level1 = child<QComboBox>(sort(), "si1");
        level1->setCurrentIndex(level1->findText(u8("Стоимость")));
        child<QRadioButton>(sort(), "desc1")->setChecked(true);
        auto *level2 = child<QComboBox>(sort(), "si2");
        level2->setCurrentIndex(level2->findText(u8("Имя карты")));
        child<QPushButton>(sort(), "bOk")->click();
    });
    QCOMPARE(sort()->FSortText(), u8("cost desc , name asc "));
    QCOMPARE(main().SortOrder(), u8("cost desc , name asc "));
    QCOMPARE(names(), u8list({ "Дельта", "Кот", "Нора", "Оса" })); // Дельта costs 3, the rest 2
    QVERIFY(!button("bSort")->isDown());

    // Three levels: element descending first.
    clickWithDialog("bSort", sort(), [this] {
        auto *level1 = child<QComboBox>(sort(), "si1");
        level1->setCurrentIndex(level1->findText(u8("Стихия")));
        auto *level3 = child<QComboBox>(sort(), "si3");
        level3->setCurrentIndex(level3->findText(u8("Редкость")));
        child<QRadioButton>(sort(), "desc3")->setChecked(true);
        child<QPushButton>(sort(), "bOk")->click();
    });
    QCOMPARE(main().SortOrder(), u8("element desc , name asc , rarity desc "));
    QCOMPARE(names(), u8list({ "Нора", "Дельта", "Кот", "Оса" }));
    // Ending the filter shows the default list in the new order too.
    button("bFilters")->click();
    QCOMPARE(names().first(), u8("Нора"));
    QCOMPARE(names().last(), u8("Оса"));
    QVERIFY(m_fx->dialogs().errors.isEmpty());
}

void TestSelectionWindows::sortNothingChosen()
{
    bool stayedOpen = false;
    clickWithDialog("bSort", sort(), [&] {
        child<QPushButton>(sort(), "bOk")->click();
        stayedOpen = sort()->isVisible();
    });
    QVERIFY(stayedOpen);
    QCOMPARE(m_fx->dialogs().notices, u8list({ "Не введены условия сортировки О_о" }));
    QCOMPARE(main().SortOrder(), u8("name"));
    QCOMPARE(names(), kAllShown);
}

void TestSelectionWindows::sortLevelOneEmpty()
{
    clickWithDialog("bSort", sort(), [this] {
        auto *level2 = child<QComboBox>(sort(), "si2");
        level2->setCurrentIndex(level2->findText(u8("Стоимость")));
        child<QRadioButton>(sort(), "desc2")->setChecked(true);
        child<QPushButton>(sort(), "bOk")->click();
    });
    QVERIFY(m_fx->dialogs().errors.isEmpty());
    QCOMPARE(main().SortOrder(), u8("cost desc "));
    QCOMPARE(names().mid(0, 2), u8list({ "Жук", "Дельта" }));
}

QTEST_MAIN(TestSelectionWindows)
#include "tst_selectionwindows.moc"
