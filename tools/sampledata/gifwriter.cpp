// A small GIF89a writer: Qt reads GIF but cannot write it. The picture gets its own palette
// when it has at most 256 colours (a 6x6x6 cube otherwise); the LZW stream restarts with a
// clear code often enough that every code stays 9 bits wide.

#include "sampleinternal.h"

#include <QFile>
#include <QHash>
#include <QImage>

namespace vz::sample {

namespace {

class BitWriter
{
public:
    void put(quint32 code, int bits)
    {
        m_acc |= code << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_acc & 0xFF));
        m_acc = 0;
        m_count = 0;
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_acc = 0;
    int m_count = 0;
};

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

} // namespace

bool writeGif(const QImage &source, const QString &path)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();

    // Palette: exact colours when there are few enough, else a 6x6x6 cube.
    QList<QRgb> palette;
    QHash<QRgb, int> lookup;
    bool exact = true;
    for (int y = 0; y < h && exact; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            if (!lookup.contains(c)) {
                if (palette.size() == 256) {
                    exact = false;
                    break;
                }
                lookup.insert(c, int(palette.size()));
                palette << c;
            }
        }
    }
    if (!exact) {
        palette.clear();
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    palette << qRgb(r * 51, g * 51, b * 51);
    }
    while (palette.size() < 256)
        palette << qRgb(0, 0, 0);

    QByteArray indices;
    indices.reserve(w * h);
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            int index;
            if (exact) {
                index = lookup.value(c);
            } else {
                auto level = [](int v) { return (v + 25) / 51; };
                index = level(qRed(c)) * 36 + level(qGreen(c)) * 6 + level(qBlue(c));
            }
            indices.append(char(index));
        }
    }

    QByteArray out("GIF89a");
    putWord(out, w);
    putWord(out, h);
    out.append(char(0xF7)); // global colour table of 256 entries
    out.append(char(0));    // background colour
    out.append(char(0));    // aspect ratio
    for (const QRgb c : palette) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(',');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, w);
    putWord(out, h);
    out.append(char(0));
    out.append(char(8)); // LZW minimum code size

    const quint32 clearCode = 256;
    const quint32 endCode = 257;
    BitWriter bits;
    int sinceClear = 0;
    bits.put(clearCode, 9);
    for (const char index : indices) {
        if (sinceClear == 250) {
            bits.put(clearCode, 9);
            sinceClear = 0;
        }
        bits.put(quint8(index), 9);
        ++sinceClear;
    }
    bits.put(endCode, 9);
    const QByteArray data = bits.finish();
    for (qsizetype pos = 0; pos < data.size(); pos += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - pos);
        out.append(char(n));
        out.append(data.constData() + pos, n);
    }
    out.append(char(0));
    out.append(';');

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

} // namespace vz::sample
