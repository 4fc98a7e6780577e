#include "cardview.h"

#include "cardface.h"
#include "cardtext.h"
#include "platform/cardfonts.h"
#include "platform/richtextview.h"

#include <QBitmap>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

constexpr int kImage2Width = 289;
constexpr int kImage2Height = 401;
constexpr int kRwLeft = 8, kRwTop = 273, kRwWidth = 257, kRwHeight = 124;

QFont valueFont()
{
    QFont font(vz::CardFonts::TextFace);
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

} // namespace

QPixmap TransparentPicture(const QString &file)
{
    QImage image(file);
    if (image.isNull())
        return {};
    const QRgb background = image.pixel(0, image.height() - 1);
    QPixmap picture = QPixmap::fromImage(image);
    picture.setMask(QBitmap::fromImage(image.createMaskFromColor(background, Qt::MaskInColor)));
    return picture;
}

CardView::CardView(QGroupBox *group, QLineEdit *aftar, QPlainTextEdit *rtext, QPlainTextEdit *ftext,
                   QToolButton *bView, std::function<QString(const QString &)> appFile)
    : m_group(group)
    , m_aftar(aftar)
    , m_rtext(rtext)
    , m_ftext(ftext)
    , m_bView(bView)
    , m_appFile(std::move(appFile))
{
    m_image2 = label(QStringLiteral("Image2"), 8, 8, kImage2Width, kImage2Height);
    m_image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_image1 = label(QStringLiteral("Image1"), 40, 40, 222, 177);
    m_image1->setScaledContents(true);
    m_image1->setAutoFillBackground(true);
    m_name = label(QStringLiteral("Name"), 48, 218, 209, 20);
    m_name->setAlignment(Qt::AlignCenter);
    QFont nameFont(vz::CardFonts::NameFace);
    nameFont.setPixelSize(16);
    m_name->setFont(nameFont);
    m_imgcost = label(QStringLiteral("imgcost"), 46, 252, 25, 25);
    m_imgcost->setToolTip(QStringLiteral("Стоимость"));
    m_cost = label(QStringLiteral("cost"), 70, 256, 32, 16);
    m_imglif = label(QStringLiteral("imglif"), 104, 252, 25, 25);
    m_imglif->setToolTip(QStringLiteral("Жизнь"));
    m_lif = label(QStringLiteral("lif"), 128, 256, 80, 16);
    m_imgmov = label(QStringLiteral("imgmov"), 152, 252, 25, 25);
    m_imgmov->setToolTip(QStringLiteral("Ход"));
    m_mov = label(QStringLiteral("mov"), 176, 256, 80, 16);
    m_imghit = label(QStringLiteral("imghit"), 192, 252, 25, 25);
    m_imghit->setToolTip(QStringLiteral("Простой удар"));
    m_hit = label(QStringLiteral("hit"), 216, 256, 60, 16);
    for (QLabel *value : {m_cost, m_lif, m_mov, m_hit}) {
        value->setFont(valueFont());
        value->setStyleSheet(QStringLiteral("color: black"));
    }
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    m_nset = label(QStringLiteral("nset"), 16, 394, 150, 16);
    m_nset->setToolTip(QStringLiteral("Сет"));
    m_numer = label(QStringLiteral("numer"), 168, 394, 60, 16);
    m_numer->setToolTip(QStringLiteral("Номер в сете"));
    for (QLabel *white : {m_nset, m_numer}) {
        white->setFont(arial);
        white->setStyleSheet(QStringLiteral("color: white"));
    }
    m_image3 = label(QStringLiteral("Image3"), 267, 383, 26, 26);

    m_rw = new vz::RichTextView(m_group);
    m_rw->setObjectName(QStringLiteral("rw"));
    m_rw->setGeometry(kRwLeft, kRwTop, kRwWidth, kRwHeight);
    m_rw->setMargins(40, 7, 0, 0);
    m_rw->setIcons(CardIcons());

    // Stacking order, bottom to top.
    for (QLabel *l : {m_image2, m_numer, m_nset, m_imgmov, m_imglif, m_imghit, m_imgcost,
                      m_image3, m_image1, m_hit, m_cost, m_lif, m_mov, m_name})
        l->raise();
    m_rw->raise();
}

