#pragma once

// The text files spreadsheets write and open (CSV): their encodings, their records and
// their fields.

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

struct TexteDecode {
    QString texte;
    QString codage; // "UTF-8", "UTF-16", "Windows-1252" or "ISO-8859-15"
};

// The text of a file that a spreadsheet or a text editor wrote: UTF-8 with or without
// its mark, UTF-16 with its mark, and otherwise a Western code page, Windows-1252 (the
// same letters as ISO-8859-1) unless the bytes only make sense as ISO-8859-15 (its "Œ",
// "œ" and "€" where Windows-1252 has fraction signs). A byte sequence that fits none is
// kept as U+FFFD, never dropped.
TexteDecode DecoderTexte(const QByteArray& octets);

struct EnregistrementCsv {
    int ligne = 0; // the line of the file where the record starts, from 1
    QStringList champs;
    bool guillemetOuvert = false; // a quote that never closed, read as a plain character
};

// The records of a text, one per line, fields split at the separator (none: one field per
// line). A field between double quotes may hold separators, line ends and doubled quotes;
// the line ends are CR LF, LF or CR alone. Blank lines give no record.
QList<EnregistrementCsv> LireCsv(const QString& texte, QChar separateur);

// The separator of a spreadsheet's text, ';', tab or ',', from its first lines: the one
// found the same number of times on most of them (quotes respected). A null QChar when no
// line holds any: a list of one field per line.
QChar DevinerSeparateur(const QString& texte);

// A field as a spreadsheet reads it back: quoted when it holds a separator, a quote or a
// line end, its quotes doubled. A spreadsheet runs a field that starts like a formula,
// and pupils type their own names: such a field starts with an apostrophe, quoted.
QString ChampCsv(const QString& texte);
// The fields, separated by ";", then CR LF.
QString LigneCsv(const QStringList& champs);
// The bytes of a spreadsheet file: a UTF-8 byte-order mark, then the text in UTF-8, which
// every spreadsheet opens with its accents.
QByteArray DocumentCsv(const QString& texte);
