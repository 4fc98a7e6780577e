// GIF pictures for the generated pages, written with giflib (Qt reads GIF but cannot write it).

#include "sampleinternal.h"

#include <QFile>
#include <QImage>
#include <gif_lib.h>
#include <memory>

namespace vz::sample {

bool writeGif(const QImage &image, const QString &path)
{
    // Qt picks the palette: exact for pictures of at most 256 colours.
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
    const QList<QRgb> table = indexed.colorTable();
    int depth = 1;
    while ((1 << depth) < table.size())
        ++depth;

    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject *)> map(
        GifMakeMapObject(1 << depth, nullptr), GifFreeMapObject);
    if (!map)
        return false;
    for (int i = 0; i < map->ColorCount; ++i) {
        const QRgb rgb = i < table.size() ? table.at(i) : qRgb(0, 0, 0);
        map->Colors[i] = {GifByteType(qRed(rgb)), GifByteType(qGreen(rgb)), GifByteType(qBlue(rgb))};
    }

    int error = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    bool ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), depth, 0, map.get())
                  == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr)
                     == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        auto *line = const_cast<GifPixelType *>(indexed.constScanLine(y));
        ok = EGifPutLine(gif, line, indexed.width()) == GIF_OK;
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    // giflib creates the file for its owner only; pictures are for everyone to read.
    return ok
           && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                              | QFile::ReadOther);
}

} // namespace vz::sample
