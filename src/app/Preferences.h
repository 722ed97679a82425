#pragma once

// The four preference files, in the program folder, and the choices of the preferences
// window that need no window of their own.

#include <QByteArray>
#include <QMap>
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
void ChargerFichierHasard(Contexte& contexte);
void ChargerFichierTableau(Contexte& contexte);
void ChargerFichierDossier(const Contexte& contexte, const QString& fichier, EnregistrementDossier& dossier);
// The records from a first record already read (nothing when the file was missing or
// short); a record of another size is taken as damaged, but for the help file's earlier
// size, which is read without its newer settings. A folder's default is the
// program folder.
EnregistrementImages ImagesLues(const std::optional<QByteArray>& octets);
EnregistrementReglages ReglagesLus(const std::optional<QByteArray>& octets);
EnregistrementRetours RetoursLus(const std::optional<QByteArray>& octets);
EnregistrementHasard HasardLu(const std::optional<QByteArray>& octets);
EnregistrementTableau TableauLu(const std::optional<QByteArray>& octets);
EnregistrementDossier DossierLu(const std::optional<QByteArray>& octets, const QString& dossierProgramme);

// The preference files by name, each with its bytes (nothing for a missing file).
using ContenusPreferences = QMap<QString, std::optional<QByteArray>>;
inline const QStringList FichiersPreferences = {FichierReglages, FichierImages, FichierDossierBilans,
                                                FichierDossierExercices, FichierRetours, FichierHasard,
                                                FichierTableau};

// The bytes the context gives each file. In a school's shared folder, a folder inside it
// is stored relative to it (read back against wherever the next computer mounts it).
ContenusPreferences ContenusAEcrire(const Contexte& contexte);
// The files as they are now.
ContenusPreferences LireFichiersPreferences(const Contexte& contexte);

enum class ResultatPreferences { Ecrites, Echec, ChangeesAilleurs };
// Writes the four files, the help file, the made-up exercises' file and the board's under
// one lock, each whole or not at all; a file that cannot be written keeps its previous
// content, and every failure (the lock
// held elsewhere too) is said in French once the lock is released. When vus is given,
// the files are written only if they still hold those bytes: another teacher's changes
// since are not written over without a question (ChangeesAilleurs, nothing written).
ResultatPreferences EcrireFichiersPreferences(const Contexte& contexte,
                                              const std::optional<ContenusPreferences>& vus = std::nullopt);
// "Valeurs par défaut": deletes the files but the exercises folder's, under the same
// lock. False after saying why.
bool EffacerFichiersPreferences(const Contexte& contexte);

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
