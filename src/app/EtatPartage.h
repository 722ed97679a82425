#pragma once

// The state that the windows share for the whole run. A window sets what the next
// window needs, then shows it; the caller reads back what a modal window set.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>

class QRandomGenerator;

// Fixed names.
inline const QString NomProduit = QStringLiteral("Orvane");
inline const QString FichierAide = QStringLiteral("aide_orvane.chm");
inline const QString FichierReglages = QStringLiteral("Orvane.pfr");
inline const QString FichierImages = QStringLiteral("ImagesOrvane.pfr");
inline const QString FichierDossierBilans = QStringLiteral("DossierOrvane.pfr");
inline const QString FichierDossierExercices = QStringLiteral("DossierExosOrvane.pfr");
inline const QString ImageAPropos = QStringLiteral("Orvane.bmp");
inline const QString FondAPropos = QStringLiteral("fond27.bmp");
inline const QString TexteVersion = QStringLiteral("Orvane   version 3.1");
inline const QString ImageAucune = QStringLiteral("aucune");
inline const QString ImageVide = QStringLiteral("vide");

constexpr int NbImages = 3;
constexpr int TailleTableBilan = 1001;

// Settings of exercise 1 and the recording switch (file "Orvane.pfr", 4 bytes).
struct EnregistrementReglages {
    quint8 TailleJeu1 = 3;
    quint8 NbColoreesJeu1 = 2;
    quint8 ModifChoixJeu1 = 1;
    quint8 BilanReussite = 0;
};

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

extern QString DossierProgramme;
extern Geometrie GeometrieReference;
extern quint8 NumeroExercice;
extern QString NomEleve;
extern QString NomClasse;
extern bool SuiviEleve;
extern std::array<QString, TailleTableBilan> TableBilan;
extern std::array<quint32, 17> TableCouleurs; // indices 1..16
extern EnregistrementReglages Reglages;
extern EnregistrementDossier DossierBilans;
extern EnregistrementDossier DossierExercices;
extern EnregistrementImages ImagesChoisies;
extern std::array<QString, NbImages> ImagesParDefaut;
// ImageAccueil, ImageFondPanneau, ImageFondFenetre.
extern std::array<QString, NbImages> ImagesCourantes;
inline QString& ImageAccueil = ImagesCourantes[0];
inline QString& ImageFondPanneau = ImagesCourantes[1];
inline QString& ImageFondFenetre = ImagesCourantes[2];

// Fills the fixed names, the default pictures, the current pictures and the colour table.
void InitialiserDefauts();

// Puts every shared variable back to its value at program start (tests start from here).
void ReinitialiserEtatPartage();

// The picture a window tiles for a slot: "aucune" gives "vide", an empty entry the
// slot's default, anything else is used unchanged.
QString ImagePourCase(int slot);

// The one random generator, seeded from the clock at start; tests seed it themselves.
QRandomGenerator& Hasard();
void SemerHasard(quint32 graine);
int NombreAuHasard(int borne); // 0..borne-1
