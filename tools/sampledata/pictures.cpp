// Pictures of the sample program folder, drawn with QPainter: frames, icons, rarity pictures,
// toolbar pictograms, battlefield pictures, markup icons, page icons, art pictures and scans.

#include "sampleinternal.h"

#include "platform/error.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace vz::sample {

namespace {

QString S(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString g_nameFamily; // the bold serif card-name face
QString g_textFamily; // the sans text face

QFont nameFont(qreal pixels)
{
    QFont font(g_nameFamily);
    font.setPixelSize(std::max(1, int(pixels)));
    font.setBold(true);
    return font;
}

QFont textFont(qreal pixels, bool bold = false)
{
    QFont font(g_textFamily);
    font.setPixelSize(std::max(1, int(pixels)));
    font.setBold(bold);
    return font;
}

void save(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    if (!image.save(path, format, quality))
        throw vz::Error(S("Не удалось записать рисунок %1").arg(path));
}

void saveGif(const QImage &image, const QString &path)
{
    if (!writeGif(image, path))
        throw vz::Error(S("Не удалось записать рисунок %1").arg(path));
}

QImage blank(int w, int h, QColor background)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QColor elementColor(int element)
{
    switch (element) {
    case 1: return QColor(222, 180, 60);  // Степи
    case 2: return QColor(90, 160, 205);  // Горы
    case 3: return QColor(60, 150, 60);   // Лес
    case 4: return QColor(70, 110, 80);   // Болота
    case 5: return QColor(45, 32, 55);    // Тьма
    case 6: return QColor(225, 222, 210); // Нейтрал
    default: return QColor(150, 150, 150);
    }
}

// ---- symbols ----------------------------------------------------------------------------

QPainterPath shieldPath(const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.left() + r.width() * 0.1, r.top() + r.height() * 0.1);
    path.lineTo(r.right() - r.width() * 0.1, r.top() + r.height() * 0.1);
    path.lineTo(r.right() - r.width() * 0.1, r.top() + r.height() * 0.5);
    path.quadTo(r.right() - r.width() * 0.15, r.bottom() - r.height() * 0.15, r.center().x(),
                r.bottom() - r.height() * 0.04);
    path.quadTo(r.left() + r.width() * 0.15, r.bottom() - r.height() * 0.15,
                r.left() + r.width() * 0.1, r.top() + r.height() * 0.5);
    path.closeSubpath();
    return path;
}

QPainterPath diamondPath(const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.center().x(), r.top() + r.height() * 0.05);
    path.lineTo(r.right() - r.width() * 0.15, r.top() + r.height() * 0.4);
    path.lineTo(r.center().x(), r.bottom() - r.height() * 0.05);
    path.lineTo(r.left() + r.width() * 0.15, r.top() + r.height() * 0.4);
    path.closeSubpath();
    return path;
}

