#pragma once

class Tmain;
class Tfilters;
class Tsearch;
class Tbrowse;
class Tgenerate;
class Tdel;
class Tstat;
class Tabout;
class Trazdacha;
class Tsetsaver;
class Tsort;
class Tplay;
class Thand1;
class Thand2;

/// The single instance of every window, created once at start-up in this order and living until
/// the program ends; windows reach each other through it.
struct Forms
{
    Tmain *main = nullptr;
    Tfilters *filters = nullptr;
    Tsearch *search = nullptr;
    Tbrowse *browse = nullptr;
    Tgenerate *generate = nullptr;
    Tdel *del = nullptr;
    Tstat *stat = nullptr;
    Tabout *about = nullptr;
    Trazdacha *razdacha = nullptr;
    Tsetsaver *setsaver = nullptr;
    Tsort *sort = nullptr;
    Tplay *play = nullptr;
    Thand1 *hand1 = nullptr;
    Thand2 *hand2 = nullptr;
};
