#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Every message box, file dialog and help page goes through one Dialogues object,
// so that tests can replace the real one with a scripted double.

enum class GenreMessage { Avertissement, Information, Confirmation };
enum class BoutonsMessage { Ok, OuiNon, OuiNonAnnuler };
enum class Reponse { Ok, Oui, Non, Annuler };

struct DemandeFichier {
    QString titre;
    QString dossierInitial;     // empty: the current folder
    QString nomPropose;         // file name shown in the name box
    QString filtre;             // Qt form, filters separated by ";;": "images bitmap (*.bmp)"
    QString extensionParDefaut; // without the dot
    QString filtreInitial;      // the filter selected when the dialog opens (empty: the first)
    bool confirmerRemplacement = true;
};

struct DemandeTexte {
    QString titre;
    QString question; // the line above the box
    QString texte;    // what the box holds at first
};

class Dialogues {
public:
    virtual ~Dialogues() = default;
    virtual Reponse message(GenreMessage genre, const QString& texte, BoutonsMessage boutons) = 0;
    // Full path of the chosen file, or an empty text when the dialog is cancelled.
    virtual QString ouvrirFichier(const DemandeFichier& demande) = 0;
    virtual QString enregistrerFichier(const DemandeFichier& demande) = 0;
    // adresse is "file::page" for one page, or the bare file name for the contents.
    virtual void afficherAide(const QString& adresse) = 0;
    // The line typed, or nothing when the box is cancelled. A service that never asks
    // anything answers as if it were cancelled.
    virtual std::optional<QString> demanderTexte(const DemandeTexte& demande);
};

// The object in use; the real dialogs unless a test installed another one.
Dialogues& dialogues();
void installerDialogues(Dialogues* remplacant); // nullptr gives the real dialogs back

QString titreMessage(GenreMessage genre);

void avertir(const QString& texte);
void informer(const QString& texte);
Reponse confirmer(const QString& texte, BoutonsMessage boutons = BoutonsMessage::OuiNon);

// A count in a message, its noun agreeing: "1 élève", "0 élève", "3 élèves".
QString compter(qsizetype nombre, const QString& singulier, const QString& pluriel);