QPainterPath starPath(const QRectF &r, int points, qreal inner)
{
    QPainterPath path;
    const QPointF c = r.center();
    const qreal outerR = std::min(r.width(), r.height()) * 0.48;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = M_PI * i / points - M_PI / 2;
        const qreal rad = (i % 2) ? outerR * inner : outerR;
        const QPointF p(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath boltPath(const QRectF &r)
{
    QPainterPath path;
    auto P = [&](qreal x, qreal y) { return QPointF(r.left() + x * r.width(), r.top() + y * r.height()); };
    path.moveTo(P(0.6, 0.05));
    path.lineTo(P(0.25, 0.55));
    path.lineTo(P(0.48, 0.55));
    path.lineTo(P(0.38, 0.95));
    path.lineTo(P(0.78, 0.42));
    path.lineTo(P(0.55, 0.42));
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(const QRectF &r)
{
    QPainterPath path;
    auto P = [&](qreal x, qreal y) { return QPointF(r.left() + x * r.width(), r.top() + y * r.height()); };
    path.moveTo(P(0.5, 0.92));
    path.cubicTo(P(-0.1, 0.5), P(0.15, 0.0), P(0.5, 0.3));
    path.cubicTo(P(0.85, 0.0), P(1.1, 0.5), P(0.5, 0.92));
    return path;
}

QPainterPath dropPath(const QRectF &r)
{
    QPainterPath path;
    auto P = [&](qreal x, qreal y) { return QPointF(r.left() + x * r.width(), r.top() + y * r.height()); };
    path.moveTo(P(0.5, 0.05));
    path.cubicTo(P(0.65, 0.35), P(0.85, 0.5), P(0.85, 0.65));
    path.cubicTo(P(0.85, 0.88), P(0.65, 0.95), P(0.5, 0.95));
    path.cubicTo(P(0.35, 0.95), P(0.15, 0.88), P(0.15, 0.65));
    path.cubicTo(P(0.15, 0.5), P(0.35, 0.35), P(0.5, 0.05));
    return path;
}

void arrow(QPainter &p, QPointF from, QPointF to, qreal head)
{
    p.drawLine(from, to);
    const qreal a = std::atan2(to.y() - from.y(), to.x() - from.x());
    QPolygonF tip;
    tip << to << QPointF(to.x() - head * std::cos(a - 0.5), to.y() - head * std::sin(a - 0.5))
        << QPointF(to.x() - head * std::cos(a + 0.5), to.y() - head * std::sin(a + 0.5));
    p.setBrush(p.pen().color());
    p.drawPolygon(tip);
}

/// Draws the symbol `key` (the part of the html icon name after "sym-") into r.
void drawSymbol(QPainter &p, const QRectF &r, const QString &key)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = r.width() / 16.0;
    const QPen outline(QColor(40, 30, 20), std::max(1.0, u * 0.9));
    p.setPen(outline);
    auto shield = [&](QColor fill) {
        p.setBrush(fill);
        p.drawPath(shieldPath(r));
    };
    const QRectF inner = r.adjusted(r.width() * 0.3, r.height() * 0.25, -r.width() * 0.3, -r.height() * 0.3);
    if (key == QLatin1String("gld") || key == QLatin1String("sil")) {
        const bool gold = key == QLatin1String("gld");
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, gold ? QColor(255, 240, 140) : QColor(250, 250, 255));
        g.setColorAt(1, gold ? QColor(200, 140, 0) : QColor(120, 130, 145));
        p.setBrush(g);
        p.drawPath(diamondPath(r));
        p.drawLine(QPointF(r.left() + r.width() * 0.15, r.top() + r.height() * 0.4),
                   QPointF(r.right() - r.width() * 0.15, r.top() + r.height() * 0.4));
    } else if (key == QLatin1String("lif")) {
        p.setBrush(QColor(215, 30, 40));
        p.drawPath(heartPath(r));
    } else if (key == QLatin1String("mov")) {
        p.setPen(QPen(QColor(20, 120, 40), u * 2.5, Qt::SolidLine, Qt::RoundCap));
        arrow(p, QPointF(r.left() + 2 * u, r.center().y()), QPointF(r.right() - 2 * u, r.center().y()), u * 6);
    } else if (key == QLatin1String("fly")) {
        p.setBrush(QColor(110, 170, 240));
        QPainterPath wing;
        wing.moveTo(r.left() + 2 * u, r.bottom() - 4 * u);
        wing.cubicTo(r.left() + 4 * u, r.top() + 2 * u, r.right() - 4 * u, r.top() + u, r.right() - u, r.top() + 2 * u);
        wing.cubicTo(r.right() - 4 * u, r.top() + 6 * u, r.center().x(), r.center().y() + 2 * u, r.left() + 2 * u, r.bottom() - 4 * u);
        p.drawPath(wing);
    } else if (key == QLatin1String("sim")) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(130, 40, 160), u * 2));
        p.drawEllipse(QRectF(r.left() + 1.5 * u, r.top() + 4 * u, 8 * u, 8 * u));
        p.drawEllipse(QRectF(r.left() + 6.5 * u, r.top() + 4 * u, 8 * u, 8 * u));
    } else if (key == QLatin1String("hit")) {
        p.setBrush(QColor(245, 130, 20));
        p.drawPath(starPath(r, 8, 0.45));
    } else if (key == QLatin1String("tok")) {
        p.setBrush(QColor(200, 150, 60));
        p.drawEllipse(r.adjusted(u, u, -u, -u));
        p.setBrush(QColor(240, 200, 110));
        p.drawEllipse(r.adjusted(4.5 * u, 4.5 * u, -4.5 * u, -4.5 * u));
    } else if (key == QLatin1String("cro")) {
        p.setBrush(QColor(240, 200, 40));
        QPolygonF crown;
        crown << QPointF(r.left() + 1.5 * u, r.bottom() - 3 * u) << QPointF(r.left() + 1.5 * u, r.top() + 4 * u)
              << QPointF(r.left() + 5 * u, r.top() + 8 * u) << QPointF(r.center().x(), r.top() + 2 * u)
              << QPointF(r.right() - 5 * u, r.top() + 8 * u) << QPointF(r.right() - 1.5 * u, r.top() + 4 * u)
              << QPointF(r.right() - 1.5 * u, r.bottom() - 3 * u);
        p.drawPolygon(crown);
    } else if (key == QLatin1String("ins")) {
        p.setBrush(QColor(255, 220, 0));
        p.drawPath(boltPath(r));
    } else if (key == QLatin1String("lng")) {
        p.setPen(QPen(QColor(180, 40, 20), u * 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath jump;
        jump.moveTo(r.left() + u, r.bottom() - 3 * u);
        jump.quadTo(r.center().x(), r.top() - 2 * u, r.right() - 3 * u, r.bottom() - 5 * u);
        p.drawPath(jump);
        arrow(p, QPointF(r.right() - 5 * u, r.bottom() - 7 * u), QPointF(r.right() - 2 * u, r.bottom() - 3 * u), u * 5);
    } else if (key == QLatin1String("nap")) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(200, 20, 20), u * 1.5));
        p.drawEllipse(r.adjusted(1.5 * u, 1.5 * u, -1.5 * u, -1.5 * u));
        p.drawEllipse(r.adjusted(5 * u, 5 * u, -5 * u, -5 * u));
        p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    } else if (key == QLatin1String("reg")) {
        p.setBrush(QColor(40, 170, 60));
        const qreal a = r.width() * 0.34;
        p.drawRect(QRectF(r.center().x() - a / 2, r.top() + u, a, r.height() - 2 * u));
        p.drawRect(QRectF(r.left() + u, r.center().y() - a / 2, r.width() - 2 * u, a));
    } else if (key == QLatin1String("tap")) {
        p.setPen(QPen(QColor(30, 60, 160), u * 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF arc = r.adjusted(2.5 * u, 2.5 * u, -2.5 * u, -2.5 * u);
        p.drawArc(arc, 90 * 16, -270 * 16);
        arrow(p, QPointF(arc.left() + 2 * u, arc.top()), QPointF(arc.center().x(), arc.top()), u * 5);
    } else {
        // Protections: a shield with its own colour and sign.
        QColor fill(150, 150, 150);
        if (key == QLatin1String("mag"))
            fill = QColor(70, 110, 220);
        else if (key == QLatin1String("poi"))
            fill = QColor(60, 170, 70);
        else if (key == QLatin1String("par"))
            fill = QColor(160, 110, 60);
        else if (key == QLatin1String("zoz"))
            fill = QColor(150, 70, 190);
        else if (key == QLatin1String("zor"))
            fill = QColor(235, 200, 40);
        shield(fill);
        p.setPen(QPen(Qt::white, u * 1.2));
        p.setBrush(Qt::white);
        if (key == QLatin1String("mag"))
            p.drawPath(starPath(inner, 5, 0.45));
        else if (key == QLatin1String("poi"))
            p.drawPath(dropPath(inner));
        else if (key == QLatin1String("par"))
            arrow(p, inner.bottomLeft(), inner.topRight(), u * 4);
        else if (key == QLatin1String("zor")) {
            p.setPen(QPen(QColor(60, 40, 0), u));
            p.setBrush(QColor(60, 40, 0));
            p.drawPath(boltPath(inner));
        } else {
            p.setFont(textFont(r.height() * 0.5, true));
            p.drawText(r.adjusted(0, -r.height() * 0.08, 0, 0), Qt::AlignCenter,
                       key == QLatin1String("zoz") ? S("З") : S("!"));
        }
    }
    p.restore();
}

const QStringList &tokenSymbolKeys()
{
    static const QStringList keys = {
        QStringLiteral("zvd"), QStringLiteral("cro"), QStringLiteral("fly"), QStringLiteral("gld"),
        QStringLiteral("hit"), QStringLiteral("ins"), QStringLiteral("lif"), QStringLiteral("lng"),
        QStringLiteral("mag"), QStringLiteral("mov"), QStringLiteral("nap"), QStringLiteral("poi"),
        QStringLiteral("reg"), QStringLiteral("par"), QStringLiteral("sil"), QStringLiteral("sim"),
        QStringLiteral("tap"), QStringLiteral("tok"), QStringLiteral("zoz"), QStringLiteral("zor")};
    return keys;
}

QImage symbolImage(int size, const QString &key, QColor background = Qt::white)
{
    QImage image = blank(size, size, background);
    QPainter p(&image);
    drawSymbol(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0), key);
    return image;
}

