#pragma once

#include "filterquery.h"

#include <QDialog>
#include <QHash>

class CardBrowser;
class CheckListBox;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

/// The dialog "Фильтры": chooses the card types, elite kinds, elements, rarities, sets, value
/// ranges, rules-text phrases, classes, keyword icons and artist the card list is narrowed to.
/// Its OK builds the filter query into qfilter and makes it the card list's data set. The set
/// and artist lists it shows are the browser's master lists; every close writes sets.ini.
class Tfilters : public QDialog
{
    Q_OBJECT
public:
    /// The groups with a "Все Вкл/Выкл" button.
    enum class ToggleGroup { Sets, Types, Elements, Rarities, Basics, Icons, Phrases, Classes };

    explicit Tfilters(CardBrowser &browser, QWidget *parent = nullptr);

    /// Whether the four lists have been read from their files; clearing it makes the next
    /// activation read them again.
    bool ListsLoaded() const { return m_listsLoaded; }
    void setListsLoaded(bool loaded) { m_listsLoaded = loaded; }

    /// The check state the group's "Все Вкл/Выкл" button sets at its next press.
    bool GroupToggleState(ToggleGroup group) const { return m_toggleState.value(group); }

    /// Activation: reads the four lists when they are not loaded, and brings the set and artist
    /// lists in step with the master lists otherwise.
    void FormActivate();
    /// The controls' states as the filter query needs them.
    vz::FilterState filterState() const;

    void bOkClick();
    void bResetClick();
    void bClassicClick();
    void bStandardClick();
    void allClick(ToggleGroup group);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildWindow();
    void syncSetList();
    void syncArtistList();
    QStringList readOptionalList(const QString &relative) const;
    QCheckBox *box(const QString &name) const;

    CardBrowser &m_browser;
    bool m_listsLoaded = false;
    QHash<ToggleGroup, bool> m_toggleState;

    CheckListBox *m_clb = nullptr, *m_clb2 = nullptr, *m_clb3 = nullptr;
    QPushButton *m_classic = nullptr, *m_standard = nullptr;
    QComboBox *m_artists = nullptr;
    QRadioButton *m_classAnd = nullptr, *m_classOr = nullptr;
    QPushButton *m_allClasses = nullptr;
    QHash<QString, QCheckBox *> m_boxes; // by object name
    QHash<QString, QLineEdit *> m_fields; // by object name
    QList<QCheckBox *> m_keywordBoxes; // in query order
};
