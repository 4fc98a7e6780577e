#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <random>
#include <vector>

struct sqlite3;
class QImage;

namespace vz::sample {

/// A deterministic random source: std::mt19937 with our own arithmetic on top, so the results
/// do not depend on the standard library's distributions.
class Rng
{
public:
    explicit Rng(quint32 seed)
        : m_gen(seed)
    {
    }
    /// Uniform in 0..n-1 (0 when n is 0).
    quint32 below(quint32 n) { return n ? quint32((quint64(m_gen()) * n) >> 32) : 0; }
    /// Uniform in lo..hi, both included.
    int range(int lo, int hi) { return lo + int(below(quint32(hi - lo + 1))); }
    /// True with the given chance in percent.
    bool chance(int percent) { return int(below(100)) < percent; }
    template<typename T>
    const T &pick(const std::vector<T> &items) { return items[below(quint32(items.size()))]; }
    const QString &pick(const QStringList &items) { return items[below(quint32(items.size()))]; }
    template<typename T>
    void shuffle(std::vector<T> &items)
    {
        for (size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[below(quint32(i))]);
    }

private:
    std::mt19937 m_gen;
};

/// One row of the card table; an empty text is stored as NULL.
struct SampleCard
{
    int cardIndex = 0;
    QString name;
    QString text;
    int elity = 1;
    int cost = 0;
    int life = -1;
    int move = 0;
    int ld = -1;
    int ad = -1;
    int sd = -1;
    QString flavor;
    int number = 0;
    int rarity = 2;
    QString artist;
    int element = 0;
    QString setName;
    int setNum = 0;
    int type = 3;
    QString picPath;
    QString date;
    QString comment;
    QString printedCost;
    QString scanPath;
    bool hasPicture = false; ///< small/<picPath>.jpg is drawn
    bool hasScan = false;    ///< html/<scanPath>.jpg is drawn
};

/// The whole invented catalogue with its list files.
struct SampleCatalogue
{
    std::vector<SampleCard> cards; ///< visible rows first (card_index 1..N), then hidden rows
    QStringList sets;              ///< sets.ini: line k is set number k
    QStringList artists;           ///< artists.ini (sorted)
    QStringList classes;           ///< class.ini
    QStringList misc;              ///< misc.ini
    QStringList trans;             ///< trans.ini, 33 lines
    QStringList boosters;          ///< boosters.ini, "title=code"
    QStringList bc;                ///< bc.ini, "code name"
    QStringList deckMountains;     ///< Decks/Горы.dec
    QStringList deckSteppes;       ///< Decks/Степи.dec
};

SampleCatalogue buildCatalogue(int cardCount, quint32 seed);
void insertCards(sqlite3 *db, const std::vector<SampleCard> &cards);

/// Transliterates a card name into a Latin file stem with the table `trans` (33 lines).
QString transliterate(const QString &name, const QStringList &trans);

/// The twenty markup abbreviations in index order.
const QStringList &markupAbbreviations();

/// Pictures: everything under pics/, small/ and html/ (except the fonts). Throws vz::Error.
void drawAllPictures(const QString &dir, const SampleCatalogue &catalogue, quint32 seed);

/// Writes `image` as a GIF with giflib (Qt reads GIF but cannot write it).
bool writeGif(const QImage &image, const QString &path);

} // namespace vz::sample
