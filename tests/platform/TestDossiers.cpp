#include "DossierTemporaire.h"
#include "Dossiers.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <map>

namespace {
void creerFichier(const QString& nom)
{
    QFile f(nom);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

std::map<QString, int> attributsParNom(const QList<EntreeDossier>& entrees)
{
    std::map<QString, int> resultat;
    for (const EntreeDossier& e : entrees)
        resultat[e.nom] = e.attributs;
    return resultat;
}
} // namespace

TEST(ListeDossier, DonneLesAttributsDossierEtCache)
{
    DossierTemporaire dossier;
    QDir().mkdir(QStringLiteral("Série 1"));
    QDir().mkdir(QStringLiteral(".cache"));
    creerFichier(QStringLiteral("a.ex2"));
    creerFichier(QStringLiteral(".b.ex2"));
    creerFichier(QStringLiteral("figee.ex2"));
    QFile::setPermissions(QStringLiteral("figee.ex2"), QFile::ReadOwner | QFile::ReadUser);
    QFile::link(QStringLiteral("Série 1"), QStringLiteral("lien"));

    const auto attributs = attributsParNom(listerDossier(dossier.chemin(), QStringLiteral("*.*")));
    EXPECT_EQ(attributs.size(), 6u) << "'.' and '..' are never listed";
    EXPECT_EQ(attributs.at(QStringLiteral("Série 1")), 16);
    EXPECT_EQ(attributs.at(QStringLiteral(".cache")), 16 | 2);
    EXPECT_EQ(attributs.at(QStringLiteral("a.ex2")), 0);
    EXPECT_EQ(attributs.at(QStringLiteral(".b.ex2")), 2);
    EXPECT_EQ(attributs.at(QStringLiteral("figee.ex2")), 0) << "a read-only file is a file";
    EXPECT_EQ(attributs.at(QStringLiteral("lien")), 16) << "a link to a folder is a folder";
}

TEST(ListeDossier, LeMasqueFiltreLExtensionSansRegarderLaCasse)
{
    DossierTemporaire dossier;
    creerFichier(QStringLiteral("un.ex2"));
    creerFichier(QStringLiteral("deux.EX2"));
    creerFichier(QStringLiteral("trois.ex3"));
    creerFichier(QStringLiteral("quatre.ex2.bak"));

    const auto ex2 = attributsParNom(listerDossier(QString(), QStringLiteral("*.ex2")));
    EXPECT_EQ(ex2.size(), 2u);
    EXPECT_TRUE(ex2.count(QStringLiteral("un.ex2")));
    EXPECT_TRUE(ex2.count(QStringLiteral("deux.EX2")));
    EXPECT_EQ(listerDossier(QString(), QStringLiteral("*")).size(), 4);
    EXPECT_EQ(listerDossier(QString(), QStringLiteral("*.EX*")).size(), 4);
    EXPECT_EQ(listerDossier(QString(), QStringLiteral("*.ex?")).size(), 3);
    EXPECT_EQ(listerDossier(QString(), QStringLiteral("t*.ex*")).size(), 1);
}

TEST(ListeDossier, DonneLesNomsDansLOrdreAlphabetiqueSansRegarderLaCasse)
{
    DossierTemporaire dossier;
    for (const char* nom : {"Exercice 10.ex2", "b.ex2", "Exercice 02.ex2", "A.ex2", "exercice 01.ex2"})
        creerFichier(QString::fromLatin1(nom));
    QStringList noms;
    for (const EntreeDossier& e : listerDossier(QString(), QStringLiteral("*.ex2")))
        noms.append(e.nom);
    EXPECT_EQ(noms, (QStringList{QStringLiteral("A.ex2"), QStringLiteral("b.ex2"),
                                 QStringLiteral("exercice 01.ex2"), QStringLiteral("Exercice 02.ex2"),
                                 QStringLiteral("Exercice 10.ex2")}));
}

TEST(ListeDossier, UnDossierAbsentNeDonneRien)
{
    DossierTemporaire dossier;
    EXPECT_TRUE(listerDossier(dossier.fichier(QStringLiteral("absent")), QStringLiteral("*.*")).isEmpty());
}

TEST(FichierSansCasse, PrendLeNomExactPuisUnNomQuiNeDiffereQueParLaCasse)
{
    DossierTemporaire dossier;
    const QString ici = dossier.chemin();
    EXPECT_EQ(fichierSansCasse(ici, QStringLiteral("Paul.reu")), dossier.fichier(QStringLiteral("Paul.reu")))
        << "nothing there: the exact name, to be created";
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("PAUL.REU"), "x"));
    QDir().mkdir(QStringLiteral("paul.reu.d"));
    EXPECT_EQ(fichierSansCasse(ici, QStringLiteral("Paul.reu")), dossier.fichier(QStringLiteral("PAUL.REU")));
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("Paul.reu"), "y"));
    EXPECT_EQ(fichierSansCasse(ici, QStringLiteral("Paul.reu")), dossier.fichier(QStringLiteral("Paul.reu")))
        << "an exact match wins";
    QDir().mkdir(QStringLiteral("Lea.reu"));
    EXPECT_EQ(fichierSansCasse(ici, QStringLiteral("LEA.reu")), dossier.fichier(QStringLiteral("LEA.reu")))
        << "a folder is not a file";
}

TEST(Separateur, NEstAjouteQuUneFois)
{
    EXPECT_EQ(avecSeparateur(QStringLiteral("/a/b")), QStringLiteral("/a/b/"));
    EXPECT_EQ(avecSeparateur(QStringLiteral("/a/b/")), QStringLiteral("/a/b/"));
}
