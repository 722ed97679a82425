#pragma once

// The four preference files, in the program folder, and the choices of the preferences
// window that need no window of their own.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

#include "Contexte.h"

constexpr int TailleFichierReglages = 4;

// Each loader first sets its defaults, then reads the file's first record over them.
// A missing, short or damaged file (a length byte beyond its slot, a setting outside its
// values) leaves the defaults.
void ChargerFichierImages(Contexte& contexte);
void ChargerFichierReglages(Contexte& contexte);
void ChargerFichierRetours(Contexte& contexte);
void ChargerFichierDossier(const Contexte& contexte, const QString& fichier, EnregistrementDossier& dossier);
// The records from a first record already read (nothing when the file was missing or
// short); a record of another size is taken as damaged, but for the help file's earlier
// size, which is read without its newer settings. A folder's default is the
// program folder.
EnregistrementImages ImagesLues(const std::optional<QByteArray>& octets);
EnregistrementReglages ReglagesLus(const std::optional<QByteArray>& octets);
EnregistrementRetours RetoursLus(const std::optional<QByteArray>& octets);
EnregistrementDossier DossierLu(const std::optional<QByteArray>& octets, const QString& dossierProgramme);

// Writes the four files and the help file, each whole or not at all; a file that cannot
// be written is skipped and keeps its previous content.
void EcrireFichiersPreferences(const Contexte& contexte);

// A folder followed by the separator, cut to the 250 characters of a folder slot.
QString DossierParDefaut(const QString& dossier);
// The folder part of a full file name, ending with one separator (the root keeps its own).
QString PartieDossier(const QString& cheminFichier);

// The save dialog that picks a folder; stores the folder when the dialog is accepted.
void ChoisirDossier(const Contexte& contexte, EnregistrementDossier& dossier);
// The open dialog that picks the picture of slot 0..2; true when one was chosen.
bool ChoisirImage(Contexte& contexte, int slot);

// Exercise 1's choices: the four counts of coloured cells offered for a size (a size
// outside 1..4 is taken as the nearest one), and their texts with that of the size
// ("Taille 3 (5 x 7)").
std::array<int, 4> NombresCasesColorees(int taille);
QString LegendeTailleJeu1(int taille);
QStringList TextesCasesColorees(int taille);
