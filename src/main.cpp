#include "catalogue/mainf.h"
#include "catalogue/program.h"
#include "platform/dialogs.h"
#include "platform/error.h"
#include "platform/qtdialogs.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VuzuRuv"));
    // Qt's own dialogs (file dialogs, standard buttons) speak Russian like the rest.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    vz::installQtDialogs();
    Program::Options options;
    options.appDir = QDir::currentPath(); // the program runs from its own folder
    std::unique_ptr<Program> program;
    // A program folder the program cannot start on (an unreadable database, say) is reported
    // in the error box instead of ending without a word.
    if (!vz::guarded([&] { program = std::make_unique<Program>(options); }))
        return 1;
    program->main().show();
    return QApplication::exec();
}
