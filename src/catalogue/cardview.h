#pragma once

#include <QString>
#include <functional>

class QGroupBox;
class QImage;
class QPixmap;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
struct CardFace;
struct TCardRecord;

namespace vz {
class RichTextView;
}

/// A bitmap drawn see-through: the colour of its bottom-left pixel is the background.
QPixmap TransparentPicture(const QString &file);

/// The card view inside the group `card_image`: the frame or scan (`Image2`), the art picture
/// (`Image1`), the name, the four value icons and texts, set, number, rarity picture and the
/// rules text view `rw`, plus the artist line and the two text boxes under the group.
class CardView
{
public:
    /// `appFile` turns a path below the program folder ("\pics\1.jpg") into a local path.
    CardView(QGroupBox *group, QLineEdit *aftar, QPlainTextEdit *rtext, QPlainTextEdit *ftext,
             QToolButton *bView, std::function<QString(const QString &)> appFile);

    /// Fills the values of a card (icons, texts, name colour and place, rarity, set data).
    void showValues(const CardFace &face);
    /// Draws the scan when bView is pressed and the scan exists, otherwise the composed card
    /// with its rules text. Returns true when the scan is shown.
    bool draw(const TCardRecord &card, const QString &appDir);

    vz::RichTextView *rw() const { return m_rw; }
    /// True while the scan is shown.
    bool scanShown() const { return m_scanShown; }

private:
    QLabel *label(const QString &name, int x, int y, int w, int h);
    void setPicture(QLabel *target, const QString &relative);
    void setScaledDown(QLabel *target, const QImage &image);

    QGroupBox *m_group;
    QLineEdit *m_aftar;
    QPlainTextEdit *m_rtext, *m_ftext;
    QToolButton *m_bView;
    std::function<QString(const QString &)> m_appFile;
    QLabel *m_image2, *m_image1, *m_name, *m_imgcost, *m_cost, *m_imglif, *m_lif, *m_imgmov,
        *m_mov, *m_imghit, *m_hit, *m_nset, *m_numer, *m_image3;
    vz::RichTextView *m_rw;
    bool m_scanShown = false;
};
