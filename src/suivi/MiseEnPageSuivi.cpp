#include "MiseEnPageSuivi.h"

#include "Enregistrements.h"
#include "SuiviClasse.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {
// Every length in tenths of a millimetre, on the printable part of an A4 landscape page
// with 10 mm margins.
constexpr int Largeur = 2770;
constexpr int Hauteur = 1900;
constexpr int HauteurTitre = 80;
constexpr int HauteurSeries = 60;
constexpr int HauteurExercices = 220;
constexpr int HauteurPied = 60;
constexpr int HauteurLigne = 45;
constexpr int LargeurNom = 450;
constexpr int LargeurExercice = 55;
constexpr int LargeurTotal = 120;
constexpr int LargeurNiveau = 110;
constexpr int TaillePolice = 30;
constexpr int TaillePoliceEssais = 20;
constexpr int LargeurEssais = 20; // the right of an exercise's cell, for its attempts

// The exercises that fit beside the names, the totals and the levels repeated on each page.
int colonnesParPage(const TableauSuivi& tableau)
{
    const int niveaux = static_cast<int>(tableau.typesHasard.size()) * LargeurNiveau;
    return std::max(1, (Largeur - LargeurNom - 2 * LargeurTotal - niveaux) / LargeurExercice);
}

constexpr int LignesParPage =
    (Hauteur - HauteurTitre - HauteurSeries - HauteurExercices - HauteurPied) / HauteurLigne;

int tranches(qsizetype nombre, int parPage)
{
    return std::max(1, static_cast<int>((nombre + parPage - 1) / parPage));
}

// The rows: the pupils, then the totals.
qsizetype nombreLignes(const TableauSuivi& tableau)
{
    return tableau.lignes.size() + 1;
}

struct Page {
    int premiereColonne;
    int nbColonnes;
    int premiereLigne;
    int nbLignes;
};

class Peintre {
public:
    Peintre(QPainter& p, const TableauSuivi& t)
        : p_(p)
        , t_(t)
    {
    }

    void page(const Page& page)
    {
        page_ = page;
        entete();
        for (int i = 0; i < page.nbLignes; ++i)
            ligne(page.premiereLigne + i, debutLignes() + i * HauteurLigne);
    }

private:
    QPainter& p_;
    const TableauSuivi& t_;
    Page page_{};

    static int debutLignes() { return HauteurTitre + HauteurSeries + HauteurExercices; }
    int xTotal() const { return LargeurNom + page_.nbColonnes * LargeurExercice; }
    int xNiveau(int i) const { return xTotal() + 2 * LargeurTotal + i * LargeurNiveau; }

    // Text wider than its cell ends in an ellipsis rather than being clipped, which
    // would read as another name ("Côtés B" as "Côtés E").
    void ecrire(const QRect& r, int alignement, const QString& texte)
    {
        p_.drawText(r, alignement, p_.fontMetrics().elidedText(texte, Qt::ElideRight, r.width()));
    }

    void cellule(const QRect& r, const QString& texte, int alignement = Qt::AlignCenter)
    {
        p_.drawRect(r);
        ecrire(r.adjusted(8, 0, -8, 0), alignement | Qt::AlignVCenter, texte);
    }

    void entete()
    {
        const int haut = HauteurTitre;
        const int bas = debutLignes();
        cellule({0, haut, LargeurNom, bas - haut}, QStringLiteral("Élève"), Qt::AlignLeft);
        cellule({xTotal(), haut, LargeurTotal, bas - haut}, QStringLiteral("Total"));
        cellule({xTotal() + LargeurTotal, haut, LargeurTotal, bas - haut}, QStringLiteral("autres"));
        const int nbNiveaux = static_cast<int>(t_.typesHasard.size());
        if (nbNiveaux > 0)
            cellule({xNiveau(0), haut, nbNiveaux * LargeurNiveau, HauteurSeries}, TitreNiveaux);
        for (int i = 0; i < nbNiveaux; ++i)
            enColonne(xNiveau(i), LargeurNiveau, NomColonneNiveau(t_.typesHasard[i]));
        int debutSerie = 0;
        for (int i = 0; i < page_.nbColonnes; ++i) {
            const ColonneSuivi& c = t_.colonnes[page_.premiereColonne + i];
            enColonne(LargeurNom + i * LargeurExercice, LargeurExercice, NomColonne(t_, c));
            const bool finSerie = i + 1 == page_.nbColonnes
                || t_.colonnes[page_.premiereColonne + i + 1].serie != c.serie;
            if (finSerie) {
                cellule({LargeurNom + debutSerie * LargeurExercice, haut,
                         (i + 1 - debutSerie) * LargeurExercice, HauteurSeries},
                        c.serie);
                debutSerie = i + 1;
            }
        }
    }

    // Column names read upwards, so that the columns stay narrow.
    void enColonne(int x, int largeur, const QString& nom)
    {
        const int y = HauteurTitre + HauteurSeries;
        p_.drawRect(x, y, largeur, HauteurExercices);
        p_.save();
        p_.translate(x, y + HauteurExercices);
        p_.rotate(-90);
        ecrire(QRect(8, 0, HauteurExercices - 16, largeur), Qt::AlignLeft | Qt::AlignVCenter, nom);
        p_.restore();
    }

    void coche(const QRect& r)
    {
        const QPoint c = r.center();
        p_.save();
        p_.setPen(QPen(Qt::black, 5));
        p_.drawPolyline(QList<QPoint>{c + QPoint(-12, 0), c + QPoint(-3, 10), c + QPoint(14, -12)});
        p_.restore();
    }

