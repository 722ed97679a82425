#include "DossierTemporaire.h"
#include "FenetreAide.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(Aide, LAdresseDesigneUnePageDuDossierDAideOuSonSommaire)
{
    DossierTemporaire dossier;
    const QString base = QDir::current().absolutePath();
    EXPECT_EQ(FenetreAide::cheminPage(QStringLiteral("aide_orvane.chm::exercice1.htm")),
              base + QStringLiteral("/aide_orvane/exercice1.htm"));
    EXPECT_EQ(FenetreAide::cheminPage(QStringLiteral("aide_orvane.chm::/listes.htm")),
              base + QStringLiteral("/aide_orvane/listes.htm"));
    EXPECT_EQ(FenetreAide::cheminPage(QStringLiteral("aide_orvane.chm")),
              base + QStringLiteral("/aide_orvane/sommaire.htm"));
}

TEST(Aide, UnDossierPartageLitLAideDeLInstallation)
{
    DossierTemporaire dossier;
    qputenv("ORVANE_AIDE", "/usr/share/orvane/aide_orvane");
    const QString page = FenetreAide::cheminPage(QStringLiteral("aide_orvane.chm::listes.htm"));
    const QString sommaire = FenetreAide::cheminPage(QStringLiteral("aide_orvane.chm"));
    qunsetenv("ORVANE_AIDE");
    EXPECT_EQ(page, QStringLiteral("/usr/share/orvane/aide_orvane/listes.htm"));
    EXPECT_EQ(sommaire, QStringLiteral("/usr/share/orvane/aide_orvane/sommaire.htm"));
}

TEST(Aide, UnePagePresenteEstAfficheeEtUnePageAbsenteDitIntrouvable)
{
    DossierTemporaire dossier;
    QDir().mkdir(QStringLiteral("aide_orvane"));
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("aide_orvane/pedagogie.htm"),
                                          "<html><body><p>Page pour les ma\xC3\xAEtres</p></body></html>"));

    FenetreAide fenetre;
    fenetre.afficher(QStringLiteral("aide_orvane.chm::pedagogie.htm"));
    EXPECT_TRUE(fenetre.pageAffichee().endsWith(QStringLiteral("aide_orvane/pedagogie.htm")));
    EXPECT_TRUE(fenetre.texteAffiche().contains(QStringLiteral("Page pour les")));

    fenetre.afficher(QStringLiteral("aide_orvane.chm::absente.htm"));
    EXPECT_TRUE(fenetre.pageAffichee().isEmpty());
    EXPECT_TRUE(fenetre.texteAffiche().contains(QStringLiteral("Page introuvable")));
    EXPECT_TRUE(fenetre.texteAffiche().contains(QStringLiteral("absente.htm")));
    EXPECT_TRUE(fenetre.isVisible());
}
