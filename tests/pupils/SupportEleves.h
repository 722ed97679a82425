#pragma once

// Shared set-up of the pupils' tests: a fresh program folder with its own results and
// exercises folders, scripted dialogs, and the shared state as at program start.

#include "ChoixExercice.h"
#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "EtatPartage.h"

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

    TestEleves()
    {
        ReinitialiserEtatPartage();
        QDir(programme.chemin()).mkdir(QStringLiteral("bilans"));
        QDir(programme.chemin()).mkdir(QStringLiteral("exercices"));
        DossierBilans.fixerDossier(dossierBilans());
        DossierExercices.fixerDossier(dossierExercices());
    }

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
