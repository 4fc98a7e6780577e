// Draws the twenty 16 by 16 rules-text token icons and writes them as PNG files with their
// resource list. Run once when the pictures change; the results are kept in the source tree.
//
//   cardicons <output folder> [<sheet.png>]
//
// The optional sheet shows every icon enlarged ten times, in token order, for a visual check.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <cstdio>
#include <functional>

namespace {

constexpr int Size = 16;

// A letter of the tiny pixel font: rows of '#' and '.', all of the same width.
struct Glyph
{
    QChar letter;
    const char *rows[5];
};

const Glyph Glyphs[] = {
    { QChar(0x0412), { "##.", "#.#", "##.", "#.#", "##." } }, // В
    { QChar(0x0414), { ".###.", ".#.#.", ".#.#.", "#####", "#...#" } }, // Д
    { QChar(0x0417), { "##.", "..#", ".#.", "..#", "##." } }, // З
    { QChar(0x041C), { "#...#", "##.##", "#.#.#", "#...#", "#...#" } }, // М
    { QChar(0x0420), { "##.", "#.#", "##.", "#..", "#.." } }, // Р
    { QChar(0x042F), { ".###", "#..#", ".###", ".#.#", "#..#" } }, // Я
};

const Glyph &glyph(QChar letter)
{
    for (const Glyph &g : Glyphs) {
        if (g.letter == letter)
            return g;
    }
    std::fprintf(stderr, "no glyph for U+%04X\n", letter.unicode());
    std::exit(1);
}

int glyphWidth(const Glyph &g)
{
    return int(qstrlen(g.rows[0]));
}

// Draws `text` in the pixel font, centred on column `centerX`, top row `top`, pixel-exact.
void drawPixelText(QImage &image, const QString &text, double centerX, int top, QColor color)
{
    int width = -1;
    for (const QChar c : text)
        width += glyphWidth(glyph(c)) + 1;
    int x = int(centerX - width / 2.0 + 0.5);
    for (const QChar c : text) {
        const Glyph &g = glyph(c);
        for (int row = 0; row < 5; ++row) {
            for (int col = 0; g.rows[row][col]; ++col) {
                if (g.rows[row][col] == '#')
                    image.setPixelColor(x + col, top + row, color);
            }
        }
        x += glyphWidth(g) + 1;
    }
}

QImage blank()
{
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Runs `draw` on an antialiased painter over a blank icon.
QImage paint(const std::function<void(QPainter &)> &draw)
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

QLinearGradient verticalGradient(QColor top, QColor bottom, double y0 = 1, double y1 = 15)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QPen outline(QColor color, double width = 1.0)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A protection: a shield in `color` with the white letters of what it guards against.
QImage shield(QColor color, const QString &letters)
{
    QImage image = paint([&](QPainter &p) {
        QPainterPath path;
        path.moveTo(1.5, 1.5);
        path.lineTo(14.5, 1.5);
        path.lineTo(14.5, 8.0);
        path.quadTo(14.0, 12.5, 8.0, 15.0);
        path.quadTo(2.0, 12.5, 1.5, 8.0);
        path.closeSubpath();
        p.setPen(outline(color.darker(230)));
        p.setBrush(verticalGradient(color.lighter(140), color.darker(120)));
        p.drawPath(path);
    });
    drawPixelText(image, letters, 7.5, 4, Qt::white);
    return image;
}

// A crystal of the given colours: a cut gem seen from the side.
QImage crystal(QColor light, QColor dark, QColor edge)
{
    return paint([&](QPainter &p) {
        QPainterPath gem;
        gem.moveTo(4.5, 2.5);
        gem.lineTo(11.5, 2.5);
        gem.lineTo(14.5, 6.0);
        gem.lineTo(8.0, 14.5);
        gem.lineTo(1.5, 6.0);
        gem.closeSubpath();
        QLinearGradient fill(2, 2, 14, 14);
        fill.setColorAt(0, light);
        fill.setColorAt(1, dark);
        p.setPen(outline(edge));
        p.setBrush(fill);
        p.drawPath(gem);
        QPen facet(edge, 0.7);
        p.setPen(facet);
        p.drawLine(QPointF(1.5, 6.0), QPointF(14.5, 6.0));
        p.drawPolyline(
            QPolygonF({ { 4.5, 2.5 }, { 6.0, 6.0 }, { 8.0, 2.5 }, { 10.0, 6.0 }, { 11.5, 2.5 } }));
        p.drawLine(QPointF(6.0, 6.0), QPointF(8.0, 14.5));
        p.drawLine(QPointF(10.0, 6.0), QPointF(8.0, 14.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(QPointF(4.5, 5.0), 0.9, 0.9);
    });
}

QImage crown()
{
    return paint([](QPainter &p) {
        QPainterPath body;
        body.moveTo(2.0, 12.5);
        body.lineTo(1.5, 5.0);
        body.lineTo(5.0, 8.5);
        body.lineTo(8.0, 3.0);
        body.lineTo(11.0, 8.5);
        body.lineTo(14.5, 5.0);
        body.lineTo(14.0, 12.5);
        body.closeSubpath();
        p.setPen(outline(QColor(120, 70, 0)));
        p.setBrush(verticalGradient(QColor(255, 240, 120), QColor(220, 150, 0), 3, 13));
        p.drawPath(body);
        p.setBrush(QColor(200, 130, 0));
        p.drawRect(QRectF(2.0, 11.0, 12.0, 2.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 20, 40));
        p.drawEllipse(QPointF(1.5, 4.0), 1.2, 1.2);
        p.drawEllipse(QPointF(8.0, 2.0), 1.2, 1.2);
        p.drawEllipse(QPointF(14.5, 4.0), 1.2, 1.2);
    });
}

QImage wing()
{
    return paint([](QPainter &p) {
        QPainterPath path;
        path.moveTo(2.0, 13.0);
        path.cubicTo(2.0, 6.0, 8.0, 2.0, 15.0, 1.5);
        path.quadTo(13.5, 4.0, 11.0, 5.5);
        path.lineTo(14.5, 6.0);
        path.quadTo(12.5, 8.5, 9.5, 9.5);
        path.lineTo(12.0, 10.5);
        path.quadTo(9.0, 13.0, 6.0, 12.5);
        path.lineTo(7.5, 14.5);
        path.quadTo(4.0, 15.0, 2.0, 13.0);
        path.closeSubpath();
        p.setPen(outline(QColor(30, 50, 110)));
        p.setBrush(verticalGradient(QColor(255, 255, 255), QColor(150, 190, 240)));
        p.drawPath(path);
        p.setPen(QPen(QColor(70, 100, 170), 0.8));
        p.drawLine(QPointF(3.5, 12.0), QPointF(11.0, 5.5));
        p.drawLine(QPointF(3.5, 12.5), QPointF(9.5, 9.5));
        p.drawLine(QPointF(3.5, 13.0), QPointF(6.0, 12.5));
    });
}

QImage sword()
{
    return paint([](QPainter &p) {
        QPainterPath blade;
        blade.moveTo(14.5, 1.5);
        blade.lineTo(13.5, 4.5);
        blade.lineTo(6.5, 11.0);
        blade.lineTo(5.0, 9.5);
        blade.lineTo(11.5, 2.5);
        blade.closeSubpath();
        p.setPen(outline(QColor(50, 50, 60)));
        p.setBrush(verticalGradient(QColor(250, 250, 255), QColor(150, 160, 180), 1, 11));
        p.drawPath(blade);
        p.setPen(outline(QColor(90, 50, 10), 2.2));
        p.drawLine(QPointF(2.8, 8.8), QPointF(7.2, 13.2));
        p.setPen(outline(QColor(120, 70, 20), 2.0));
        p.drawLine(QPointF(5.0, 11.0), QPointF(2.5, 13.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 180, 40));
        p.drawEllipse(QPointF(2.0, 14.0), 1.3, 1.3);
    });
}

QImage lightning()
{
    return paint([](QPainter &p) {
        const QPolygonF bolt({ { 9.0, 0.8 }, { 3.0, 9.0 }, { 7.5, 9.0 }, { 5.0, 15.3 },
            { 13.2, 6.3 }, { 8.6, 6.3 }, { 13.0, 0.8 } });
        p.setPen(outline(QColor(150, 80, 0)));
        p.setBrush(verticalGradient(QColor(255, 250, 140), QColor(255, 170, 0)));
        p.drawPolygon(bolt);
    });
}

QImage heart()
{
    return paint([](QPainter &p) {
        QPainterPath path;
        path.moveTo(8.0, 14.5);
        path.cubicTo(-1.5, 8.5, 1.5, 0.5, 8.0, 4.5);
        path.cubicTo(14.5, 0.5, 17.5, 8.5, 8.0, 14.5);
        path.closeSubpath();
        QRadialGradient fill(5.5, 5.5, 9);
        fill.setColorAt(0, QColor(255, 120, 120));
        fill.setColorAt(1, QColor(190, 0, 20));
        p.setPen(outline(QColor(110, 0, 10)));
        p.setBrush(fill);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 190));
        p.drawEllipse(QPointF(5.0, 6.0), 1.2, 1.0);
    });
}

// An arrowhead with its tip at `tip`, pointing along `dx`, `dy` (a unit direction).
void arrowhead(QPainter &p, QPointF tip, double dx, double dy, double length, double half)
{
    const QPointF back(tip.x() - dx * length, tip.y() - dy * length);
    const QPointF side(-dy * half, dx * half);
    p.drawPolygon(QPolygonF({ tip, back + side, back - side }));
}

// Strike through a row: a red arc leaping over a block.
QImage leap()
{
    return paint([](QPainter &p) {
        p.setPen(outline(QColor(60, 60, 60)));
        p.setBrush(verticalGradient(QColor(200, 200, 200), QColor(120, 120, 120), 9, 15));
        p.drawRect(QRectF(5.5, 9.5, 5.0, 5.0));
        QPainterPath arc;
        arc.moveTo(2.0, 14.0);
        arc.cubicTo(2.0, 1.0, 14.0, 1.0, 13.5, 10.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(outline(QColor(200, 20, 20), 2.0));
        p.drawPath(arc);
        p.setPen(outline(QColor(200, 20, 20), 0.8));
        p.setBrush(QColor(200, 20, 20));
        arrowhead(p, QPointF(13.5, 15.0), 0.0, 1.0, 4.5, 2.6);
    });
}

QImage moveArrow()
{
    return paint([](QPainter &p) {
        const QPolygonF arrow({ { 1.5, 5.5 }, { 8.0, 5.5 }, { 8.0, 1.5 }, { 14.8, 8.0 },
            { 8.0, 14.5 }, { 8.0, 10.5 }, { 1.5, 10.5 } });
        p.setPen(outline(QColor(0, 90, 20)));
        p.setBrush(verticalGradient(QColor(140, 230, 120), QColor(20, 150, 40)));
        p.drawPolygon(arrow);
    });
}

// Directed strike: two arrows flying the same way.
QImage arrows()
{
    return paint([](QPainter &p) {
        const double d = 0.7071;
        for (const QPointF offset : { QPointF(0, 0), QPointF(5.0, 5.0) }) {
            p.setPen(outline(QColor(150, 10, 10), 1.6));
            p.drawLine(QPointF(1.5, 9.5) + offset, QPointF(7.5, 3.5) + offset);
            p.setPen(outline(QColor(120, 0, 0), 0.6));
            p.setBrush(QColor(220, 30, 30));
            arrowhead(p, QPointF(10.0, 1.0) + offset, d, -d, 4.5, 2.4);
            p.setPen(outline(QColor(120, 80, 30), 1.0));
            p.drawLine(QPointF(1.0, 8.0) + offset, QPointF(2.5, 9.5) + offset);
        }
    });
}

QImage plus()
{
    return paint([](QPainter &p) {
        QPainterPath upright;
        upright.addRect(QRectF(5.5, 1.5, 5.0, 13.0));
        QPainterPath bar;
        bar.addRect(QRectF(1.5, 5.5, 13.0, 5.0));
        const QPainterPath cross = upright.united(bar);
        p.setPen(outline(QColor(0, 90, 20)));
        p.setBrush(verticalGradient(QColor(150, 240, 130), QColor(20, 160, 50)));
        p.drawPath(cross);
    });
}

// The symbiote: two rings linked into each other.
QImage rings()
{
    return paint([](QPainter &p) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(130, 40, 160), 2.2));
        p.drawEllipse(QPointF(5.8, 8.0), 4.2, 4.2);
        p.setPen(QPen(QColor(30, 140, 60), 2.2));
        p.drawEllipse(QPointF(10.2, 8.0), 4.2, 4.2);
        // Lay the first ring over the second at one crossing so that they look linked.
        p.setPen(QPen(QColor(130, 40, 160), 2.2));
        p.drawArc(QRectF(1.6, 3.8, 8.4, 8.4), -60 * 16, 45 * 16);
    });
}

