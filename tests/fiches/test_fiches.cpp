// Worksheets: the answer drawn on paper is the player's exact mirror, the PDF holds the
// pages and texts a teacher expects, and damaged input is named, never printed.

#include "Fiches.h"

#include "Couleurs.h"
#include "DisquePlein.h"
#include "DossierTemporaire.h"
#include "Dessin.h"
#include "Enregistrements.h"
#include "FichierExercice.h"
#include "Symetrie.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int T = 20; // the player's cells for 24 columns at design size

ElementFigure Element(Genre genre, int c1, int l1, int c2, int l2, quint32 couleur = CouleurBlanc)
{
    return ElementDepuisPixels(genre, c1 * T, l1 * T, c2 * T, l2 * T, couleur, T);
}

// Exercise 3 about a vertical axis: every kind of outline and a painted area inside a
// rectangle.
ExerciceFiche ExerciceComplet()
{
    ExerciceFiche exercice;
    exercice.Nom = QStringLiteral("Ex01");
    exercice.NumeroExercice = 3;
    exercice.Grille.TailleCase = T;
    Figure& f = exercice.Reference;
    f.Ajouter(Element(GenreRectangle, 2, 3, 8, 9));
    f.Ajouter(ElementDepuisPixels(GenreColoriage, 4 * T + 7, 5 * T + 3, 4 * T + 7, 5 * T + 3,
                                  CouleurVert, T));
    f.Ajouter(Element(GenreTrait, 1, 12, 10, 20));
    f.Ajouter(Element(GenreCercle, 3, 14, 7, 18));
    f.Ajouter(Element(GenreQuartDeCercle, 9, 4, 11, 2));
    return exercice;
}

// The answer's colour reads as the player's black; grid lines as the paper, since a curve
// plotted point by point leaves a grid pixel showing here and there where a stroke does not.
quint32 Normalise(quint32 couleur)
{
    if (couleur == CouleurGrisQuadrillage)
        return CouleurBlanc;
    return couleur == CouleurCorrige ? CouleurNoir : couleur;
}

// Pixels of `a` inside the grid whose colour no pixel of `b` has within two pixels: what
// neither a pen's rounding nor plotting a curve point by point rather than stroking it
// can explain. A figure one cell off is 20 pixels off.
int Differences(const QImage& a, const QImage& b, int cote)
{
    int differences = 0;
    for (int y = 0; y <= cote; ++y)
        for (int x = 0; x <= cote; ++x) {
            const quint32 voulu = Normalise(CouleurPixel(a, x, y));
            bool trouve = false;
            for (int dy = -2; dy <= 2 && !trouve; ++dy)
                for (int dx = -2; dx <= 2 && !trouve; ++dx)
                    trouve = Normalise(CouleurPixel(b, x + dx, y + dy)) == voulu;
            differences += trouve ? 0 : 1;
        }
    return differences;
}

QImage ImageFiche(const ExerciceFiche& exercice, bool corrige)
{
    const int cote = T * 24 + 4;
    QImage image = NouvelleImage(cote, cote);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    DessinerGrilleFiche(p, exercice, corrige);
    return image;
}