// ---- rarity -----------------------------------------------------------------------------

QImage rarityImage(int size, int rarity, QColor background)
{
    QImage image = blank(size, size, background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    static const QColor colors[] = {QColor(120, 120, 120), QColor(150, 150, 150), QColor(30, 30, 30),
                                    QColor(190, 200, 215), QColor(235, 185, 30), QColor(170, 50, 200)};
    const QRectF r(1.5, 1.5, size - 3.0, size - 3.0);
    p.setPen(QPen(QColor(20, 20, 20), 1.2));
    p.setBrush(colors[std::clamp(rarity, 0, 5)]);
    if (rarity == 5)
        p.drawPath(starPath(r, 5, 0.5));
    else if (rarity == 4)
        p.drawPath(diamondPath(r));
    else
        p.drawEllipse(r.adjusted(2, 2, -2, -2));
    p.setPen(rarity == 2 || rarity == 5 ? Qt::white : Qt::black);
    p.setFont(textFont(size * 0.42, true));
    p.drawText(r, Qt::AlignCenter, QString::number(rarity));
    return image;
}

// ---- frames, art, scans ------------------------------------------------------------------

/// A card frame in the coordinates of the 289 x 401 frame picture.
void drawFrame(QPainter &p, int element)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = elementColor(element);
    const bool dark = element == 5;
    p.fillRect(QRectF(0, 0, 289, 401), QColor(25, 20, 15));
    QLinearGradient g(0, 0, 289, 401);
    g.setColorAt(0, base.lighter(dark ? 160 : 125));
    g.setColorAt(1, base.darker(dark ? 110 : 135));
    p.setPen(QPen(QColor(20, 15, 10), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 3, 283, 395), 12, 12);
    // Ornament: thin lines along the border.
    p.setPen(QPen(base.darker(160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(10, 10, 269, 381), 8, 8);
    // Art window.
    p.setPen(QPen(QColor(20, 15, 10), 2));
    p.setBrush(QColor(10, 10, 10));
    p.drawRect(QRectF(31, 31, 224, 179));
    // Name band.
    p.setBrush(dark ? QColor(70, 55, 85) : QColor(245, 235, 205));
    p.drawRoundedRect(QRectF(36, 208, 217, 30), 6, 6);
    // Value row.
    p.setBrush(dark ? QColor(150, 140, 160) : base.lighter(150));
    p.drawRoundedRect(QRectF(30, 240, 229, 28), 5, 5);
    // Rules text area (lies behind the rich text view from y 265).
    p.setBrush(QColor(246, 240, 222));
    p.drawRoundedRect(QRectF(30, 270, 229, 108), 6, 6);
    // Bottom band for the white set name and number.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 25, 20));
    p.drawRect(QRectF(6, 382, 277, 16));
    p.restore();
}

QImage frameImage(int element)
{
    QImage image = blank(289, 401, Qt::black);
    QPainter p(&image);
    drawFrame(p, element);
    return image;
}

/// A simple scene for a card's art: sky, hills, a sun or moon, and a sign of the card type.
void drawArt(QPainter &p, const QRectF &r, const SampleCard &card, Rng &rng)
{
    p.save();
    p.setClipRect(r);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor base = elementColor(card.element);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, base.lighter(160));
    sky.setColorAt(1, base);
    p.fillRect(r, sky);
    // Sun or moon.
    const qreal s = r.width() * (0.12 + rng.below(8) / 100.0);
    const QPointF sun(r.left() + r.width() * (0.15 + rng.below(70) / 100.0), r.top() + r.height() * 0.2);
    p.setPen(Qt::NoPen);
    p.setBrush(card.element == 5 ? QColor(230, 230, 250) : QColor(255, 230, 120));
    p.drawEllipse(sun, s / 2, s / 2);
    // Hills.
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath hills;
        hills.moveTo(r.bottomLeft());
        const int bumps = 3 + int(rng.below(3));
        for (int i = 0; i <= bumps; ++i) {
            const qreal x = r.left() + r.width() * i / bumps;
            const qreal y = r.top() + r.height() * (0.45 + layer * 0.15 + rng.below(20) / 100.0);
            hills.lineTo(x, y);
        }
        hills.lineTo(r.bottomRight());
        hills.closeSubpath();
        p.setBrush(base.darker(130 + layer * 40));
        p.drawPath(hills);
    }
    const QPointF c(r.center().x() + r.width() * (int(rng.below(30)) - 15) / 100.0,
                    r.top() + r.height() * 0.58);
    const qreal h = r.height() * 0.55;
    p.setPen(QPen(QColor(20, 15, 10), std::max(1.0, r.width() / 150)));
    switch (card.type) {
    case 1: // artifact: a glowing gem on a pedestal
        p.setBrush(QColor(110, 90, 70));
        p.drawRect(QRectF(c.x() - h * 0.2, c.y() + h * 0.15, h * 0.4, h * 0.3));
        p.setBrush(QColor::fromHsv(int(rng.below(360)), 160, 240));
        p.drawPath(diamondPath(QRectF(c.x() - h * 0.25, c.y() - h * 0.4, h * 0.5, h * 0.55)));
        break;
    case 2: // terrain: trees or peaks
        for (int i = 0; i < 4; ++i) {
            const qreal x = r.left() + r.width() * (0.15 + 0.23 * i);
            QPolygonF peak;
            peak << QPointF(x - h * 0.2, r.bottom()) << QPointF(x, r.bottom() - h * (0.6 + rng.below(30) / 100.0))
                 << QPointF(x + h * 0.2, r.bottom());
            p.setBrush(base.darker(200));
            p.drawPolygon(peak);
        }
        break;
    case 4: { // equipment: a sword
        p.setBrush(QColor(210, 215, 225));
        QPolygonF blade;
        blade << QPointF(c.x() - h * 0.05, c.y() + h * 0.1) << QPointF(c.x(), c.y() - h * 0.55)
              << QPointF(c.x() + h * 0.05, c.y() + h * 0.1);
        p.drawPolygon(blade);
        p.setBrush(QColor(150, 100, 40));
        p.drawRect(QRectF(c.x() - h * 0.18, c.y() + h * 0.1, h * 0.36, h * 0.06));
        p.drawRect(QRectF(c.x() - h * 0.03, c.y() + h * 0.16, h * 0.06, h * 0.2));
        break;
    }
    default: { // creature: a figure with a head, body and arms
        const QColor body = QColor::fromHsv(int(rng.below(360)), 120 + int(rng.below(100)), 90 + int(rng.below(100)));
        p.setBrush(body);
        QPolygonF torso;
        torso << QPointF(c.x() - h * 0.22, c.y() + h * 0.45) << QPointF(c.x() - h * 0.12, c.y() - h * 0.12)
              << QPointF(c.x() + h * 0.12, c.y() - h * 0.12) << QPointF(c.x() + h * 0.22, c.y() + h * 0.45);
        p.drawPolygon(torso);
        p.setBrush(QColor(230, 190, 150));
        p.drawEllipse(QPointF(c.x(), c.y() - h * 0.25), h * 0.13, h * 0.13);
        p.setPen(QPen(body.darker(150), std::max(2.0, h * 0.06), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() - h * 0.12, c.y() - h * 0.05), QPointF(c.x() - h * 0.35, c.y() + h * (rng.chance(50) ? -0.3 : 0.2)));
        p.drawLine(QPointF(c.x() + h * 0.12, c.y() - h * 0.05), QPointF(c.x() + h * 0.35, c.y() - h * 0.3));
        if (card.move == -2) { // wings
            p.setPen(QPen(QColor(20, 15, 10), 1));
            p.setBrush(QColor(240, 240, 250, 200));
            p.drawEllipse(QPointF(c.x() - h * 0.3, c.y() - h * 0.1), h * 0.2, h * 0.08);
            p.drawEllipse(QPointF(c.x() + h * 0.3, c.y() - h * 0.1), h * 0.2, h * 0.08);
        }
        break;
    }
    }
    p.restore();
}

