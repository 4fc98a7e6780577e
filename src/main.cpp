#include "catalogue/mainf.h"
#include "catalogue/program.h"
#include "platform/qtdialogs.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VuzuRuv"));
    vz::installQtDialogs();
    Program::Options options;
    options.appDir = QDir::currentPath(); // the program runs from its own folder
    Program program(options);
    program.main().show();
    return QApplication::exec();
}
