// The help pages as the program's viewer shows them: every topic that a window opens is a
// real page, and every link and picture of every page leads somewhere.

#include "FenetreAide.h"
#include "Niveaux.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QString dossierAide = QStringLiteral(ORVANE_DOSSIER_AIDE);
const QString fichierAide = QStringLiteral("aide_orvane.chm");

// Topics built at run time (the player adds the exercise number) cannot be found in the
// sources, so the windows' topics are named here as well.
const QStringList sujetsDesFenetres = {
    QStringLiteral("pedagogie.htm"), QStringLiteral("exercice1.htm"),
    QStringLiteral("exercice2.htm"), QStringLiteral("exercice3.htm"),
    QStringLiteral("exercice4.htm"), QStringLiteral("exercice5.htm"),
    QStringLiteral("edit_exo.htm"),  QStringLiteral("listes.htm"),
    QStringLiteral("gestion.htm"),   QStringLiteral("preferences.htm"),
    QStringLiteral("fiches.htm"),
};

QString lireTexte(const QString& chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(fichier.readAll());
}

// Every page name written in the program's sources, so that a window given a new topic
// cannot open a page that was never written.
QSet<QString> sujetsCitesDansLesSources()
{
    static const QRegularExpression page(QStringLiteral("\"([A-Za-z0-9_]+\\.htm)\""));
    QSet<QString> sujets;
    QDirIterator parcours(QStringLiteral(ORVANE_DOSSIER_SOURCES),
                          {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                          QDirIterator::Subdirectories);
    while (parcours.hasNext()) {
        auto trouvailles = page.globalMatch(lireTexte(parcours.next()));
        while (trouvailles.hasNext())
            sujets.insert(trouvailles.next().captured(1));
    }
    return sujets;
}

QSet<QString> sujetsOuverts()
{
    QSet<QString> sujets = sujetsCitesDansLesSources();
    for (const QString& sujet : sujetsDesFenetres)
        sujets.insert(sujet);
    return sujets;
}

QStringList pagesDuDossier()
{
    return QDir(dossierAide).entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
}

QString cheminDe(const QString& page)
{
    return QDir(dossierAide).filePath(page);
}

// The page as the viewer lays it out: same widget, same loading of relative resources.
struct PageChargee {
    QTextBrowser navigateur;
    explicit PageChargee(const QString& page)
    {
        navigateur.setSearchPaths({dossierAide});
        navigateur.setSource(QUrl::fromLocalFile(cheminDe(page)));
    }
    QTextDocument* document() { return navigateur.document(); }
};

template <typename Action>
void pourChaqueFragment(QTextDocument* document, Action action)
{
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next())
        for (auto it = bloc.begin(); !it.atEnd(); ++it)
            action(it.fragment());
}

struct Renvois {
    QStringList liens;
    QStringList images;
    QSet<QString> ancres;
};

Renvois renvoisDe(const QString& page)
{
    PageChargee chargee(page);
    Renvois renvois;
    pourChaqueFragment(chargee.document(), [&renvois](const QTextFragment& fragment) {
        const QTextCharFormat format = fragment.charFormat();
        renvois.liens += format.anchorHref();
        for (const QString& nom : format.anchorNames())
            renvois.ancres.insert(nom);
        if (format.isImageFormat())
            renvois.images += format.toImageFormat().name();
    });
    renvois.liens.removeAll(QString());
    return renvois;
}