QString plainRulesText(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const QString &abbr : markupAbbreviations())
        plain.replace(QLatin1Char('/') + abbr + QLatin1Char('/'), QLatin1Char('[') + abbr + QLatin1Char(']'));
    plain.remove(QLatin1Char('/'));
    return plain;
}

QString strikesText(const SampleCard &card)
{
    auto v = [](int x) { return x < 0 ? QStringLiteral("x") : QString::number(x); };
    return v(card.ld) + QLatin1Char('-') + v(card.ad) + QLatin1Char('-') + v(card.sd);
}

/// A full card picture of 400 x 560: the frame scaled up, the art in the area the picture cutting
/// takes out (44, 44)-(360, 291), the name, the values, the rules text and the set line.
QImage scanImage(const SampleCard &card, quint32 seed)
{
    QImage image = blank(400, 560, Qt::black);
    QPainter p(&image);
    p.save();
    p.scale(400.0 / 289.0, 560.0 / 401.0);
    drawFrame(p, card.element);
    p.restore();
    Rng rng(seed ^ quint32(card.cardIndex * 2654435761u));
    drawArt(p, QRectF(44, 44, 316, 247), card, rng);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(card.element == 5 ? Qt::white : Qt::black);
    QFont nf = nameFont(22);
    QFontMetricsF fm(nf);
    while (fm.horizontalAdvance(card.name) > 290 && nf.pixelSize() > 10) {
        nf.setPixelSize(nf.pixelSize() - 1);
        fm = QFontMetricsF(nf);
    }
    p.setFont(nf);
    p.drawText(QRectF(50, 290, 300, 42), Qt::AlignCenter, card.name);
    p.setPen(Qt::black);
    p.setFont(textFont(16, true));
    const QString cost = card.printedCost.isEmpty() ? QString::number(card.cost) : card.printedCost;
    QString values = (card.elity == 2 ? S("З ") : S("С ")) + cost;
    if (card.type == 3) {
        values += S("   Ж ") + QString::number(card.life);
        values += S("   Х ") + (card.move >= 0 ? QString::number(card.move) : card.move == -2 ? S("полёт") : card.move == -1 ? S("х") : S("сим"));
        values += S("   ") + strikesText(card);
    } else {
        values += S("   ") + (card.type == 1 ? S("Артефакт") : card.type == 2 ? S("Местность") : S("Экипировка"));
    }
    p.drawText(QRectF(46, 336, 310, 36), Qt::AlignCenter, values);
    p.setFont(textFont(12));
    p.drawText(QRectF(50, 382, 300, 140), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               plainRulesText(card.text));
    p.setPen(Qt::white);
    p.setFont(textFont(13));
    p.drawText(QRectF(14, 534, 250, 22), Qt::AlignLeft | Qt::AlignVCenter,
               card.setName + S("  №") + QString::number(card.number));
    p.drawImage(QPointF(362, 520), rarityImage(30, card.rarity, QColor(30, 25, 20)));
    return image;
}