QLabel *CardView::label(const QString &name, int x, int y, int w, int h)
{
    auto *l = new QLabel(m_group);
    l->setObjectName(name);
    l->setGeometry(x, y, w, h);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

void CardView::setPicture(QLabel *target, const QString &relative)
{
    // A picture that is missing is skipped: the control stays empty.
    const QString file = m_appFile(relative);
    const bool exists = QFile::exists(file);
    target->setPixmap(exists ? TransparentPicture(file) : QPixmap());
    target->setProperty("picture", exists ? relative : QString());
}

void CardView::setScaledDown(QLabel *target, const QImage &image)
{
    QPixmap picture = QPixmap::fromImage(image);
    if (!picture.isNull()
        && (picture.width() > target->width() || picture.height() > target->height()))
        picture = picture.scaled(target->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    target->setPixmap(picture);
}

void CardView::showValues(const CardFace &face)
{
    for (QLabel *icon : {m_imgcost, m_imglif, m_imgmov, m_imghit}) {
        icon->clear();
        icon->setProperty("picture", QString());
    }
    for (QLabel *value : {m_cost, m_lif, m_mov, m_hit})
        value->clear();
    m_aftar->clear();

    setPicture(m_imgcost, face.costIcon);
    m_cost->setText(face.costText);
    if (!face.lifeIcon.isEmpty())
        setPicture(m_imglif, face.lifeIcon);
    m_lif->setText(face.lifeText);
    if (!face.moveIcon.isEmpty())
        setPicture(m_imgmov, face.moveIcon);
    m_mov->setText(face.moveText);
    if (!face.hitIcon.isEmpty())
        setPicture(m_imghit, face.hitIcon);
    m_hit->setText(face.hitText);
    m_ftext->setPlainText(face.flavor);
    m_rtext->setPlainText(face.text);
    setPicture(m_image3, face.rarityPicture);
    m_image3->setToolTip(face.rarityHint);
    m_nset->setText(face.setName);
    m_numer->setText(face.number);
    m_aftar->setText(face.artist);
    m_name->setText(face.name);
    m_name->setStyleSheet(face.whiteName ? QStringLiteral("color: white")
                                         : QStringLiteral("color: black"));
    m_name->move(48, face.nameTop);
}

bool CardView::draw(const TCardRecord &card, const QString &appDir)
{
    const QString scan = m_appFile(QStringLiteral("\\html\\") + card.scan_path + QStringLiteral(".jpg"));
    if (m_bView->isChecked() && !card.scan_path.isEmpty() && QFile::exists(scan)) {
        m_rw->hide();
        m_image2->raise();
        setScaledDown(m_image2, QImage(scan));
        m_bView->setIcon(QIcon(TransparentPicture(m_appFile(QStringLiteral("\\pics\\mini2.bmp")))));
        m_bView->setProperty("picture", QStringLiteral("mini2.bmp"));
        m_scanShown = true;
        return true;
    }
    m_scanShown = false;
    m_image2->lower();
    m_rw->show();
    m_bView->setIcon(QIcon(TransparentPicture(m_appFile(QStringLiteral("\\pics\\mini.bmp")))));
    m_bView->setProperty("picture", QStringLiteral("mini.bmp"));

    const QString frameFile = m_appFile(QStringLiteral("\\pics\\%1.jpg").arg(card.element));
    const QImage frame(frameFile);
    setScaledDown(m_image2, frame);
    const QString art = m_appFile(QStringLiteral("\\small\\") + card.pic_path + QStringLiteral(".jpg"));
    if (!card.pic_path.isEmpty() && QFile::exists(art))
        m_image1->setPixmap(QPixmap(art));
    else
        m_image1->clear();

    m_rw->clearContent();
    // The part of the frame behind the text view, as its tiled background, so the text looks
    // written on the card.
    QImage background(kImage2Width - 4, kImage2Height, QImage::Format_RGB32);
    background.fill(Qt::white);
    if (!frame.isNull()) {
        QPainter painter(&background);
        painter.drawImage(background.rect(), frame);
    }
    const int top = kRwTop - 8;
    m_rw->setBackgroundTile(background.copy(0, top, kRwWidth, kRwHeight));
    RenderCardText(m_rw, card.text, appDir);
    m_rw->viewport()->update();
    return false;
}
