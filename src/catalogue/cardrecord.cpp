#include "cardrecord.h"

#include "platform/dataset.h"

TCardRecord TCardRecord::fromDataSet(const vz::DataSet &set)
{
    TCardRecord r;
    auto i = [&](int pos) { return int(set.integer(pos)); };
    auto t = [&](int pos) { return set.text(pos); };
    r.card_index = i(0);
    r.name = t(1);
    r.text = t(2);
    r.elity = i(3);
    r.cost = i(4);
    r.life = i(5);
    r.move = i(6);
    r.LD = i(7);
    r.AD = i(8);
    r.SD = i(9);
    r.flavor = t(10);
    r.number = i(11);
    r.rarity = i(12);
    r.artist = t(13);
    r.element = i(14);
    r.set_name = t(15);
    r.set_num = i(16);
    r.type = i(17);
    r.pic_path = t(18);
    r.date = t(19);
    r.comment = t(20);
    r.printed_cost = t(21);
    r.scan_path = t(22);
    return r;
}
