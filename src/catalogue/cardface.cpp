#include "cardface.h"

#include <QStringList>

const QStringList &RarityWords()
{
    static const QStringList words = {QStringLiteral("Частая"), QStringLiteral("Редкая"),
                                      QStringLiteral("Ультра-Редкая"), QStringLiteral("Промо")};
    return words;
}

CardFace computeCardFace(const TCardRecord &card)
{
    CardFace face;
    face.costIcon = card.elity == 2 ? QStringLiteral("\\pics\\sym-gld.bmp")
                                    : QStringLiteral("\\pics\\sym-sil.bmp");
    face.costText = card.printed_cost.isEmpty() ? QString::number(card.cost) : card.printed_cost;
    if (card.life >= 0) {
        face.lifeIcon = QStringLiteral("\\pics\\sym-lif.bmp");
        face.lifeText = QString::number(card.life);
    }
    if (card.type == 3) {
        if (card.move == -1) {
            face.moveIcon = QStringLiteral("\\pics\\sym-mov.bmp");
            face.moveText = QStringLiteral("х"); // Cyrillic letter
        } else if (card.move >= 0) {
            face.moveIcon = QStringLiteral("\\pics\\sym-mov.bmp");
            face.moveText = QString::number(card.move);
        } else if (card.move == -2) {
            face.moveIcon = QStringLiteral("\\pics\\sym-fly.bmp");
        } else {
            face.moveIcon = QStringLiteral("\\pics\\sym-sim.bmp");
            face.moveText.clear();
        }
        face.hitIcon = QStringLiteral("\\pics\\sym-hit.bmp");
        face.hitText = QStringLiteral("%1-%2-%3").arg(card.LD).arg(card.AD).arg(card.SD);
    }
    // A -1 in the second or third strike shows as a Latin x.
    face.hitText.replace(QStringLiteral("--1"), QStringLiteral("-x"));
    if (card.name == QStringLiteral("Метаморф")) {
        face.hitText = QStringLiteral("x-x-x");
        face.moveIcon = QStringLiteral("\\pics\\sym-mov.bmp");
        face.hitIcon = QStringLiteral("\\pics\\sym-hit.bmp");
        face.moveText = QStringLiteral("1");
    }
    if (card.type == 2)
        face.lifeText = QStringLiteral("Местность");
    else if (card.type == 4)
        face.lifeText = QStringLiteral("Экипировка");
    else if (card.type == 1)
        face.moveText = QStringLiteral("Артефакт");
    face.flavor = card.flavor;
    face.text = card.text;
    face.rarityPicture = QStringLiteral("\\pics\\rar0%1.bmp").arg(card.rarity);
    face.rarityHint = QStringLiteral("Редкость: ")
                      + (card.rarity >= 2 && card.rarity <= 5 ? RarityWords().at(card.rarity - 2)
                                                              : QString());
    face.setName = card.set_name;
    face.number = QString::number(card.number);
    face.artist = card.artist;
    face.name = card.name;
    face.whiteName = card.element == 5;
    face.nameTop = card.element == 4 ? 225 : 218;
    return face;
}
