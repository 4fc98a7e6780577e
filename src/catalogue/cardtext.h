#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace vz {
class RichTextView;
}

/// The twenty 16 by 16 icons of the rules-text tokens; icon i shows token i of MarkupTokens().
/// The card view and the battlefield both take their icons from this one list.
const QList<QImage> &CardIcons();

/// Appends the rendering of the rules text `text` to `view` as one paragraph of words and token
/// icons, class words in italics. The class list is read from appDir + "/class.ini" (Windows-1251)
/// at every call; a missing file means no class words, an unreadable one throws vz::Error before
/// anything is appended. The caller clears the view before and repaints it afterwards.
void RenderCardText(vz::RichTextView *view, const QString &text, const QString &appDir);
