#pragma once

// The class overview on paper: A4 landscape pages, the exercise columns split across
// pages when they do not fit (the pupils' names and totals repeated on each), the
// pupils split likewise, with the title, the date and the page numbers.

#include <QString>

class QPagedPaintDevice;
struct TableauSuivi;

// How many pages the table takes.
int NombrePagesSuivi(const TableauSuivi& tableau);

// Lays the table out on a printer or a PDF writer; titre names the class and the
// choice, date is printed as given.
void ImprimerSuivi(QPagedPaintDevice& appareil, const TableauSuivi& tableau, const QString& titre,
                   const QString& date);

// The PDF file written whole or not at all; false with the French cause.
bool EnregistrerPdfSuivi(const QString& fichier, const TableauSuivi& tableau, const QString& titre,
                         const QString& date, QString* erreur = nullptr);
