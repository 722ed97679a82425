#pragma once

#include <QByteArray>
#include <QStringList>

// The results files are rich-text documents holding one paragraph per line, as a
// Windows rich-text control writes them; files from other tools may be plain text.

// A whole document: one paragraph per line, characters outside ASCII as \'hh
// Windows-1252 escapes (\uN for those that code page lacks).
QByteArray documentRtf(const QStringList& lignes);

// The lines of a document. A text that starts with "{\rtf" is read as rich text;
// anything else as plain text with CR LF or LF line ends. The text after the last
// paragraph mark is the last line, so a final mark gives a last empty line.
QStringList lignesDocument(const QByteArray& octets);

// False for bytes that are no document of lines at all (a damaged file, or some other
// file under a results file's name): a control character other than the tab and the line
// ends, or a byte Windows-1252 leaves undefined. The NULs that end the earlier program's
// files do not count.
bool documentLisible(const QByteArray& octets);
