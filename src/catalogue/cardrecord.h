#pragma once

#include <QString>

namespace vz {
class DataSet;
}

/// One row of the card table, fields in table order.
struct TCardRecord
{
    int card_index = 0;
    QString name;
    QString text;
    int elity = 0;
    int cost = 0;
    int life = 0;
    int move = 0;
    int LD = 0;
    int AD = 0;
    int SD = 0;
    QString flavor;
    int number = 0;
    int rarity = 0;
    QString artist;
    int element = 0;
    QString set_name;
    int set_num = 0;
    int type = 0;
    QString pic_path;
    QString date;
    QString comment;
    QString printed_cost;
    QString scan_path;

    /// Reads the current row of a card or deck data set.
    static TCardRecord fromDataSet(const vz::DataSet &set);
};
