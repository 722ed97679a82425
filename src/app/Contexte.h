#pragma once

// The program's fixed names, its stored records, and the context the windows share.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>

// Fixed names.
inline const QString NomProduit = QStringLiteral("Orvane");
inline const QString FichierAide = QStringLiteral("aide_orvane.chm");
inline const QString FichierReglages = QStringLiteral("Orvane.pfr");
inline const QString FichierImages = QStringLiteral("ImagesOrvane.pfr");
inline const QString FichierDossierBilans = QStringLiteral("DossierOrvane.pfr");
inline const QString FichierDossierExercices = QStringLiteral("DossierExosOrvane.pfr");
inline const QString FichierRetours = QStringLiteral("RetoursOrvane.pfr");
inline const QString FichierTableau = QStringLiteral("TableauOrvane.pfr");
// The marker of a school's shared folder, written by the launcher when it first sets the
// folder up, or by the administrator (see orvane-lanceur).
inline const QString FichierRepereCommun = QStringLiteral(".orvane-commun");
inline const QString FichierHasard = QStringLiteral("HasardOrvane.pfr");
inline const QString ImageAPropos = QStringLiteral("Orvane.bmp");
inline const QString FondAPropos = QStringLiteral("fond27.bmp");
inline const QString TexteVersion = QStringLiteral("Orvane   version 3.1");
inline const QString ImageAucune = QStringLiteral("aucune");
inline const QString ImageVide = QStringLiteral("vide");

constexpr int NbImages = 3;

// Settings of exercise 1 and the recording switch (file "Orvane.pfr", 4 bytes).
struct EnregistrementReglages {
    quint8 TailleJeu1 = 3;
    quint8 NbColoreesJeu1 = 2;
    quint8 ModifChoixJeu1 = 1;
    quint8 BilanReussite = 0;
};

// The teacher's help for pupils (file "RetoursOrvane.pfr", 4 bytes): show the mistakes
// after "Faux"; offer the solution after that many "Faux" on one exercise (0: never); read
// the instructions and the verdicts aloud; mark the verdicts with a sound. All off is the
// program as it always was. Files of the earlier 3 bytes have no sounds.
struct EnregistrementRetours {
    static constexpr int Taille = 4;
    static constexpr int TailleSansSons = 3;
    static constexpr int EssaisMax = 20;
    quint8 MontrerErreurs = 0;
    quint8 EssaisAvantSolution = 0;
    quint8 LireAVoixHaute = 0;
    quint8 JouerSons = 0;
};

// The exercises the program makes for a pupil (file "HasardOrvane.pfr", 1 byte): offer
// the next level after three successes in a row, and the level below after three "Faux"
// on one exercise. Without the file the offers are made.
struct EnregistrementHasard {
    static constexpr int Taille = 1;
    quint8 ProposerNiveaux = 1;
};

// The classroom's board (file "TableauOrvane.pfr", 1 byte): windows for a finger at the
// board and for eyes at the back of the room. Without the file, off.
struct EnregistrementTableau {
    static constexpr int Taille = 1;
    quint8 ModeTableau = 0;
};

class Sons;
class Voix;

// A folder record (353 bytes): the folder text (capacity 250) and two reserved texts
// (capacity 50) that are kept as read.
struct EnregistrementDossier {
    static constexpr int Taille = 353;
    static constexpr int CapaciteDossier = 250;
    QByteArray octets = QByteArray(Taille, '\0');

    QString dossier() const;
    void fixerDossier(const QString& texte);
};

// The pictures record (1024 bytes): four short texts of capacity 255; slot 3 is reserved.
struct EnregistrementImages {
    static constexpr int Taille = 1024;
    static constexpr int TailleCase = 256;
    static constexpr int Capacite = 255;
    QByteArray octets = QByteArray(Taille, '\0');

    QString image(int slot) const;
    void fixerImage(int slot, const QString& texte);
};

struct Geometrie {
    int left = 0;
    int top = 0;
    int height = 0;
    int width = 0;
};

// The program's colours by number (1..16); 0 is unused.
inline constexpr std::array<quint32, 17> TableCouleurs = {
    0,          0x00000000, 0x00808080, 0x00800000, 0x00FF0000, 0x00FFFF00,
    0x00800080, 0x00FF00FF, 0x000000FF, 0x00000080, 0x0000FFFF, 0x0000FF00,
    0x00008000, 0x00008080, 0x00808000, 0x00FFFFFF, 0x00C0C0C0};

// The picture of each slot when the pictures file names none: the main menu's title,
// the panels' background, the windows' background.
inline const std::array<QString, NbImages> ImagesParDefaut = {
    QStringLiteral("Orvane_Titre.bmp"), QStringLiteral("fond21.bmp"), QStringLiteral("fond12.bmp")};

// What the windows share for the whole run: the settings, the folders, the pupil. The
// start-up makes one and hands it to every window it creates; a window reads and sets
// only the context its constructor was given, and a caller reads back what a modal
// window set in it.
struct Contexte {
    // The folder the program started in: its settings, pictures, class lists and help.
    QString dossierProgramme;
    // Where the main window stands; the full-screen windows are held there.
    Geometrie geometrieReference;
    // The exercise the main menu opened last (1 to 5).
    quint8 numeroExercice = 0;
    // The pupil who identified (empty when nobody did), the class, and whether the
    // pupil's successes are recorded and shown.
    QString nomEleve;
    QString nomClasse;
    bool suiviEleve = false;
    EnregistrementReglages reglages;
    EnregistrementRetours retours;
    EnregistrementHasard hasard;
    EnregistrementTableau tableau;
    // "orvane --tableau": board mode for this run, whatever the file says.
    bool tableauDemande = false;
    // The voice that reads aloud when the teacher asks for it (none: nothing is said).
    Voix* voix = nullptr;
    // What plays the verdicts' sounds when the teacher asks for them (none: silence).
    Sons* sons = nullptr;
    EnregistrementDossier dossierBilans;
    EnregistrementDossier dossierExercices;
    EnregistrementImages imagesChoisies;
    // The picture each slot tiles now (the preferences window shows a choice before it
    // is kept).
    std::array<QString, NbImages> imagesCourantes = ImagesParDefaut;

    // The context of a program started in dossier, with every default.
    explicit Contexte(QString dossier = QString());

    QString& imageAccueil() { return imagesCourantes[0]; }
    QString& imageFondPanneau() { return imagesCourantes[1]; }
    QString& imageFondFenetre() { return imagesCourantes[2]; }

    // The picture a window tiles for a slot: "aucune" gives "vide", an empty entry the
    // slot's default, anything else is used unchanged.
    QString imagePourCase(int slot) const;
    // A file of the program folder, by its name.
    QString fichierProgramme(const QString& nom) const;
    // The results folder chosen when it can be reached; empty when it cannot (a share
    // not mounted on this computer), since results written anywhere else would be lost
    // to the teacher. A folder never chosen is the program folder.
    QString dossierBilansAccessible() const;
    // Whether the program runs in a school's shared folder (it holds the marker).
    bool dossierCommun() const;
    // Board mode, asked by the teacher's preference or on the command line.
    bool modeTableau() const { return tableau.ModeTableau == 1 || tableauDemande; }
};
