#pragma once

#include "cardrecord.h"

#include <QString>

/// What the composed card view shows for a card: the icon files (paths below the program folder,
/// written with backslashes; empty for no icon), the value texts, and where and how the name goes.
struct CardFace
{
    QString costIcon, costText;
    QString lifeIcon, lifeText;
    QString moveIcon, moveText;
    QString hitIcon, hitText;
    QString rarityPicture, rarityHint;
    QString setName, number, artist, name, flavor, text;
    bool whiteName = false;
    int nameTop = 218;
};

/// The rarity words of the card editor's list, for rarities 2 to 5.
const QStringList &RarityWords();

/// Computes the card view's values for a card, in the order the view fills them.
CardFace computeCardFace(const TCardRecord &card);
