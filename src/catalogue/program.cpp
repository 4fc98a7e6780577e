#include "program.h"

#include "abo.h"
#include "battle/Unit1.h"
#include "battle/Unit2.h"
#include "battle/playf.h"
#include "battle/razd.h"
#include "deckbuilding/generator.h"
#include "deckbuilding/statis.h"
#include "mainf.h"
#include "maintenance/delet.h"
#include "maintenance/setsave.h"
#include "pages/bro.h"
#include "selection/filter.h"
#include "selection/find.h"
#include "selection/sorting.h"

#include <QApplication>

namespace {

template<typename W>
W *keep(std::vector<std::unique_ptr<QWidget>> &windows, W *window)
{
    windows.emplace_back(window);
    return window;
}

} // namespace

QString Program::title()
{
    return QStringLiteral("Библиотека карт Зарнака");
}

Program::Program(const Options &options)
{
    QApplication::setApplicationDisplayName(title());
    Tmain::Options mainOptions;
    mainOptions.appDir = options.appDir;
    mainOptions.printSettings = options.printSettings;
    Forms &f = m_forms;
    f.main = keep(m_windows, new Tmain(mainOptions, m_forms));
    Tmain &main = *f.main;
    f.filters = keep(m_windows, new Tfilters(main, &main));
    f.search = keep(m_windows, new Tsearch(main, &main));
    f.browse = keep(m_windows, new Tbrowse());
    f.generate = keep(m_windows, new Tgenerate(&main));
    f.del = keep(m_windows, new Tdel(&main));
    f.stat = keep(m_windows, new Tstat(&main));
    f.about = keep(m_windows, new Tabout(&main));
    f.razdacha = keep(m_windows, new Trazdacha(&main));
    f.setsaver = keep(m_windows, new Tsetsaver(&main));
    f.sort = keep(m_windows, new Tsort(main, &main));
    f.play = keep(m_windows, new Tplay());
    f.hand1 = keep(m_windows, new Thand1());
    f.hand2 = keep(m_windows, new Thand2());
}

Program::~Program()
{
    m_forms.main->shutDown();
    // Dialogs parented to the main window are deleted with it; release them first.
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
        if (it->get() != m_forms.main && (*it)->parentWidget() == m_forms.main)
            it->release();
    }
    for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it)
        it->reset();
}
