#pragma once

#include <QImage>
#include <QList>
#include <QTextBrowser>
#include <QTextCharFormat>

namespace vz {

/// The rich text view of the card view and the battlefield preview: one paragraph of text runs
/// in numbered text styles and inline icons from an icon list, over a tiled background picture.
/// It keeps a log of what was appended so that tests can read it back.
class RichTextView : public QTextBrowser
{
    Q_OBJECT
public:
    /// One appended piece: a text run with its style, or an icon with its index.
    struct Run
    {
        enum Kind { Text, Icon } kind = Text;
        QString text;
        int style = 0;
        int icon = -1;
        bool operator==(const Run &o) const
        {
            return kind == o.kind && text == o.text && style == o.style && icon == o.icon;
        }
    };

    explicit RichTextView(QWidget *parent = nullptr);

    /// The seven text styles: 0 Arial 8 pt regular, 1 bold blue, 2 bold navy, 3 italic maroon,
    /// 4 and 5 underlined green, 6 Arial 8 pt italic.
    static QTextCharFormat textStyle(int index);

    void setIcons(const QList<QImage> &icons);
    void setMargins(int left, int right, int top, int bottom);
    void setBackgroundTile(const QImage &tile);
    QImage backgroundTile() const { return m_tile; }

    /// Empties the view and the log.
    void clearContent();
    /// Appends text in a style to the one paragraph (line breaks stay inside the paragraph).
    void addText(const QString &text, int style);
    /// Appends icon `index` of the icon list; an index outside the list is skipped.
    void addIcon(int index);

    const QList<Run> &runs() const { return m_runs; }
    /// The text runs joined, icons shown as "[i]" (handy for reading back in tests).
    QString plainRuns() const;

private:
    QTextCursor endCursor();
    QList<QImage> m_icons;
    QList<Run> m_runs;
    QImage m_tile;
    int m_margins[4] = {0, 0, 0, 0};
};

} // namespace vz