// Tap: a curved arrow turning clockwise.
QImage turnArrow()
{
    return paint([](QPainter &p) {
        const QColor color(20, 40, 120);
        p.setBrush(Qt::NoBrush);
        p.setPen(outline(color, 2.2));
        // From the left, over the top, down the right side and round to the bottom.
        p.drawArc(QRectF(2.5, 2.5, 11.0, 11.0), 180 * 16, -250 * 16);
        p.setPen(outline(color, 0.6));
        p.setBrush(color);
        arrowhead(p, QPointF(5.0, 14.2), -1.0, 0.25, 4.2, 2.8);
    });
}

QImage token()
{
    return paint([](QPainter &p) {
        QRadialGradient fill(6.0, 6.0, 8.0);
        fill.setColorAt(0, QColor(255, 220, 160));
        fill.setColorAt(1, QColor(190, 110, 40));
        p.setPen(outline(QColor(100, 50, 10)));
        p.setBrush(fill);
        p.drawEllipse(QPointF(8.0, 8.0), 6.5, 6.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(130, 70, 20), 1.0));
        p.drawEllipse(QPointF(8.0, 8.0), 3.8, 3.8);
    });
}

struct Icon
{
    const char *file;
    std::function<QImage()> draw;
};

QList<Icon> icons()
{
    const QString vd = QString(QChar(0x0412)) + QChar(0x0414);
    return {
        { "zvd", [=] { return shield(QColor(60, 100, 190), vd); } },
        { "cro", crown },
        { "fly", wing },
        { "gld",
            [] {
                return crystal(QColor(255, 245, 150), QColor(225, 140, 0), QColor(120, 70, 0));
            } },
        { "hit", sword },
        { "ins", lightning },
        { "lif", heart },
        { "lng", leap },
        { "mag", [] { return shield(QColor(130, 60, 180), QString(QChar(0x041C))); } },
        { "mov", moveArrow },
        { "nap", arrows },
        { "poi", [] { return shield(QColor(50, 140, 50), QString(QChar(0x042F))); } },
        { "reg", plus },
        { "par", [] { return shield(QColor(150, 95, 40), QString(QChar(0x0412))); } },
        { "sil",
            [] {
                return crystal(QColor(250, 250, 255), QColor(130, 140, 160), QColor(60, 65, 80));
            } },
        { "sim", rings },
        { "tap", turnArrow },
        { "tok", token },
        { "zoz", [] { return shield(QColor(20, 130, 150), QString(QChar(0x0417))); } },
        { "zor", [] { return shield(QColor(210, 90, 20), QString(QChar(0x0420))); } },
    };
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: cardicons <output folder> [<sheet.png>]\n");
        return 2;
    }
    const QString folder = args.at(1);

    QList<QImage> images;
    QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"/cardicons\">\n");
    for (const Icon &icon : icons()) {
        const QImage image = icon.draw();
        const QString name = QLatin1String(icon.file) + QStringLiteral(".png");
        if (!image.save(folder + QLatin1Char('/') + name, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
        qrc += QStringLiteral("    <file>%1</file>\n").arg(name);
        images << image;
    }
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    QFile qrcFile(folder + QStringLiteral("/cardicons.qrc"));
    if (!qrcFile.open(QIODevice::WriteOnly) || qrcFile.write(qrc.toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write cardicons.qrc\n");
        return 1;
    }

    if (args.size() > 2) {
        // Five columns by four rows, enlarged ten times, over a light and a dark band.
        const int cell = Size * 10 + 8;
        QImage sheet(5 * cell, 4 * cell, QImage::Format_ARGB32);
        sheet.fill(QColor(235, 225, 200));
        QPainter p(&sheet);
        for (int i = 0; i < images.size(); ++i) {
            const QRect place((i % 5) * cell + 4, (i / 5) * cell + 4, Size * 10, Size * 10);
            p.fillRect(place.adjusted(0, place.height() / 2, 0, 0), QColor(90, 90, 90));
            p.drawImage(place, images.at(i));
            p.drawImage(place.topLeft() + QPoint(2, 2), images.at(i));
        }
        p.end();
        if (!sheet.save(args.at(2), "PNG")) {
            std::fprintf(stderr, "cannot write the sheet\n");
            return 1;
        }
    }
    return 0;
}