// Attributes that the layout drops (a style sheet link, for one) still have to resolve.
QStringList attributsDeRenvoi(const QString& page)
{
    static const QRegularExpression attribut(
        QStringLiteral("\\b(?:href|src)\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QStringList cibles;
    auto trouvailles = attribut.globalMatch(lireTexte(cheminDe(page)));
    while (trouvailles.hasNext())
        cibles += trouvailles.next().captured(1);
    return cibles;
}

QString verifierRenvoi(const QString& page, const QString& cible)
{
    const QUrl url(cible);
    if (!url.scheme().isEmpty() || cible.startsWith(QLatin1Char('/')))
        return page + QStringLiteral(" : renvoi hors de l'aide « ") + cible + QStringLiteral(" »");
    const QString fichier = url.path();
    if (fichier.isEmpty() && url.hasFragment()) {
        if (!renvoisDe(page).ancres.contains(url.fragment()))
            return page + QStringLiteral(" : ancre absente « ") + cible + QStringLiteral(" »");
        return {};
    }
    const QString chemin = QDir(dossierAide).absoluteFilePath(fichier);
    if (!QFileInfo(chemin).isFile())
        return page + QStringLiteral(" : fichier introuvable « ") + cible + QStringLiteral(" »");
    if (url.hasFragment() && !renvoisDe(fichier).ancres.contains(url.fragment()))
        return page + QStringLiteral(" : ancre absente « ") + cible + QStringLiteral(" »");
    return {};
}

QString titreBrut(const QString& texte)
{
    static const QRegularExpression titre(QStringLiteral("<title>([^<]*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    return titre.match(texte).captured(1).trimmed();
}

class DossierCourant {
public:
    explicit DossierCourant(const QString& dossier)
        : precedent_(QDir::currentPath())
    {
        QDir::setCurrent(dossier);
    }
    ~DossierCourant() { QDir::setCurrent(precedent_); }

private:
    QString precedent_;
};

} // namespace

TEST(PagesAide, LeDossierDAideEstCeluiQueLeVisualiseurCherche)
{
    EXPECT_EQ(FenetreAide::dossierAide(fichierAide), QFileInfo(dossierAide).fileName());
}

TEST(PagesAide, ChaqueSujetOuvertParUneFenetreEstUnePage)
{
    const DossierCourant programme(QFileInfo(dossierAide).absolutePath());
    EXPECT_TRUE(QFileInfo::exists(FenetreAide::cheminPage(fichierAide))) << "sommaire";
    for (const QString& sujet : sujetsOuverts()) {
        const QString chemin = FenetreAide::cheminPage(fichierAide + QStringLiteral("::") + sujet);
        EXPECT_TRUE(QFileInfo(chemin).isFile()) << qPrintable(sujet);
    }
}

TEST(PagesAide, LeVisualiseurAfficheChaqueSujet)
{
    const DossierCourant programme(QFileInfo(dossierAide).absolutePath());
    FenetreAide fenetre;
    for (const QString& sujet : sujetsDesFenetres) {
        fenetre.afficher(fichierAide + QStringLiteral("::") + sujet);
        EXPECT_EQ(QFileInfo(fenetre.pageAffichee()).canonicalFilePath(),
                  QFileInfo(cheminDe(sujet)).canonicalFilePath());
    }
    fenetre.afficher(fichierAide);
    EXPECT_EQ(QFileInfo(fenetre.pageAffichee()).fileName(), QStringLiteral("sommaire.htm"));
    fenetre.close();
}

TEST(PagesAide, ChaqueLienEtChaqueImageAboutit)
{
    for (const QString& page : pagesDuDossier()) {
        const Renvois renvois = renvoisDe(page);
        QStringList cibles = renvois.liens + attributsDeRenvoi(page);
        cibles.removeDuplicates();
        for (const QString& cible : cibles) {
            const QString erreur = verifierRenvoi(page, cible);
            EXPECT_TRUE(erreur.isEmpty()) << qPrintable(erreur);
        }
        for (const QString& image : renvois.images) {
            const QString chemin = QDir(dossierAide).absoluteFilePath(QUrl(image).path());
            EXPECT_FALSE(QImage(chemin).isNull())
                << qPrintable(page + QStringLiteral(" : image illisible ") + image);
        }
    }
}

TEST(PagesAide, LeSommaireMeneAChaquePageEtChaquePageYRamene)
{
    QSet<QString> depuisSommaire;
    for (const QString& lien : renvoisDe(QStringLiteral("sommaire.htm")).liens)
        depuisSommaire.insert(QUrl(lien).path());
    for (const QString& page : pagesDuDossier()) {
        if (page == QStringLiteral("sommaire.htm"))
            continue;
        EXPECT_TRUE(depuisSommaire.contains(page)) << qPrintable(page);
        bool ramene = false;
        for (const QString& lien : renvoisDe(page).liens)
            ramene = ramene || QUrl(lien).path() == QStringLiteral("sommaire.htm");
        EXPECT_TRUE(ramene) << qPrintable(page + QStringLiteral(" ne ramène pas au sommaire"));
    }
}

TEST(PagesAide, ChaquePageEstEnUtf8EtLeVisualiseurLaLitAinsi)
{
    for (const QString& page : pagesDuDossier()) {
        QFile fichier(cheminDe(page));
        ASSERT_TRUE(fichier.open(QIODevice::ReadOnly)) << qPrintable(page);
        const QByteArray octets = fichier.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString texte = utf8(octets);
        EXPECT_FALSE(utf8.hasError()) << qPrintable(page + QStringLiteral(" : octets non UTF-8"));
        EXPECT_TRUE(texte.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive))
            << qPrintable(page);
        const QString titre = titreBrut(texte);
        EXPECT_FALSE(titre.isEmpty()) << qPrintable(page + QStringLiteral(" : sans titre"));
        PageChargee chargee(page);
        EXPECT_EQ(chargee.document()->metaInformation(QTextDocument::DocumentTitle), titre)
            << qPrintable(page);
        EXPECT_FALSE(chargee.document()->toPlainText().contains(QChar::ReplacementCharacter))
            << qPrintable(page);
    }
}

// The level table of the help page is the program's own, row for row.
TEST(PagesAide, LaTableDesNiveauxEstCelleDuProgramme)
{
    const QString page = lireTexte(cheminDe(QStringLiteral("hasard.htm")));
    static const QRegularExpression ligne(
        QStringLiteral("<tr><td>(\\d+)</td><td>([^<]*)</td><td>([^<]*)</td><td>([^<]*)</td></tr>"));
    for (int type = PremierTypeHasard; type <= DernierTypeHasard; ++type) {
        const qsizetype debut = page.indexOf(QStringLiteral("<a name=\"type%1\">").arg(type));
        ASSERT_GE(debut, 0) << type;
        const QString section = page.mid(debut, page.indexOf(QStringLiteral("</table>"), debut) - debut);
        QStringList lues;
        auto lignes = ligne.globalMatch(section);
        while (lignes.hasNext()) {
            const QRegularExpressionMatch l = lignes.next();
            lues << QStringList{l.captured(1), l.captured(2), l.captured(3), l.captured(4)}.join(QLatin1Char('|'));
        }
        QStringList attendues;
        for (int n = 1; n <= NombreNiveaux(type); ++n) {
            const NiveauExercice& niveau = *NiveauDe(type, n);
            attendues << QStringList{QString::number(n), TitreNiveau(niveau), TexteAxeNiveau(niveau),
                                     TextePlaceNiveau(niveau)}
                             .join(QLatin1Char('|'));
        }
        EXPECT_EQ(lues, attendues) << type;
    }
}