    void ligne(int indice, int y)
    {
        const bool totaux = indice == t_.lignes.size();
        const LigneSuivi* eleve = totaux ? nullptr : &t_.lignes[indice];
        cellule({0, y, LargeurNom, HauteurLigne}, totaux ? QStringLiteral("Total") : eleve->eleve,
                Qt::AlignLeft);
        for (int i = 0; i < page_.nbColonnes; ++i) {
            const int k = page_.premiereColonne + i;
            const QRect r(LargeurNom + i * LargeurExercice, y, LargeurExercice, HauteurLigne);
            p_.drawRect(r);
            // The attempts, when counted, in small figures on the cell's right.
            const QRect reussite = t_.essaisComptes ? r.adjusted(3, 0, -LargeurEssais + 6, 0) : r;
            if (totaux)
                p_.drawText(reussite, Qt::AlignCenter, QString::number(t_.totauxColonnes[k]));
            else if (eleve->reussis[k])
                coche(reussite);
            if (t_.essaisComptes)
                essais(r, totaux ? t_.totauxEssais.value(k) : t_.essais.value(indice).value(k));
        }
        if (eleve && eleve->etat == EtatEleve::Illisible && page_.nbColonnes > 0) {
            const QRect r(LargeurNom, y, page_.nbColonnes * LargeurExercice, HauteurLigne);
            p_.fillRect(r, Qt::white);
            cellule(r, TexteIllisible, Qt::AlignLeft);
        }
        totauxLigne(eleve, y);
    }

    void essais(const QRect& cellule, int nombre)
    {
        if (nombre <= 0)
            return;
        p_.save();
        QFont petite = p_.font();
        petite.setPixelSize(TaillePoliceEssais);
        p_.setFont(petite);
        p_.drawText(QRect(cellule.right() - LargeurEssais, cellule.top(), LargeurEssais - 3, cellule.height() - 4),
                    Qt::AlignRight | Qt::AlignBottom, QString::number(nombre));
        p_.restore();
    }

    void totauxLigne(const LigneSuivi* eleve, int y)
    {
        QString total;
        QString autres;
        if (!eleve) {
            total = QString::number(t_.totalReussites);
            autres = QString::number(t_.totalAutres);
        } else if (eleve->etat == EtatEleve::Bilan) {
            total = QString::number(eleve->total);
            autres = QString::number(eleve->autres.size());
        }
        cellule({xTotal(), y, LargeurTotal, HauteurLigne}, total);
        cellule({xTotal() + LargeurTotal, y, LargeurTotal, HauteurLigne}, autres);
        for (int i = 0; i < t_.typesHasard.size(); ++i)
            cellule({xNiveau(i), y, LargeurNiveau, HauteurLigne},
                    eleve && i < eleve->niveaux.size() ? TexteNiveau(eleve->niveaux[i]) : QString());
    }
};

void titre(QPainter& p, const TableauSuivi& tableau, const QString& titre, const QString& date, int numero,
           int nombre)
{
    QFont gras = p.font();
    gras.setBold(true);
    p.save();
    p.setFont(gras);
    p.drawText(QRect(0, 0, Largeur, HauteurTitre - 10), Qt::AlignLeft | Qt::AlignTop, titre);
    p.restore();
    p.drawText(QRect(0, 0, Largeur, HauteurTitre - 10), Qt::AlignRight | Qt::AlignTop, date);
    p.drawText(QRect(0, Hauteur - HauteurPied + 20, Largeur, HauteurPied - 20), Qt::AlignRight | Qt::AlignBottom,
               QStringLiteral("Page %1 / %2").arg(numero).arg(nombre));
    if (tableau.essaisComptes)
        p.drawText(QRect(0, Hauteur - HauteurPied + 20, Largeur, HauteurPied - 20), Qt::AlignLeft | Qt::AlignBottom,
                   QStringLiteral("En petits chiffres : les essais (« Juste » ou « Faux ») de chaque exercice."));
}

QList<Page> pages(const TableauSuivi& tableau)
{
    QList<Page> liste;
    const int n = static_cast<int>(tableau.colonnes.size());
    const int m = static_cast<int>(nombreLignes(tableau));
    const int parPage = colonnesParPage(tableau);
    for (int c = 0; c < tranches(n, parPage); ++c)
        for (int l = 0; l < tranches(m, LignesParPage); ++l)
            liste.append({c * parPage, std::min(parPage, n - c * parPage),
                          l * LignesParPage, std::min(LignesParPage, m - l * LignesParPage)});
    return liste;
}
} // namespace

int NombrePagesSuivi(const TableauSuivi& tableau)
{
    return tranches(tableau.colonnes.size(), colonnesParPage(tableau)) * tranches(nombreLignes(tableau), LignesParPage);
}

void ImprimerSuivi(QPagedPaintDevice& appareil, const TableauSuivi& tableau, const QString& titreSuivi,
                   const QString& date)
{
    appareil.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter p(&appareil);
    p.setWindow(0, 0, Largeur, Hauteur);
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(TaillePolice);
    p.setFont(police);
    p.setPen(QPen(Qt::black, 2));
    Peintre peintre(p, tableau);
    const QList<Page> liste = pages(tableau);
    for (int i = 0; i < liste.size(); ++i) {
        if (i > 0)
            appareil.newPage();
        titre(p, tableau, titreSuivi, date, i + 1, static_cast<int>(liste.size()));
        peintre.page(liste[i]);
    }
}

bool EnregistrerPdfSuivi(const QString& fichier, const TableauSuivi& tableau, const QString& titre,
                         const QString& date, QString* erreur)
{
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setCreator(QStringLiteral("Orvane"));
        pdf.setTitle(titre);
        ImprimerSuivi(pdf, tableau, titre, date);
    }
    return ecrireFichier(fichier, tampon.data(), erreur);
}
