// Invented cards, list files and decks of the sample program folder.

#include "sampleinternal.h"

#include "catalogue/markup.h"
#include "sampledata.h"

#include "platform/database.h"
#include "platform/error.h"

#include <QHash>
#include <QSet>

#include <sqlite3.h>

namespace vz::sample {

namespace {

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList L(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

const int kPromoSet = 8;

// ---- word parts -------------------------------------------------------------------------

const QStringList &adjectives()
{
    static const QStringList list = L({"Каменный", "Тёмный", "Древний", "Лесной", "Горный", "Степной",
        "Болотный", "Огненный", "Ледяной", "Железный", "Золотой", "Серебряный", "Дикий", "Мудрый",
        "Яростный", "Призрачный", "Зелёный", "Чёрный", "Белый", "Кровавый", "Небесный", "Ночной",
        "Старый", "Быстрый", "Верный", "Могучий", "Проклятый", "Священный", "Хмурый", "Весёлый"});
    return list;
}

QString feminine(const QString &adjective)
{
    if (adjective.endsWith(S("ний")))
        return adjective.chopped(2) + S("яя");
    return adjective.chopped(2) + S("ая");
}

const QStringList &creatureNounsM()
{
    static const QStringList list = L({"страж", "воин", "маг", "шаман", "охотник", "рыцарь", "голем",
        "дракон", "волк", "медведь", "ёж", "змей", "жрец", "колдун", "лучник", "следопыт", "берсерк",
        "варвар", "кузнец", "странник", "отшельник", "демон", "призрак", "элементаль", "вепрь",
        "орёл", "всадник", "ящер", "паук", "стрелок", "знахарь", "дозорный"});
    return list;
}

const QStringList &creatureNounsF()
{
    static const QStringList list = L({"ведьма", "жрица", "волчица", "сова", "дева", "чародейка",
        "змея", "лучница", "рысь", "пантера", "виверна", "гарпия", "травница", "воительница"});
    return list;
}

const QStringList &genitives()
{
    static const QStringList list = L({"леса", "гор", "степей", "болот", "тьмы", "ветра", "бури",
        "огня", "льда", "Зарнака", "севера", "пустоши", "пещер", "курганов", "рассвета", "заката",
        "долины", "теней", "камня", "трясины"});
    return list;
}

const QStringList &syllablesFirst()
{
    static const QStringList list = L({"Гор", "Тор", "Бра", "Ил", "Ва", "Зар", "Мор", "Ке", "Рад",
        "Свя", "Ул", "Ар", "Эль", "Дра", "Ве", "Ло", "Ёр", "Гун", "Сиг", "Ха"});
    return list;
}

const QStringList &syllablesMiddle()
{
    static const QStringList list = L({"ан", "ви", "ро", "ле", "ми", "да", "го", "", "", "ре"});
    return list;
}

const QStringList &syllablesLast()
{
    static const QStringList list = L({"ар", "ин", "ольд", "ен", "ир", "аш", "ор", "ад", "ей", "ум"});
    return list;
}

const QStringList &epithets()
{
    static const QStringList list = L({"Смелый", "Мудрый", "Одноглазый", "Хитрый", "Седой",
        "Неистовый", "Бродяга", "Молчаливый", "Рыжий", "Старший"});
    return list;
}

struct NounSet
{
    QStringList masculine;
    QStringList feminine;
};

const NounSet &artifactNouns()
{
    static const NounSet set{L({"Амулет", "Посох", "Кристалл", "Тотем", "Алтарь", "Идол", "Котёл",
                                "Фонарь", "Свиток", "Рог", "Обелиск"}),
                             L({"Чаша", "Руна", "Корона", "Книга", "Маска", "Статуя", "Сфера"})};
    return set;
}

const NounSet &terrainNouns()
{
    static const NounSet set{L({"Перевал", "Курган", "Лес", "Утёс", "Брод", "Остров", "Каньон"}),
                             L({"Долина", "Пещера", "Роща", "Топь", "Крепость", "Башня", "Равнина",
                                "Трясина"})};
    return set;
}

const NounSet &equipmentNouns()
{
    static const NounSet set{L({"Меч", "Щит", "Молот", "Шлем", "Плащ", "Лук", "Кинжал", "Доспех"}),
                             L({"Секира", "Кольчуга", "Булава", "Палица", "Перевязь"})};
    return set;
}

QString capitalised(const QString &text)
{
    return text.isEmpty() ? text : text.left(1).toUpper() + text.mid(1);
}

QString properName(Rng &rng)
{
    return rng.pick(syllablesFirst()) + rng.pick(syllablesMiddle()) + rng.pick(syllablesLast());
}

QString objectName(Rng &rng, const NounSet &nouns)
{
    const bool fem = rng.chance(40);
    const QString noun = rng.pick(fem ? nouns.feminine : nouns.masculine);
    if (rng.chance(50)) {
        const QString adjective = rng.pick(adjectives());
        return (fem ? feminine(adjective) : adjective) + QLatin1Char(' ') + noun.toLower();
    }
    return noun + QLatin1Char(' ') + rng.pick(genitives());
}

QString makeName(Rng &rng, int type)
{
    switch (type) {
    case 1:
        return objectName(rng, artifactNouns());
    case 2:
        return objectName(rng, terrainNouns());
    case 4:
        return objectName(rng, equipmentNouns());
    default:
        break;
    }
    const int pattern = int(rng.below(100));
    if (pattern < 35) {
        const bool fem = rng.chance(30);
        const QString adjective = rng.pick(adjectives());
        const QString noun = rng.pick(fem ? creatureNounsF() : creatureNounsM());
        return (fem ? feminine(adjective) : adjective) + QLatin1Char(' ') + noun;
    }
    if (pattern < 60) {
        const bool fem = rng.chance(30);
        return capitalised(rng.pick(fem ? creatureNounsF() : creatureNounsM())) + QLatin1Char(' ')
               + rng.pick(genitives());
    }
    if (pattern < 78)
        return properName(rng) + QLatin1Char(' ') + rng.pick(epithets());
    if (pattern < 92)
        return properName(rng);
    // A name with an apostrophe, such as "Жанна Д'Арк".
    return properName(rng) + S(" Д'") + properName(rng);
}

// ---- lists ------------------------------------------------------------------------------

struct ClassWord
{
    const char *name;   // class.ini line
    const char *plural; // lower-case plural used in rules texts
};

const std::vector<ClassWord> &classWords()
{
    static const std::vector<ClassWord> list = {
        {"Гном", "гномы"},     {"Эльф", "эльфы"},       {"Орк", "орки"},
        {"Тролль", "тролли"},  {"Гоблин", "гоблины"},   {"Человек", "человеки"},
        {"Нежить", "нежить"},  {"Дракон", "драконы"},   {"Демон", "демоны"},
        {"Зверь", "звери"},    {"Великан", "великаны"}, {"Маг", "маги"},
        {"Ящер", "ящеры"},     {"Элементаль", "элементали"},
    };
    return list;
}

struct MiscPhrase
{
    const char *line;   // misc.ini line, one enclosing character at each end
    const char *inText; // the sentence put into rules texts (contains the inner phrase)
};

const std::vector<MiscPhrase> &miscPhrases()
{
    static const std::vector<MiscPhrase> list = {
        {"\"Первый удар\"", "Первый удар."},
        {"[Засада]", "Засада."},
        {"(Броня)", "Броня %1."},
        {"<Ярость>", "Ярость."},
        {"\"Разряд\"", "Разряд %1: /НУ/."},
        {"«Стойкость»", "Стойкость."},
        {"{Бдительность}", "Бдительность."},
        {"*Опыт*", "Опыт: получает /ФИШ/ за каждое убитое существо."},
        {"«Невидимость»", "Невидимость до первого удара."},
        {"\"Защита героя\"", "Защита героя: союзники рядом получают /ЗОВ/."},
    };
    return list;
}

const QStringList &setNames()
{
    static const QStringList list = L({"Начало пути", "Зов стихий", "Каменный венец", "Тени болот",
        "Лесное братство", "Степной ветер", "Осколки мира", "Промо-карты", "Древние руны",
        "Пламя Зарнака", "Восход тьмы", "Грань времён", "Сердце гор", "Песнь ветра", "Ночной дозор",
        "Последний рубеж"});
    return list;
}

const QStringList &artistNames()
{
    static const QStringList list = L({"Иван Колесов", "Мария Звягина", "Пётр Ершов", "Анна Лебедева",
        "Олег Суворин", "Елена Грачёва", "Дмитрий Ветров", "Ольга Мельник", "Сергей Тарасов",
        "Юлия Светлова", "Алексей Громов", "Наталья Ёлкина", "Константин Лис", "Виктор Орлов",
        "Татьяна Белова", "Григорий Сомов", "Ксения Рябова", "Михаил Дорн", "Артём Кречет",
        "Вера Осокина"});
    return list;
}

const QStringList &transTable()
{
    static const QStringList list = L({"a", "b", "v", "g", "d", "e", "yo", "zh", "z", "i", "y", "k",
        "l", "m", "n", "o", "p", "r", "s", "t", "u", "f", "h", "ts", "ch", "sh", "sch", "", "y", "",
        "e", "yu", "ya"});
    return list;
}

// ---- rules texts, flavour, comments -----------------------------------------------------

QString num(Rng &rng, int lo = 1, int hi = 3)
{
    return QString::number(rng.range(lo, hi));
}

// The rules-text sentence of a phrase, with its amount when it takes one.
QString phraseSentence(Rng &rng, const char *inText)
{
    const QString text = QString::fromUtf8(inText);
    return text.contains(QStringLiteral("%1")) ? text.arg(num(rng)) : text;
}

QString classPlural(Rng &rng)
{
    return QString::fromUtf8(rng.pick(classWords()).plural);
}

QString creatureSentence(Rng &rng)
{
    switch (rng.below(24)) {
    case 0: return S("/УНИ/.");
    case 1: return S("/ЗОМ/.");
    case 2: return S("/ЗОЯ/.");
    case 3: return S("/ЗОВ/.");
    case 4: return S("/ЗОЗ/.");
    case 5: return S("/ЗОР/.");
    case 6: return S("/ЗОВД/.");
    case 7: return S("/РЕГ-%1/.").arg(num(rng));
    case 8: return S("/РЕГ/ %1.").arg(num(rng));
    case 9: return S("/УЧР/ на %1.").arg(num(rng));
    case 10: return S("/ТАП/ /ИНС/: нанесите %1 ран выбранному существу /НУ/.").arg(num(rng));
    case 11: return S("/ЗК/ /ТАП/: излечите %1 /ЖИЗ/ своему существу.").arg(num(rng));
    case 12: return S("/СК/ /СК/ /ТАП/: положите /ФИШ/ на выбранное существо.");
    case 13: return S("Получает +%1 к /УД/ против летающих существ /ЛЕТ/.").arg(num(rng));
    case 14: return S("Пока рядом есть союзные %1, это существо получает +1 /ХОД/.").arg(classPlural(rng));
    case 15: return S("Все союзные %1 и %2 получают +1 к /УД/.").arg(classPlural(rng), classPlural(rng));
    case 16: return S("При ударе получает +%1 к /УД/ ( до конца хода ).").arg(num(rng));
    case 17: return S("Клятва д'Арвиля: +1 /ЖИЗ/ всем союзникам.");
    case 18: return S("Не может быть целью заклинаний ( кроме своих ).");
    case 19: return S("/ИНС/: переместите это существо на соседнюю клетку /ХОД/.");
    case 20: return S("Враждебные %1, рядом теряют /ЗОМ/.").arg(classPlural(rng));
    case 21: return S("/СК/: получает /ЗОЗ/ до конца хода.");
    default: {
        return phraseSentence(rng, rng.pick(miscPhrases()).inText);
    }
    }
}

QString artifactSentence(Rng &rng)
{
    switch (rng.below(8)) {
    case 0: return S("/ТАП/: /ИНС/ выбранное существо получает /ЗОМ/ до конца хода.");
    case 1: return S("/ЗК/ /ТАП/: нанесите %1 ран /НУ/ любому существу.").arg(num(rng));
    case 2: return S("В начале хода положите /ФИШ/ на эту карту.");
    case 3: return S("/УНИ/.");
    case 4: return S("/СК/ /СК/: союзные %1 получают /ЗОЯ/.").arg(classPlural(rng));
    case 5: return S("Уберите /ФИШ/: излечите %1 /ЖИЗ/.").arg(num(rng));
    case 6: return S("/ТАП/: существо получает /ЗОР/ ( до конца хода ).");
    default: return phraseSentence(rng, rng.pick(miscPhrases()).inText);
    }
}

QString terrainSentence(Rng &rng)
{
    static const QStringList elements = L({"Степи", "Горы", "Лес", "Болота", "Тьма"});
    switch (rng.below(6)) {
    case 0: return S("Все существа стихии %1 получают /ЗОЯ/.").arg(rng.pick(elements));
    case 1: return S("Летающие существа /ЛЕТ/ получают -1 к /УД/.");
    case 2: return S("Союзные %1 получают +1 /ХОД/.").arg(classPlural(rng));
    case 3: return S("/УНИ/. Существа на этой местности получают /ЗОВД/.");
    case 4: return S("Каждое существо с /УЧР/ получает -%1 к /УД/.").arg(num(rng));
    default: return S("В начале хода каждый игрок получает /СК/.");
    }
}

QString equipmentSentence(Rng &rng)
{
    switch (rng.below(6)) {
    case 0: return S("Экипированное существо получает +%1 к /УД/.").arg(num(rng));
    case 1: return S("Экипированное существо получает /ЗОВ/.");
    case 2: return S("Экипированное существо получает /РЕГ-1/.");
    case 3: return S("Экипированное существо получает +%1 /ЖИЗ/.").arg(num(rng));
    case 4: return S("Только для существ класса %1.").arg(QString::fromUtf8(rng.pick(classWords()).name));
    default: return S("Экипированное существо получает /ЗОЗ/ и /ЗОМ/.");
    }
}

QString makeText(Rng &rng, const SampleCard &card)
{
    QStringList sentences;
    if (card.type == 3) {
        if (card.move == -2)
            sentences << S("/ЛЕТ/.");
        else if (card.move == -3)
            sentences << S("Симбиот.") << S("Носитель получает +%1 к /УД/ /СИМ/.").arg(num(rng));
        else if (card.move == -4)
            sentences << S("Паразит.") << S("Носитель теряет %1 /ЖИЗ/ в начале хода.").arg(num(rng));
        else if (card.move == -5)
            sentences << S("/СИМ/ Не может покинуть носителя.");
        const int count = int(rng.below(3)) + (sentences.isEmpty() ? 1 : 0);
        for (int i = 0; i < count; ++i)
            sentences << creatureSentence(rng);
        if (rng.chance(60)) {
            sentences << QString::fromUtf8(rng.pick(classWords()).name) + QLatin1Char('.');
            if (rng.chance(15))
                sentences << QString::fromUtf8(rng.pick(classWords()).name) + QLatin1Char('.');
        }
    } else {
        const int count = 1 + int(rng.below(2));
        for (int i = 0; i < count; ++i) {
            if (card.type == 1)
                sentences << artifactSentence(rng);
            else if (card.type == 2)
                sentences << terrainSentence(rng);
            else
                sentences << equipmentSentence(rng);
        }
    }
    sentences.removeDuplicates();
    // A few texts keep a line break, and a few lack the final full stop.
    const QString joiner = rng.chance(2) ? S("\r\n") : S(" ");
    QString text = sentences.join(joiner);
    if (rng.chance(3) && text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString makeFlavor(Rng &rng)
{
    static const QStringList lines = L({
        "«Камень помнит всё», — говорят гномы Зарнака.",
        "Ветер степей не знает ни друзей, ни врагов.",
        "В болотах тонут даже самые громкие клятвы.",
        "Лес молчит, пока не станет слишком поздно.",
        "Из тьмы пришли, во тьму и уйдём.",
        "Сильнее меча только терпение.",
        "Никто не видел его лица — только следы на снегу.",
        "Старые руны светятся, когда рядом враг.",
        "Каждый рассвет — новая битва.",
        "Огонь согреет друга и испепелит недруга.",
        "Горы стоят веками, а воины — до заката.",
        "Её песня слышна за три долины.",
        "Тот, кто ищет силу, найдёт и цену за неё.",
        "Ёлки шумят — значит, гость близко.",
    });
    QString text = rng.pick(lines);
    if (rng.chance(30))
        text += S(" — ") + properName(rng) + QLatin1Char(' ') + rng.pick(epithets());
    return text;
}

QString makeComment(Rng &rng)
{
    static const QStringList qa = L({
        "Вопрос: Может ли это существо атаковать в тот же ход, когда вышло на поле? Ответ: Нет, если в тексте карты не сказано иное.",
        "Вопрос: Суммируется ли защита от магии от двух источников? Ответ: Нет, защита есть или её нет.",
        "Вопрос: Можно ли повернуть карту, если она уже повёрнута? Ответ: Нет.",
        "Вопрос: Считается ли фишка картой? Ответ: Нет, фишка не карта и не уходит в кладбище.",
        "Вопрос: Действует ли регенерация после гибели существа? Ответ: Нет, только пока существо на поле.",
        "Вопрос: Может ли симбиот сменить носителя? Ответ: Только если это прямо сказано в тексте.",
        "Вопрос: Что происходит при ничьей в ударах? Ответ: Оба существа получают раны.",
        "Вопрос: Можно ли играть две уникальные карты с одним названием? Ответ: Нет, вторая уходит в кладбище.",
    });
    QString text = rng.pick(qa);
    if (rng.chance(25))
        text += QLatin1Char(' ') + rng.pick(qa);
    return text;
}

QString makeDate(Rng &rng)
{
    return QString::asprintf("%02d.%02d.%04d %02d:%02d:%02d", rng.range(1, 28), rng.range(1, 12),
                             rng.range(2003, 2010), rng.range(0, 23), rng.range(0, 59),
                             rng.range(0, 59));
}

// ---- values -----------------------------------------------------------------------------

void fillValues(Rng &rng, SampleCard &card)
{
    const int t = int(rng.below(100));
    card.type = t < 70 ? 3 : t < 80 ? 1 : t < 88 ? 2 : 4;
    card.element = rng.chance(2) ? 0 : rng.range(1, 6);
    const int e = int(rng.below(100));
    card.elity = e < 65 ? 1 : e < 98 ? 2 : 0;
    card.move = 0;
    card.ld = card.ad = card.sd = -1;
    switch (card.type) {
    case 3: {
        card.cost = rng.range(1, 10);
        card.life = rng.range(1, 4) + card.cost;
        const int m = int(rng.below(100));
        card.move = m < 5 ? -1 : m < 15 ? -2 : m < 19 ? -3 : m < 21 ? -4 : m < 22 ? -5 : rng.range(0, 5);
        if (card.move >= 0 && card.move < 1 && rng.chance(70))
            card.move = 1;
        card.ld = rng.chance(3) ? -1 : rng.range(1, 3);
        card.ad = rng.chance(15) ? -1 : std::max(card.ld, 0) + rng.range(0, 2);
        card.sd = rng.chance(25) ? -1 : std::max(card.ad, card.ld) + rng.range(1, 3);
        break;
    }
    case 1:
        card.cost = rng.range(0, 6);
        card.life = rng.chance(60) ? -1 : rng.range(1, 5);
        break;
    case 2:
        card.cost = rng.range(0, 4);
        card.life = -1;
        break;
    default:
        card.cost = rng.range(0, 5);
        card.life = -1;
        break;
    }
    if (rng.chance(2)) {
        static const QStringList printed = L({"X", "2*", "3+X", "X+1", "*"});
        card.printedCost = rng.pick(printed);
        if (card.printedCost.contains(QLatin1Char('+')) && card.printedCost.at(0).isDigit())
            card.cost = card.printedCost.section(QLatin1Char('+'), 0, 0).toInt();
        else if (card.printedCost.startsWith(QLatin1Char('2')))
            card.cost = 2;
        else
            card.cost = 0;
    }
}

QString twoDigits(int n)
{
    return n < 10 ? QLatin1Char('0') + QString::number(n) : QString::number(n);
}

std::vector<int> rarityPlan(Rng &rng, int setNum, int size)
{
    std::vector<int> plan;
    if (setNum == kPromoSet) {
        const int commons = std::min(std::max(4, size / 4), std::max(size - 1, 0));
        for (int i = 0; i < size; ++i)
            plan.push_back(i < commons ? 2 : 5);
    } else {
        int ultra = std::max(1, size / 10);
        int rare = std::max(1, size / 4);
        int many = setNum <= 3 ? size / 20 : 0;
        for (int i = 0; i < size; ++i)
            plan.push_back(i < ultra ? 4 : i < ultra + rare ? 3 : i < ultra + rare + many ? 1 : 2);
    }
    rng.shuffle(plan);
    return plan;
}

} // namespace

const QStringList &markupAbbreviations()
{
    return MarkupTokens();
}

QString transliterate(const QString &name, const QStringList &trans)
{
    static const QString alphabet = S("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
    QString result;
    for (const QChar c : name) {
        const qsizetype k = alphabet.indexOf(c.toLower());
        if (k >= 0 && c.toLower() != c.toUpper())
            result += trans.value(k);
        else if (c == QLatin1Char(' '))
            result += QLatin1Char('_');
        else
            result += c;
    }
    return result;
}

SampleCatalogue buildCatalogue(int cardCount, quint32 seed)
{
    if (cardCount < 1)
        throw vz::Error(S("Число карт должно быть положительным"));
    Rng rng(seed);
    SampleCatalogue cat;
    cat.sets = setNames();
    cat.artists = artistNames();
    cat.artists.sort(Qt::CaseInsensitive);
    for (const ClassWord &word : classWords())
        cat.classes << QString::fromUtf8(word.name);
    for (const MiscPhrase &phrase : miscPhrases())
        cat.misc << QString::fromUtf8(phrase.line);
    cat.trans = transTable();

    // Cards per set: the promo set gets a small share, the others split the rest.
    const int setCount = int(cat.sets.size());
    std::vector<int> sizes(size_t(setCount), 0);
    const int promo = std::min(cardCount, std::max(cardCount >= 40 ? 8 : 1, cardCount * 3 / 100));
    sizes[kPromoSet - 1] = promo;
    const int rest = cardCount - promo;
    for (int s = 0, k = 0; s < setCount; ++s) {
        if (s == kPromoSet - 1)
            continue;
        sizes[size_t(s)] = rest / (setCount - 1) + (k < rest % (setCount - 1) ? 1 : 0);
        ++k;
    }

    QSet<QString> usedNames;
    QHash<QString, int> nameCount;
    const int metamorphAt = cardCount / 2;
    int index = 0;
    for (int s = 0; s < setCount; ++s) {
        const int setNum = s + 1;
        const std::vector<int> rarities = rarityPlan(rng, setNum, sizes[size_t(s)]);
        for (int n = 0; n < sizes[size_t(s)]; ++n) {
            SampleCard card;
            card.cardIndex = ++index;
            card.number = n + 1;
            card.rarity = rarities[size_t(n)];
            card.setNum = setNum;
            card.setName = cat.sets[s];
            card.artist = rng.pick(cat.artists);

            // A reprint: the same name (and values) as an earlier card of another set.
            bool reprint = false;
            if (cat.cards.size() > 50 && rng.chance(1)) {
                const SampleCard &earlier = cat.cards[rng.below(quint32(cat.cards.size()))];
                if (earlier.setNum != setNum && nameCount.value(earlier.name) == 1
                    && earlier.name != S("Метаморф")) {
                    card.name = earlier.name;
                    card.text = earlier.text;
                    card.type = earlier.type;
                    card.element = earlier.element;
                    card.elity = earlier.elity;
                    card.cost = earlier.cost;
                    card.life = earlier.life;
                    card.move = earlier.move;
                    card.ld = earlier.ld;
                    card.ad = earlier.ad;
                    card.sd = earlier.sd;
                    card.printedCost = earlier.printedCost;
                    reprint = true;
                }
            }
            if (!reprint) {
                fillValues(rng, card);
                if (card.cardIndex == metamorphAt || (metamorphAt == 0 && card.cardIndex == 1)) {
                    card.name = S("Метаморф");
                    card.type = 3;
                    card.move = 0;
                    card.life = 3;
                    card.ld = card.ad = card.sd = -1;
                    card.text = S("/ИНС/: принимает облик любого существа на поле и копирует его /УД/.");
                } else {
                    QString name;
                    for (int attempt = 0; attempt < 40; ++attempt) {
                        name = makeName(rng, card.type);
                        if (!usedNames.contains(name) && name != S("Метаморф") && name.size() <= 50)
                            break;
                    }
                    card.name = name.left(50);
                    card.text = makeText(rng, card);
                }
                // The first twenty cards carry one markup token each, so every token occurs.
                if (card.cardIndex <= 20)
                    card.text = QLatin1Char('/') + markupAbbreviations().at(card.cardIndex - 1)
                                + S("/. ") + card.text;
            }
            usedNames.insert(card.name);
            nameCount[card.name] += 1;

            if (rng.chance(75))
                card.flavor = makeFlavor(rng);
            if (rng.chance(12))
                card.comment = makeComment(rng);
            if (rng.chance(85))
                card.date = makeDate(rng);
            const QString stem = twoDigits(setNum) + transliterate(card.name, cat.trans);
            if (!rng.chance(3)) {
                card.picPath = stem;
                card.hasPicture = !rng.chance(8);
            }
            if (!rng.chance(3)) {
                card.scanPath = stem;
                card.hasScan = rng.chance(33);
            }
            cat.cards.push_back(card);
        }
    }

    // Two hidden rows, shown in no list.
    const char *hiddenNames[] = {"Черновик карты", "Удалённая карта"};
    for (int h = 0; h < 2; ++h) {
        SampleCard card;
        fillValues(rng, card);
        card.cardIndex = -h; // 0 and -1
        card.name = S(hiddenNames[h]);
        card.text = makeText(rng, card);
        card.setNum = 1;
        card.setName = cat.sets[0];
        card.number = 0;
        card.rarity = 2;
        card.artist = cat.artists[0];
        cat.cards.push_back(card);
    }

    // bc.ini: one fixed-width code per visible card, so no code lies inside another.
    int widest = 3;
    for (int size : sizes)
        widest = std::max(widest, int(QString::number(size).size()));
    for (const SampleCard &card : cat.cards) {
        if (card.cardIndex <= 0)
            continue;
        cat.bc << S("ZR%1%2 %3")
                      .arg(twoDigits(card.setNum))
                      .arg(card.number, widest, 10, QLatin1Char('0'))
                      .arg(card.name);
    }

    // boosters.ini: only kinds whose draws the catalogue can satisfy.
    auto count = [&](int setNum, int rarity) {
        int c = 0;
        for (const SampleCard &card : cat.cards)
            if (card.cardIndex > 0 && card.setNum == setNum && card.rarity == rarity)
                ++c;
        return c;
    };
    auto feasible = [&](const QString &code) {
        const int s[3] = {code.mid(0, 2).toInt(), code.mid(3, 2).toInt(), code.mid(6, 2).toInt()};
        const int k[3] = {code.mid(2, 1).toInt(), code.mid(5, 1).toInt(), code.mid(8, 1).toInt()};
        for (int g = 0; g < 3; ++g)
            if (k[g] > 0 && count(s[g], 2) < k[g])
                return false;
        auto anyOf = [&](int rarity) {
            int c = 0;
            for (int g = 0; g < 3; ++g)
                if (s[g] > 0 && (g == 0 || (s[g] != s[0] && (g == 1 || s[g] != s[1]))))
                    c += count(s[g], rarity);
            return c;
        };
        if (s[0] == kPromoSet)
            return anyOf(5) > 0;
        return anyOf(3) > 0 && anyOf(4) > 0;
    };
    QStringList candidates;
    for (int s = 1; s <= setCount; ++s)
        if (s != kPromoSet)
            candidates << cat.sets[s - 1] + QLatin1Char('=') + twoDigits(s) + S("7000000");
    candidates << S("Классика (три первых сета)=012022033") << S("Стандарт (смешанный)=122132143")
               << S("Промо-бустер=082023032");
    for (const QString &line : candidates)
        if (feasible(line.section(QLatin1Char('='), 1)))
            cat.boosters << line;

    // Two sample decks: names that occur once and are no prefix of another deck card.
    auto makeDeck = [&](int element) {
        QStringList chosen;
        for (const SampleCard &card : cat.cards) {
            if (card.cardIndex <= 0 || nameCount.value(card.name) != 1
                || (card.element != element && card.element != 6))
                continue;
            bool clash = false;
            for (const QString &other : chosen)
                if (other.startsWith(card.name, Qt::CaseInsensitive)
                    || card.name.startsWith(other, Qt::CaseInsensitive))
                    clash = true;
            if (clash)
                continue;
            chosen << card.name;
            if (chosen.size() == 16)
                break;
        }
        QStringList lines;
        for (const QString &name : chosen)
            lines << QString::number(rng.range(1, 3)) + QLatin1Char(' ') + name;
        return lines;
    };
    cat.deckMountains = makeDeck(2);
    cat.deckSteppes = makeDeck(1);
    return cat;
}

void insertCards(sqlite3 *db, const std::vector<SampleCard> &cards)
{
    const QStringList &fields = Database::cardFields();
    QStringList marks;
    for (qsizetype i = 0; i < fields.size(); ++i)
        marks << S("?");
    const QByteArray sql = S("INSERT INTO zarn (%1) VALUES (%2)")
                               .arg(fields.join(S(", ")), marks.join(S(", ")))
                               .toUtf8();
    auto check = [&](int rc) {
        if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
            throw vz::DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    };
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));
    sqlite3_stmt *stmt = nullptr;
    try {
        check(sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr));
        for (const SampleCard &c : cards) {
            int column = 0;
            auto bindInt = [&](int value) { check(sqlite3_bind_int(stmt, ++column, value)); };
            auto bindText = [&](const QString &value) {
                if (value.isEmpty()) {
                    check(sqlite3_bind_null(stmt, ++column));
                } else {
                    const QByteArray utf8 = value.toUtf8();
                    check(sqlite3_bind_text(stmt, ++column, utf8.constData(), int(utf8.size()),
                                            SQLITE_TRANSIENT));
                }
            };
            bindInt(c.cardIndex);
            bindText(c.name);
            bindText(c.text);
            bindInt(c.elity);
            bindInt(c.cost);
            bindInt(c.life);
            bindInt(c.move);
            bindInt(c.ld);
            bindInt(c.ad);
            bindInt(c.sd);
            bindText(c.flavor);
            bindInt(c.number);
            bindInt(c.rarity);
            bindText(c.artist);
            bindInt(c.element);
            bindText(c.setName);
            bindInt(c.setNum);
            bindInt(c.type);
            bindText(c.picPath);
            bindText(c.date);
            bindText(c.comment);
            bindText(c.printedCost);
            bindText(c.scanPath);
            check(sqlite3_step(stmt));
            check(sqlite3_reset(stmt));
        }
        sqlite3_finalize(stmt);
        stmt = nullptr;
        check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
    } catch (...) {
        sqlite3_finalize(stmt);
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void generateCatalogue(vz::Database &db, int cardCount, quint32 seed)
{
    insertCards(db.handle(), buildCatalogue(cardCount, seed).cards);
}

} // namespace vz::sample