QImage artImage(const SampleCard &card, quint32 seed)
{
    QImage image = blank(222, 177, Qt::black);
    QPainter p(&image);
    Rng rng(seed ^ quint32(card.cardIndex * 2654435761u));
    drawArt(p, QRectF(0, 0, 222, 177), card, rng);
    return image;
}

// ---- toolbar pictograms ------------------------------------------------------------------

const QColor kToolBack(240, 240, 240);

void drawMiniCard(QPainter &p, const QRectF &r, bool scan)
{
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(230, 200, 120));
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(scan ? QColor(70, 130, 200) : QColor(255, 255, 255));
    p.drawRect(QRectF(r.left() + 2.5, r.top() + 2.5, r.width() - 5, r.height() * 0.45));
    p.setPen(QPen(QColor(90, 70, 40), 1));
    for (int i = 0; i < 3; ++i) {
        const qreal y = r.top() + r.height() * (0.62 + 0.11 * i);
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    }
}

QImage toolImage(const QString &name)
{
    QImage image = blank(32, 32, kToolBack);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(30, 30, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(ink);
    if (name == QLatin1String("search")) {
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QRectF(4, 4, 16, 16));
        p.setPen(QPen(QColor(120, 70, 20), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, 18), QPointF(27, 27));
    } else if (name == QLatin1String("filter")) {
        p.setBrush(QColor(90, 150, 230));
        QPolygonF funnel;
        funnel << QPointF(4, 5) << QPointF(28, 5) << QPointF(19, 16) << QPointF(19, 27) << QPointF(13, 24) << QPointF(13, 16);
        p.drawPolygon(funnel);
    } else if (name == QLatin1String("faq")) {
        p.setBrush(QColor(60, 120, 210));
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(Qt::white);
        p.setFont(textFont(20, true));
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, S("?"));
    } else if (name == QLatin1String("mini") || name == QLatin1String("mini2")) {
        drawMiniCard(p, QRectF(8, 3, 17, 26), name == QLatin1String("mini2"));
    } else if (name == QLatin1String("new")) {
        p.setBrush(Qt::white);
        QPolygonF page;
        page << QPointF(7, 3) << QPointF(20, 3) << QPointF(26, 9) << QPointF(26, 29) << QPointF(7, 29);
        p.drawPolygon(page);
        p.drawLine(QPointF(20, 3), QPointF(20, 9));
        p.drawLine(QPointF(20, 9), QPointF(26, 9));
        p.setPen(QPen(QColor(240, 180, 0), 2));
        p.drawLine(QPointF(3, 3), QPointF(9, 9));
        p.drawLine(QPointF(9, 3), QPointF(3, 9));
    } else if (name == QLatin1String("save")) {
        p.setBrush(QColor(50, 80, 170));
        p.drawRect(QRectF(4, 4, 24, 24));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(8, 18, 16, 10));
    } else if (name == QLatin1String("load")) {
        p.setBrush(QColor(235, 190, 70));
        QPolygonF folder;
        folder << QPointF(3, 8) << QPointF(12, 8) << QPointF(14, 11) << QPointF(28, 11) << QPointF(28, 27) << QPointF(3, 27);
        p.drawPolygon(folder);
        p.setBrush(QColor(250, 215, 110));
        QPolygonF flap;
        flap << QPointF(6, 15) << QPointF(30, 15) << QPointF(27, 27) << QPointF(3, 27);
        p.drawPolygon(flap);
    } else if (name == QLatin1String("download")) {
        p.setPen(QPen(QColor(20, 130, 50), 4, Qt::SolidLine, Qt::RoundCap));
        arrow(p, QPointF(16, 3), QPointF(16, 22), 9);
        p.setPen(ink);
        p.drawLine(QPointF(5, 28), QPointF(27, 28));
    } else if (name == QLatin1String("stats")) {
        p.setBrush(QColor(220, 60, 60));
        p.drawRect(QRectF(5, 16, 6, 12));
        p.setBrush(QColor(60, 170, 60));
        p.drawRect(QRectF(13, 8, 6, 20));
        p.setBrush(QColor(60, 100, 220));
        p.drawRect(QRectF(21, 12, 6, 16));
        p.drawLine(QPointF(3, 29), QPointF(29, 29));
    } else if (name == QLatin1String("razdat")) {
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(16, 28);
            p.rotate(-25 + 25 * i);
            drawMiniCard(p, QRectF(-7, -24, 14, 20), false);
            p.restore();
        }
    } else if (name == QLatin1String("print")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 10));
        p.drawLine(QPointF(11, 23), QPointF(21, 23));
        p.drawLine(QPointF(11, 26), QPointF(19, 26));
    } else if (name == QLatin1String("random2")) {
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 5, 5);
        p.setBrush(QColor(200, 30, 30));
        p.setPen(Qt::NoPen);
        for (const QPointF pip : {QPointF(10, 10), QPointF(16, 16), QPointF(22, 22), QPointF(22, 10), QPointF(10, 22)})
            p.drawEllipse(pip, 2.2, 2.2);
    } else if (name == QLatin1String("sort")) {
        p.setPen(QPen(QColor(30, 30, 30), 2));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(4, 6 + 6 * i), QPointF(10 + 4 * i, 6 + 6 * i));
        p.setPen(QPen(QColor(30, 90, 200), 3, Qt::SolidLine, Qt::RoundCap));
        arrow(p, QPointF(25, 4), QPointF(25, 27), 8);
    } else if (name == QLatin1String("battle")) {
        p.setPen(QPen(QColor(120, 120, 130), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(24, 24));
        p.drawLine(QPointF(27, 5), QPointF(8, 24));
        p.setPen(QPen(QColor(140, 80, 20), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21, 27), QPointF(27, 21));
        p.drawLine(QPointF(5, 21), QPointF(11, 27));
    }
    return image;
}

