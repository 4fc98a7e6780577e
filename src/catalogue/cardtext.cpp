#include "cardtext.h"

#include "markup.h"
#include "platform/richtextview.h"
#include "platform/textfile.h"

#include <QFileInfo>

// The icon resource lives in a static library, so it has to be registered explicitly (outside
// any namespace, as the registration function is global).
static void initIconResource()
{
    Q_INIT_RESOURCE(cardicons);
}

namespace {

// The icon files in the resource, in token order.
// clang-format off
constexpr const char *IconFiles[] = {
    "zvd", "cro", "fly", "gld", "hit", "ins", "lif", "lng", "mag", "mov",
    "nap", "poi", "reg", "par", "sil", "sim", "tap", "tok", "zoz", "zor",
};
// clang-format on

QList<QImage> loadIcons()
{
    initIconResource();
    QList<QImage> icons;
    for (const char *file : IconFiles) {
        QImage icon(QStringLiteral(":/cardicons/%1.png").arg(QLatin1String(file)));
        if (icon.isNull()) {
            // Keeps the indices in step with the tokens even if a picture were missing.
            icon = QImage(16, 16, QImage::Format_ARGB32_Premultiplied);
            icon.fill(Qt::transparent);
        }
        icons << icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return icons;
}

} // namespace

const QList<QImage> &CardIcons()
{
    static const QList<QImage> icons = loadIcons();
    return icons;
}

void RenderCardText(vz::RichTextView *view, const QString &text, const QString &appDir)
{
    const QString classFile = appDir + QStringLiteral("/class.ini");
    QStringList classLines;
    if (QFileInfo::exists(classFile))
        classLines = vz::readListFile(classFile);

    view->setIcons(CardIcons());
    const QList<MarkupRun> runs = BuildCardTextRuns(text, classLines);
    for (const MarkupRun &run : runs) {
        if (run.kind == MarkupRun::Icon)
            view->addIcon(run.icon);
        else
            view->addText(run.text, run.style);
    }
}
