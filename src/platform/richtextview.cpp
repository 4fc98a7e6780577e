#include "richtextview.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

namespace vz {

RichTextView::RichTextView(QWidget *parent)
    : QTextBrowser(parent)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setOpenLinks(false);
    setUndoRedoEnabled(false);
    clearContent();
}

QTextCharFormat RichTextView::textStyle(int index)
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    switch (index) {
    case 0:
        format.setFontPointSize(8);
        break;
    case 1:
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(Qt::blue));
        break;
    case 2:
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(0, 0, 128));
        break;
    case 3:
        format.setFontItalic(true);
        format.setForeground(QColor(128, 0, 0));
        break;
    case 4:
    case 5:
        format.setFontUnderline(true);
        format.setForeground(QColor(0, 128, 0));
        break;
    case 6:
        format.setFontPointSize(8);
        format.setFontItalic(true);
        break;
    default:
        break;
    }
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        format.setForeground(QColor(Qt::black));
    return format;
}

void RichTextView::setIcons(const QList<QImage> &icons)
{
    m_icons = icons;
}

void RichTextView::setMargins(int left, int right, int top, int bottom)
{
    m_margins[0] = left;
    m_margins[1] = right;
    m_margins[2] = top;
    m_margins[3] = bottom;
    QTextFrameFormat frame = document()->rootFrame()->frameFormat();
    frame.setLeftMargin(left);
    frame.setRightMargin(right);
    frame.setTopMargin(top);
    frame.setBottomMargin(bottom);
    document()->rootFrame()->setFrameFormat(frame);
}

void RichTextView::setBackgroundTile(const QImage &tile)
{
    m_tile = tile;
    QPalette pal = viewport()->palette();
    if (tile.isNull())
        pal.setBrush(QPalette::Base, QBrush(Qt::white));
    else
        pal.setBrush(QPalette::Base, QBrush(QPixmap::fromImage(tile)));
    viewport()->setPalette(pal);
    viewport()->setAutoFillBackground(true);
    viewport()->update();
}

void RichTextView::clearContent()
{
    m_runs.clear();
    document()->clear();
    document()->setDocumentMargin(0);
    setMargins(m_margins[0], m_margins[1], m_margins[2], m_margins[3]);
    // The one paragraph in "Paragraph Style": line spacing of 75 percent.
    QTextCursor cursor(document());
    QTextBlockFormat block;
    block.setLineHeight(75, QTextBlockFormat::ProportionalHeight);
    cursor.setBlockFormat(block);
}

QTextCursor RichTextView::endCursor()
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    return cursor;
}

void RichTextView::addText(const QString &text, int style)
{
    m_runs.append({Run::Text, text, style, -1});
    QString shown = text;
    // Line breaks inside a word stay in the same paragraph.
    shown.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    shown.replace(QLatin1Char('\r'), QChar::LineSeparator);
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    endCursor().insertText(shown, textStyle(style));
}

void RichTextView::addIcon(int index)
{
    if (index < 0 || index >= m_icons.size())
        return;
    m_runs.append({Run::Icon, QString(), 0, index});
    const QUrl name(QStringLiteral("icon:%1").arg(index));
    document()->addResource(QTextDocument::ImageResource, name, m_icons.at(index));
    QTextImageFormat image;
    image.setName(name.toString());
    image.setWidth(m_icons.at(index).width());
    image.setHeight(m_icons.at(index).height());
    image.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    endCursor().insertImage(image);
}

QString RichTextView::plainRuns() const
{
    QString result;
    for (const Run &run : m_runs)
        result += run.kind == Run::Icon ? QStringLiteral("[%1]").arg(run.icon) : run.text;
    return result;
}

} // namespace vz