// ---- battlefield pictures ---------------------------------------------------------------

QImage cardBack()
{
    QImage image = blank(289, 401, QColor(20, 20, 20));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(144, 200), 230);
    g.setColorAt(0, QColor(70, 60, 150));
    g.setColorAt(1, QColor(20, 15, 60));
    p.setPen(QPen(QColor(200, 170, 60), 4));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(4, 4, 281, 393), 14, 14);
    p.setPen(QPen(QColor(200, 170, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(16, 16, 257, 369), 8, 8);
    p.setBrush(QColor(200, 170, 60, 120));
    p.drawPath(starPath(QRectF(54, 110, 180, 180), 8, 0.5));
    p.setPen(QColor(240, 220, 140));
    p.setFont(nameFont(36));
    p.drawText(QRectF(0, 300, 289, 60), Qt::AlignCenter, S("Зарнак"));
    return image;
}

QImage noPicture()
{
    QImage image = blank(222, 177, QColor(170, 170, 170));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 110, 110), 3));
    p.drawRect(QRectF(6, 6, 210, 165));
    p.setPen(QColor(80, 80, 80));
    p.setFont(nameFont(60));
    p.drawText(QRectF(0, 0, 222, 140), Qt::AlignCenter, S("?"));
    p.setFont(textFont(16, true));
    p.drawText(QRectF(0, 120, 222, 40), Qt::AlignCenter, S("Нет картинки"));
    return image;
}

