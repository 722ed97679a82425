#pragma once

// Shared set-up of the pupils' tests: a fresh program folder with its own results and
// exercises folders, scripted dialogs, and a context as at program start.

#include "Bilans.h"
#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "Contexte.h"
#include "ParcoursClasse.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QStringList>

#include <gtest/gtest.h>

#include <initializer_list>

class TestEleves : public ::testing::Test {
protected:
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    Contexte contexte{programme.chemin()};
    QStringList bilanLu;

    TestEleves()
    {
        QDir(programme.chemin()).mkdir(QStringLiteral("bilans"));
        QDir(programme.chemin()).mkdir(QStringLiteral("exercices"));
        contexte.dossierBilans.fixerDossier(dossierBilans());
        contexte.dossierExercices.fixerDossier(dossierExercices());
    }

    // The current pupil's results file and records, as the player and the chooser use them.
    QString nomBilan() const { return NomFichierBilan(contexte.nomEleve, contexte.nomClasse); }
    void enregistrerReussite(const QString& ligne) const
    {
        EnregistrerReussite(contexte.dossierBilansAccessible(), contexte.nomEleve, contexte.nomClasse, ligne);
    }
    void lireBilanEleve()
    {
        bilanLu = LireBilan(CheminBilan(contexte.dossierBilansAccessible(), contexte.nomEleve,
                                        contexte.nomClasse));
    }
    bool reussi(const QString& ligne) const { return ExerciceReussi(bilanLu, ligne); }

    QString dossierBilans() const { return programme.fichier(QStringLiteral("bilans")); }
    QString dossierExercices() const { return programme.fichier(QStringLiteral("exercices")); }
    QString bilan(const QString& nom) const { return QDir(dossierBilans()).filePath(nom); }

    static void ecrire(const QString& chemin, const QByteArray& contenu)
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << chemin.toStdString();
        f.write(contenu);
    }

    static QByteArray lire(const QString& chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static QStringList nomsDans(const QString& dossier)
    {
        return QDir(dossier).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

// The words of an exercise file, little-endian.
inline QByteArray motsExercice(std::initializer_list<qint32> mots)
{
    QByteArray octets;
    for (qint32 mot : mots)
        for (int i = 0; i < 4; ++i)
            octets.append(static_cast<char>((static_cast<quint32>(mot) >> (8 * i)) & 0xFF));
    return octets;
}

// One record of a class file: the length byte, the name, then filler up to 256 bytes.
inline QByteArray enregistrementEleve(const QByteArray& nom, char remplissage = '\0')
{
    QByteArray r(256, remplissage);
    r[0] = static_cast<char>(nom.size());
    r.replace(1, nom.size(), nom);
    return r;
}

// The texts of a list box, top to bottom.
inline QStringList textesListe(const QListWidget* liste)
{
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes.append(liste->item(i)->text());
    return textes;
}

// Selects the item with that text and tells the list it was clicked.
inline void cliquerItem(QListWidget* liste, const QString& texte)
{
    const auto trouves = liste->findItems(texte, Qt::MatchExactly);
    ASSERT_FALSE(trouves.isEmpty()) << liste->objectName().toStdString() << " "
                                    << texte.toStdString();
    liste->setCurrentItem(trouves[0]);
    emit liste->itemClicked(trouves[0]);
}

// Steps of a class's path: a series (every exercise, or that many successes), or that many
// successes at a level au hasard.
inline EtapeParcours etapeSerie(int type, const QString& serie, int reussites = 0)
{
    EtapeParcours e;
    e.type = type;
    e.serie = serie;
    e.reussites = reussites;
    return e;
}

inline EtapeParcours etapeNiveau(int type, int niveau, int reussites)
{
    EtapeParcours e;
    e.genre = GenreEtape::Niveau;
    e.type = type;
    e.niveau = niveau;
    e.reussites = reussites;
    return e;
}