// The answer drawn on paper is the picture the player shows for the exact mirror, which
// the player's check accepts: about every axis kind, shifted either way, and the centre
// point; in exercise 3 (wider axis, black lines beside it, painted areas) and in 4.
TEST(Fiches, LeCorrigeEstLImageExacteQueLeJoueurAttend)
{
    const struct {
        Axe axe;
        int decalage;
        int numero;
    } cas[] = {
        {AxeVertical, 0, 3}, {AxeVertical, -3, 3},  {AxeHorizontal, 1, 3},  {AxeHorizontal, -2, 4},
        {AxeObliqueHB, 0, 3}, {AxeObliqueHB, 1, 3}, {AxeObliqueHB, -2, 4},  {AxeObliqueBH, 0, 3},
        {AxeObliqueBH, 1, 4}, {AxeObliqueBH, -4, 3}, {AxePoint, 0, 3},      {AxePoint, 0, 5},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << "axis " << Code(c.axe) << " shifted " << c.decalage
                                        << ", exercise " << c.numero);
        ExerciceFiche exercice = ExerciceComplet();
        exercice.NumeroExercice = c.numero;
        exercice.Grille.TypeAxe = c.axe;
        exercice.Grille.DecalageAxe = c.decalage;
        const Quadrillage& g = exercice.Grille;
        const Figure attendue = FigureMiroir(g, exercice.Reference);
        QImage joueur = NouvelleImage(T * 24 + 4, T * 24 + 4);
        DessinerQuadrillage(joueur, g, c.numero, Rendu::Joueur);
        DessinerFigure(joueur, exercice.Reference, Rendu::Joueur);
        const int axeInitial = CompterPointsAxeCouverts(g, joueur);
        DessinerFigure(joueur, attendue, Rendu::Joueur);
        MasqueReference masque(joueur.width(), joueur.height());
        for (int i = 1; i <= exercice.Reference.NbElements; ++i)
            MarquerElement(masque, exercice.Reference[i]);
        EXPECT_TRUE(VerifierSymetrie(g, joueur, masque, exercice.Reference, attendue, axeInitial));

        const QImage corrige = ImageFiche(exercice, true);
        EXPECT_EQ(Differences(joueur, corrige, T * 24), 0);
        EXPECT_EQ(Differences(corrige, joueur, T * 24), 0);
        // The worksheet lacks the answer: the comparison does see a missing figure.
        EXPECT_GT(Differences(joueur, ImageFiche(exercice, false), T * 24), 500);
    }
    // The painted area's image is there, in its colour, on the other side of the axis.
    EXPECT_EQ(CouleurPixel(ImageFiche(ExerciceComplet(), true), 24 * T - (4 * T + 7), 5 * T + 3),
              CouleurVert);
}

QString EcrireSerie(const DossierTemporaire& dossier, int nombre)
{
    const ExerciceFiche modele = ExerciceComplet();
    ParametresEcriture parametres;
    parametres.NumeroExercice = 3;
    QStringList chemins;
    for (int i = 1; i <= nombre; ++i) {
        const QString chemin = dossier.fichier(QStringLiteral("Ex%1.ex3").arg(i, 2, 10, QLatin1Char('0')));
        EXPECT_TRUE(EcrireExercice(chemin, modele.Grille, modele.Reference, parametres));
    }
    return dossier.chemin();
}

QStringList Exercices(const QString& dossier, int nombre)
{
    QStringList chemins;
    for (int i = 1; i <= nombre; ++i)
        chemins << dossier + QStringLiteral("/Ex%1.ex3").arg(i, 2, 10, QLatin1Char('0'));
    return chemins;
}