QImage markerImage(int index)
{
    static const QColor backs[] = {QColor(250, 220, 60), QColor(150, 150, 150), QColor(60, 160, 70),
                                   QColor(200, 40, 40), QColor(20, 30, 110), QColor(150, 150, 150),
                                   QColor(150, 150, 150)};
    QImage image = blank(20, 20, backs[index]);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, 16, 16);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    switch (index) {
    case 0: // sun
        p.setBrush(QColor(255, 140, 0));
        p.drawPath(starPath(r, 10, 0.6));
        break;
    case 1: // skull
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(4, 3, 12, 11));
        p.drawRect(QRectF(7, 12, 6, 5));
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(6.5, 7, 3, 3));
        p.drawEllipse(QRectF(10.5, 7, 3, 3));
        break;
    case 2: // drop
        p.setBrush(QColor(180, 255, 120));
        p.drawPath(dropPath(r));
        break;
    case 3: // cracked shield
        p.setBrush(QColor(220, 220, 230));
        p.drawPath(shieldPath(r));
        p.setPen(QPen(Qt::black, 1.2));
        p.drawPolyline(QPolygonF({QPointF(10, 4), QPointF(8, 9), QPointF(12, 11), QPointF(9, 17)}));
        break;
    case 4: // eye
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(2, 6, 16, 8));
        p.setBrush(QColor(40, 120, 200));
        p.drawEllipse(QRectF(7, 6, 6, 8));
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(9, 8.5, 2, 3));
        break;
    case 5: // upward triangle
        p.setBrush(QColor(40, 180, 60));
        p.drawPolygon(QPolygonF({QPointF(10, 3), QPointF(17, 16), QPointF(3, 16)}));
        break;
    default: // downward triangle
        p.setBrush(QColor(210, 40, 40));
        p.drawPolygon(QPolygonF({QPointF(3, 4), QPointF(17, 4), QPointF(10, 17)}));
        break;
    }
    return image;
}

