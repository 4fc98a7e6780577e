// vuzuruv_sampledata OUTDIR [--cards N] [--seed S]: lays out a sample program folder.

#include "sampledata.h"

#include "platform/error.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QString outDir;
    int cards = 1000;
    quint32 seed = 20240611;
    bool ok = true;
    for (int i = 1; i < args.size() && ok; ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--cards") && i + 1 < args.size())
            cards = args[++i].toInt(&ok);
        else if (arg == QLatin1String("--seed") && i + 1 < args.size())
            seed = args[++i].toUInt(&ok);
        else if (!arg.startsWith(QLatin1String("--")) && outDir.isEmpty())
            outDir = arg;
        else
            ok = false;
    }
    if (!ok || outDir.isEmpty() || cards < 1) {
        std::fprintf(stderr, "usage: vuzuruv_sampledata OUTDIR [--cards N] [--seed S]\n");
        return 2;
    }
    try {
        vz::sample::generateProgramFolder(outDir, cards, seed);
    } catch (const vz::Error &error) {
        std::fprintf(stderr, "vuzuruv_sampledata: %s\n", error.message().toUtf8().constData());
        return 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "vuzuruv_sampledata: %s\n", error.what());
        return 1;
    }
    std::printf("sample folder %s: %d cards, seed %u\n", outDir.toUtf8().constData(), cards, seed);
    return 0;
}
