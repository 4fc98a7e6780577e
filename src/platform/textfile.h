#pragma once

#include <QString>
#include <QStringList>

namespace vz {

/// Decodes Windows-1251 bytes.
QString fromCp1251(const QByteArray &bytes);
/// Encodes text as Windows-1251 (characters it lacks become '?').
QByteArray toCp1251(const QString &text);

/// Splits text into lines at CR LF, LF or a lone CR; a last line without an end still counts,
/// and empty lines are kept.
QStringList splitLines(const QString &text);

/// Reads a Windows-1251 list file whole; throws vz::Error when it cannot be read.
QStringList readListFile(const QString &path);
/// Writes lines as Windows-1251, each ended by CR LF, whole or not at all (through a temporary
/// file beside it); throws vz::Error on failure.
void writeListFile(const QString &path, const QStringList &lines);

/// Replaces every occurrence of `from` in `text`, with regard to letter case.
QString ReplaceAll(const QString &text, const QString &from, const QString &to);
/// Replaces every occurrence of `from` in `text` without regard to letter case (Cyrillic folded).
QString ReplaceAllNoCase(const QString &text, const QString &from, const QString &to);

} // namespace vz