QImage dieFace(int pips)
{
    QImage image = blank(50, 50, QColor(240, 240, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2, 2, 46, 46), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(pips == 1 ? QColor(200, 20, 20) : QColor(20, 20, 20));
    const qreal a = 13, b = 25, c = 37;
    std::vector<QPointF> spots;
    switch (pips) {
    case 1: spots = {{b, b}}; break;
    case 2: spots = {{a, a}, {c, c}}; break;
    case 3: spots = {{a, a}, {b, b}, {c, c}}; break;
    case 4: spots = {{a, a}, {c, a}, {a, c}, {c, c}}; break;
    case 5: spots = {{a, a}, {c, a}, {b, b}, {a, c}, {c, c}}; break;
    default: spots = {{a, a}, {c, a}, {a, b}, {c, b}, {a, c}, {c, c}}; break;
    }
    for (const QPointF &s : spots)
        p.drawEllipse(s, pips == 1 ? 6 : 4.5, pips == 1 ? 6 : 4.5);
    return image;
}

// ---- page pictures ----------------------------------------------------------------------

const QColor kPageBack(29, 31, 74);

QImage headingImage(int w, int h, const QString &text)
{
    QImage image = blank(w, h, kPageBack);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(229, 227, 255));
    QFont f = textFont(h * 0.6, true);
    while (QFontMetricsF(f).horizontalAdvance(text) > w - 2 && f.pixelSize() > 6)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.drawText(QRectF(0, 0, w, h), Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

const char *kMainCss =
    "body { background: #1d1f4a; color: #e5e3ff; font-family: Arial, sans-serif; font-size: 13px; }\r\n"
    ".blue { background: #2b2f6e; color: #e5e3ff; padding: 6px; margin: 4px; }\r\n"
    "p.blue { font-weight: bold; }\r\n"
    "a { color: #ffd86e; }\r\n"
    "img { border: 0; }\r\n";

void loadFonts(const QString &pics)
{
    const int nameId = QFontDatabase::addApplicationFont(pics + S("/FntName.ttf"));
    const int textId = QFontDatabase::addApplicationFont(pics + S("/FntText.ttf"));
    if (nameId < 0 || textId < 0)
        throw vz::Error(S("Не удалось загрузить шрифты из %1").arg(pics));
    g_nameFamily = QFontDatabase::applicationFontFamilies(nameId).value(0);
    g_textFamily = QFontDatabase::applicationFontFamilies(textId).value(0);
}

} // namespace

void drawAllPictures(const QString &dir, const SampleCatalogue &catalogue, quint32 seed)
{
    const QString pics = dir + S("/pics/");
    const QString html = dir + S("/html/");
    const QString small = dir + S("/small/");
    loadFonts(pics);

    for (int e = 0; e <= 6; ++e)
        save(frameImage(e), pics + QString::number(e) + S(".jpg"), "JPG", 90);
    for (const char *key : {"gld", "sil", "lif", "mov", "fly", "sim", "hit", "tok"})
        save(symbolImage(25, QString::fromLatin1(key)), pics + S("sym-") + QString::fromLatin1(key) + S(".bmp"), "BMP");
    for (int r = 1; r <= 5; ++r)
        save(rarityImage(26, r, QColor(30, 25, 20)), pics + S("rar0%1.bmp").arg(r), "BMP");
    struct Tool
    {
        const char *file;
        const char *drawing;
    };
    for (const Tool &tool : {Tool{"search.bmp", "search"}, Tool{"filter.bmp", "filter"}, Tool{"faq.bmp", "faq"},
                             Tool{"mini.bmp", "mini"}, Tool{"mini2.bmp", "mini2"}, Tool{"new.bmp", "new"},
                             Tool{"save.bmp", "save"}, Tool{"load.bmp", "load"}, Tool{"download.BMP", "download"},
                             Tool{"stats.bmp", "stats"}, Tool{"razdat.bmp", "razdat"}, Tool{"print.bmp", "print"},
                             Tool{"random2.bmp", "random2"}, Tool{"sort.bmp", "sort"}, Tool{"battle.bmp", "battle"}})
        save(toolImage(QString::fromLatin1(tool.drawing)), pics + QString::fromLatin1(tool.file), "BMP");
    save(cardBack(), pics + S("back.jpg"), "JPG", 90);
    save(noPicture(), pics + S("nopic.jpg"), "JPG", 90);
    for (int m = 0; m < 7; ++m)
        save(markerImage(m), pics + S("marker%1.bmp").arg(m + 1), "BMP");
    for (int d = 1; d <= 6; ++d)
        save(dieFace(d), pics + S("cube%1.bmp").arg(d), "BMP");
    const QStringList &keys = tokenSymbolKeys();
    for (int i = 0; i < keys.size(); ++i)
        save(symbolImage(16, keys[i]), pics + S("icon%1.bmp").arg(i, 2, 10, QLatin1Char('0')), "BMP");

    // Page pictures of the html folder.
    for (const QString &key : keys)
        saveGif(symbolImage(20, key, kPageBack), html + S("sym-") + key + S(".gif"));
    for (int r = 1; r <= 5; ++r)
        saveGif(rarityImage(22, r, kPageBack), html + S("rar0%1.gif").arg(r));
    struct Heading
    {
        const char *file;
        int w, h;
        const char *text;
    };
    for (const Heading &hd : {Heading{"h-num.gif", 57, 22, "Номер:"}, Heading{"h-rar.gif", 75, 22, "Редкость:"},
                              Heading{"h-artist.gif", 85, 20, "Художник:"}, Heading{"h-realm.gif", 63, 20, "Стихия:"},
                              Heading{"h-set.gif", 65, 20, "Сет:"}, Heading{"h-where.gif", 88, 20, "Где найти:"}})
        saveGif(headingImage(hd.w, hd.h, QString::fromUtf8(hd.text)), html + QString::fromLatin1(hd.file));
    QFile css(html + S("main.css"));
    if (!css.open(QIODevice::WriteOnly) || css.write(kMainCss) < 0)
        throw vz::Error(S("Не удалось записать файл %1").arg(css.fileName()));
    css.close();

    // Art pictures and scans.
    for (const SampleCard &card : catalogue.cards) {
        if (card.hasPicture && !card.picPath.isEmpty())
            save(artImage(card, seed), small + card.picPath + S(".jpg"), "JPG", 85);
        if (card.hasScan && !card.scanPath.isEmpty())
            save(scanImage(card, seed), html + card.scanPath + S(".jpg"), "JPG", 85);
    }
}

} // namespace vz::sample