int NombrePages(const QString& chemin)
{
    const QByteArray pdf = lireFichier(chemin).value_or(QByteArray());
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

QString TextePremierePage(const QString& chemin)
{
    const QString outil = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    EXPECT_FALSE(outil.isEmpty()) << "pdftotext (poppler-utils) is needed";
    QProcess processus;
    processus.start(outil, {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                            QStringLiteral("1"), chemin, QStringLiteral("-")});
    processus.waitForFinished();
    return QString::fromUtf8(processus.readAllStandardOutput()).simplified();
}

TEST(Fiches, UneSerieDeSeizeExercicesDonneSesPagesEtSesTextes)
{
    DossierTemporaire dossier;
    const SerieFiches serie = LireSerieFiches(Exercices(EcrireSerie(dossier, 16), 16));
    ASSERT_EQ(serie.Exercices.size(), 16u);

    OptionsFiches options;
    options.AvecCorriges = Corriges::MemePdf;
    const QString fiches = dossier.fichier(QStringLiteral("Série.pdf"));
    const BilanFiches bilan = EnregistrerFiches(serie, options, fiches);
    ASSERT_TRUE(bilan.Ecrit) << bilan.Message.toStdString();
    EXPECT_TRUE(bilan.Message.isEmpty()) << bilan.Message.toStdString();
    EXPECT_EQ(NombrePages(fiches), 32);

    const QString texte = TextePremierePage(fiches);
    EXPECT_TRUE(texte.contains(QStringLiteral("Exercice : Ex01"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("Nom : ...... Date : ......"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("Trace le symétrique de la figure par rapport à "
                                              "l'axe rouge, puis colorie les zones de la même "
                                              "couleur.")))
        << texte.toStdString();

    // Two to a page, answers in a second file.
    options.ExercicesParPage = 2;
    options.AvecCorriges = Corriges::SecondFichier;
    const BilanFiches deux = EnregistrerFiches(serie, options, fiches);
    ASSERT_EQ(deux.Fichiers, QStringList({fiches, CheminCorriges(fiches)}));
    EXPECT_EQ(NombrePages(fiches), 8);
    EXPECT_EQ(NombrePages(CheminCorriges(fiches)), 8);
    EXPECT_TRUE(TextePremierePage(CheminCorriges(fiches)).contains(QStringLiteral("Corrigé")));
}

TEST(Fiches, LesMauvaisesEntreesSontNommeesEtRienNEstEcritAMoitie)
{
    DossierTemporaire dossier;
    EcrireSerie(dossier, 2);
    // Too short, and a grid of no column.
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("Abîmé.ex3"), QByteArray("\x01\x02\x03", 3)));
    QByteArray sansColonne = lireFichier(dossier.fichier(QStringLiteral("Ex01.ex3"))).value();
    sansColonne[16] = 0;
    ASSERT_TRUE(DossierTemporaire::ecrire(QStringLiteral("Vide.ex3"), sansColonne));

    const SerieFiches serie = LireSerieFiches(
        {dossier.fichier(QStringLiteral("Ex01.ex3")), dossier.fichier(QStringLiteral("Abîmé.ex3")),
         dossier.fichier(QStringLiteral("Vide.ex3")), dossier.fichier(QStringLiteral("Ex02.ex3"))});
    EXPECT_EQ(serie.Exercices.size(), 2u);
    OptionsFiches options;
    const BilanFiches bilan = EnregistrerFiches(serie, options, dossier.fichier(QStringLiteral("a.pdf")));
    EXPECT_TRUE(bilan.Ecrit);
    EXPECT_EQ(bilan.Message, QStringLiteral("2 exercices n'ont pas pu être lus : Abîmé, Vide."));

    // A grid of 24 cells of 1 cm is too wide for A4: it gets the largest half millimetre
    // that fits, and the message says so.
    options.MillimetresParCase = 10.0;
    const SerieFiches seul = LireSerieFiches({dossier.fichier(QStringLiteral("Ex01.ex3"))});
    EXPECT_EQ(EnregistrerFiches(seul, options, dossier.fichier(QStringLiteral("b.pdf"))).Message,
              QStringLiteral("Quadrillages trop grands pour des cases de 1 cm, imprimés plus "
                             "petits : Ex01 (7,5 mm)."));

    // A folder that cannot be written: the usual message, and no file at all.
    options.AvecCorriges = Corriges::SecondFichier;
    const QString absent = dossier.fichier(QStringLiteral("absent/c.pdf"));
    const BilanFiches echec = EnregistrerFiches(seul, options, absent);
    EXPECT_FALSE(echec.Ecrit);
    EXPECT_TRUE(echec.Message.startsWith(messageErreurFichier(absent, QString()).left(20)))
        << echec.Message.toStdString();
    EXPECT_FALSE(QFile::exists(absent));

    // Older worksheets and answers stay as they were, whichever file fails: the answers
    // (a folder holds their name) or both (a full disk). Nothing new is left beside them.
    for (const bool disquePlein : {false, true}) {
        SCOPED_TRACE(disquePlein ? "full disk" : "answers not writable");
        DossierTemporaire ici;
        const QString fiches = ici.fichier(QStringLiteral("fiches.pdf"));
        const QString corriges = CheminCorriges(fiches);
        ASSERT_TRUE(DossierTemporaire::ecrire(fiches, "ancien"));
        ASSERT_TRUE(disquePlein ? DossierTemporaire::ecrire(corriges, "anciens corrigés") : QDir().mkdir(corriges));
        const QStringList avant = QDir(ici.chemin()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        BilanFiches bilan;
        {
            std::optional<DisquePlein> plein;
            if (disquePlein)
                plein.emplace();
            bilan = EnregistrerFiches(seul, options, fiches);
        }
        EXPECT_FALSE(bilan.Ecrit);
        EXPECT_TRUE(bilan.Message.startsWith(messageErreurFichier(disquePlein ? fiches : corriges, QString())))
            << bilan.Message.toStdString();
        EXPECT_EQ(lireFichier(fiches), QByteArray("ancien"));
        if (disquePlein) {
            EXPECT_EQ(lireFichier(corriges), QByteArray("anciens corrigés"));
        }
        EXPECT_EQ(QDir(ici.chemin()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), avant);
    }
}

} // namespace
