#include "Fiches.h"

#include "Couleurs.h"
#include "Dessin.h"
#include "Enregistrements.h"
#include "FichierExercice.h"
#include "GeometrieGrille.h"
#include "Generateur.h"
#include "Symetrie.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The player's reference panel at design size: its cells are the ones the teacher and the
// pupils see, so the painted areas are worked out at that size.
constexpr int LargeurEtalon = 500;
// No editor grid is taller than it is wide; a damaged file claiming thousands of rows
// would ask for a picture far beyond any screen.
constexpr qint64 HauteurMaximale = 4 * LargeurEtalon;
// Pixel points further out than this are damaged values, never seen on the grid.
constexpr qint64 LimitePoints = 1 << 20;

int NumeroDepuisExtension(const QString& chemin)
{
    const QString suffixe = QFileInfo(chemin).suffix().toLower();
    for (int numero = 2; numero <= 5; ++numero)
        if (suffixe == QStringLiteral("ex%1").arg(numero))
            return numero;
    return 2;
}

bool Dessinable(const ExerciceLu& exercice)
{
    const int c = CalculerTailleCase(LargeurEtalon, exercice.Grille.NbColonnes);
    return MotifRefus(exercice, Figure::Capacite, LargeurEtalon).isEmpty()
        && exercice.Grille.NbLignes > 0 && qint64(exercice.Grille.NbLignes) * c <= HauteurMaximale;
}

QColor Couleur(quint32 couleurBGR)
{
    return QColor::fromRgb(VersQRgb(couleurBGR));
}

QPen Plume(quint32 couleur, qreal largeur, Qt::PenCapStyle bout = Qt::RoundCap)
{
    QPen plume(Couleur(couleur), largeur);
    plume.setCapStyle(bout);
    plume.setJoinStyle(Qt::RoundJoin);
    return plume;
}

// ---- painted areas ---------------------------------------------------------------------

// A colour no drawing uses, to find the pixels one fill reaches.
constexpr quint32 Sentinelle = 0x00010203;

// Pixels of a picture marked one byte each, and the box that holds every mark.
struct Marques {
    int largeur = 0;
    int hauteur = 0;
    std::vector<quint8> octets;
    QRect boite;

    quint8* ligne(int y) { return octets.data() + size_t(y) * largeur; }
    const quint8* ligne(int y) const { return octets.data() + size_t(y) * largeur; }
};

// The pixels one fill reached, and the black pixels beside them: on paper the outlines
// are strokes rather than the player's plotted pixels, and must lie on the colour, never
// leave a sliver of paper between it and them.
Marques PixelsRemplis(const QImage& essai)
{
    constexpr quint8 Atteint = 1;
    constexpr quint8 Bord = 2;
    Marques m{essai.width(), essai.height(), std::vector<quint8>(size_t(essai.width()) * essai.height(), 0), {}};
    const QRgb sentinelle = VersQRgb(Sentinelle);
    for (int y = 0; y < m.hauteur; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(essai.constScanLine(y));
        quint8* marques = m.ligne(y);
        for (int x = 0; x < m.largeur; ++x)
            if ((pixels[x] | 0xFF000000u) == sentinelle) {
                marques[x] = Atteint;
                m.boite |= QRect(x, y, 1, 1);
            }
    }
    m.boite = m.boite.adjusted(-1, -1, 1, 1) & QRect(0, 0, m.largeur, m.hauteur);
    const QRgb noir = VersQRgb(CouleurNoir);
    for (int y = m.boite.top(); y <= m.boite.bottom(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(essai.constScanLine(y));
        quint8* marques = m.ligne(y);
        const quint8* dessus = y > 0 ? m.ligne(y - 1) : nullptr;
        const quint8* dessous = y + 1 < m.hauteur ? m.ligne(y + 1) : nullptr;
        for (int x = m.boite.left(); x <= m.boite.right(); ++x)
            if ((pixels[x] | 0xFF000000u) == noir
                && ((x > 0 && marques[x - 1] == Atteint) || (x + 1 < m.largeur && marques[x + 1] == Atteint)
                    || (dessus && dessus[x] == Atteint) || (dessous && dessous[x] == Atteint)))
                marques[x] = Bord;
    }
    return m;
}

// Marked pixels as rectangles: runs of each row, rows with the same runs merged into one
// band.
QPainterPath CheminDesPixels(const Marques& m)
{
    QPainterPath chemin;
    chemin.setFillRule(Qt::WindingFill);
    QList<QPair<int, int>> bande; // runs [debut, fin) of the current band
    int hautBande = 0;
    const auto fermer = [&](int bas) {
        for (const auto& [debut, fin] : bande)
            chemin.addRect(QRectF(debut, hautBande, fin - debut, bas - hautBande));
    };
    for (int y = m.boite.top(); y <= m.boite.bottom(); ++y) {
        const quint8* ligne = m.ligne(y);
        QList<QPair<int, int>> runs;
        for (int x = m.boite.left(); x <= m.boite.right();) {
            if (!ligne[x]) {
                ++x;
                continue;
            }
            const int debut = x;
            while (x <= m.boite.right() && ligne[x])
                ++x;
            runs.append({debut, x});
        }
        if (runs != bande) {
            fermer(y);
            bande = runs;
            hautBande = y;
        }
    }
    fermer(m.boite.bottom() + 1);
    return chemin;
}

QImage ImageDuQuadrillage(const ExerciceFiche& exercice)
{
    const Quadrillage& g = exercice.Grille;
    QImage image = NouvelleImage(g.TailleCase * g.NbColonnes + 4, g.TailleCase * g.NbLignes + 4);
    DessinerQuadrillage(image, g, exercice.NumeroExercice, Rendu::Joueur);
    return image;
}

bool PointsRaisonnables(const ElementFigure& e)
{
    return std::max({std::abs(qint64(e.X1)), std::abs(qint64(e.Y1)), std::abs(qint64(e.X2)),
                     std::abs(qint64(e.Y2))})
        <= LimitePoints;
}

// ---- vector drawing --------------------------------------------------------------------

void TracerSegment(QPainter& p, const Segment64& s)
{
    p.drawLine(QPointF(qreal(s.x1), qreal(s.y1)), QPointF(qreal(s.x2), qreal(s.y2)));
}

void TracerPointCentral(QPainter& p, const Quadrillage& g)
{
    const auto [x, y] = CentreGrille(g);
    p.setBrush(Couleur(CouleurRougeAxe));
    p.drawEllipse(QPointF(qreal(x), qreal(y)), 5.0, 5.0);
    p.setBrush(Qt::NoBrush);
}

void TracerQuadrillage(QPainter& p, const Quadrillage& g, int numeroExercice)
{
    const qreal c = g.TailleCase;
    p.setPen(Plume(CouleurGrisQuadrillage, g.EpaisseurQuadrillage, Qt::FlatCap));
    for (int k = 0; k <= g.NbLignes; ++k)
        p.drawLine(QPointF(0, c * k), QPointF(c * g.NbColonnes, c * k));
    for (int k = 0; k <= g.NbColonnes; ++k)
        p.drawLine(QPointF(c * k, 0), QPointF(c * k, c * g.NbLignes));
    p.setPen(Plume(CouleurRougeAxe, (numeroExercice == 3 ? 4 : 3) * g.EpaisseurQuadrillage));
    if (const std::optional<Segment64> axe = SegmentAxe(g))
        TracerSegment(p, *axe);
    else if (g.TypeAxe == AxePoint)
        TracerPointCentral(p, g);
}

// Exercise 3: the black lines beside the axis that hold the painted areas; then the frame.
void TracerBordsEtCadre(QPainter& p, const Quadrillage& g, int numeroExercice)
{
    p.setPen(Plume(CouleurNoir, g.EpaisseurQuadrillage, Qt::FlatCap));
    if (numeroExercice == 3) {
        if (const auto bords = BordsAxe(g, 2 * g.EpaisseurQuadrillage)) {
            for (const Segment64& bord : *bords)
                TracerSegment(p, bord);
        } else if (g.TypeAxe == AxePoint) {
            TracerPointCentral(p, g);
        }
    }
    const qreal c = g.TailleCase;
    p.drawRect(QRectF(0, 0, c * g.NbColonnes, c * g.NbLignes));
}

void TracerContours(QPainter& p, const Figure& figure, quint32 couleur, int epaisseur)
{
    p.setPen(Plume(couleur, epaisseur));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= figure.NbElements; ++i)
        if (PointsRaisonnables(figure[i]))
            p.drawPath(CheminContour(figure[i]));
}

// ---- pages ---------------------------------------------------------------------------

// Heights on the page, in millimetres.
constexpr double LigneTitre = 8.0;
constexpr double LigneConsigne = 10.0; // room for two lines
constexpr double EspaceAvantGrille = 3.0;
constexpr double EspaceEntreExercices = 8.0;
constexpr double MargePage = 15.0;

struct Page {
    double pixelsParMm;
    QSizeF taille; // paint area, millimetres
    int parPage;

    double hauteurPlace() const { return taille.height() / parPage; }
    QSizeF placeGrille() const
    {
        const double reste = hauteurPlace() - LigneTitre - LigneConsigne - EspaceAvantGrille
            - (parPage > 1 ? EspaceEntreExercices : 0.0);
        return {taille.width(), std::max(reste, 1.0)};
    }
};

// The chosen size when the grid fits, otherwise the largest half millimetre that does.
double TailleCase(const Quadrillage& g, const Page& page, double voulue)
{
    const QSizeF place = page.placeGrille();
    const double possible = std::min(place.width() / g.NbColonnes, place.height() / g.NbLignes);
    if (voulue <= possible)
        return voulue;
    const double arrondie = std::floor(possible * 2) / 2;
    return arrondie > 0 ? arrondie : possible;
}

QString TexteTaille(double mm)
{
    if (mm == 10.0)
        return QStringLiteral("1 cm");
    return QLocale(QLocale::French).toString(mm, 'g', 3) + QStringLiteral(" mm");
}

QFont Police(double points, bool gras = false)
{
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(points);
    police.setBold(gras);
    return police;
}

void PeindreExercice(QPainter& p, const Page& page, const ExerciceFiche& exercice, int place,
                     double mmParCase, bool corrige)
{
    const double k = page.pixelsParMm;
    const double haut = place * page.hauteurPlace();
    const double largeur = page.taille.width();
    p.setPen(Qt::black);
    p.setFont(Police(13, true));
    const QRectF titre(0, haut * k, largeur * k, LigneTitre * k);
    p.drawText(titre, Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Exercice : ") + exercice.Nom);
    p.setFont(Police(11));
    p.drawText(titre, Qt::AlignRight | Qt::AlignVCenter,
               corrige ? QStringLiteral("Corrigé") : QStringLiteral("Nom : ......  Date : ......"));
    p.drawText(QRectF(0, (haut + LigneTitre) * k, largeur * k, LigneConsigne * k),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, ConsigneExercice(exercice));

    const Quadrillage& g = exercice.Grille;
    const double largeurGrille = mmParCase * g.NbColonnes;
    p.save();
    p.translate((largeur - largeurGrille) / 2 * k,
                (haut + LigneTitre + LigneConsigne + EspaceAvantGrille) * k);
    p.scale(mmParCase * k / g.TailleCase, mmParCase * k / g.TailleCase);
    DessinerGrilleFiche(p, exercice, corrige);
    p.restore();
}

Page MettreEnPage(QPagedPaintDevice& support, int parPage)
{
    support.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(MargePage, MargePage, MargePage, MargePage),
                                      QPageLayout::Millimeter));
    const QRectF zone = support.pageLayout().paintRect(QPageLayout::Millimeter);
    return {support.logicalDpiY() / 25.4, zone.size(), std::clamp(parPage, 1, 2)};
}

} // namespace

SerieFiches LireSerieFiches(const QStringList& chemins)
{
    SerieFiches serie;
    for (const QString& chemin : chemins) {
        const QString nom = QFileInfo(chemin).completeBaseName();
        ResultatLecture lu = LireExercice(chemin);
        if (!lu.Reussi || !Dessinable(lu.Exercice)) {
            serie.Illisibles.append(nom);
            continue;
        }
        ConvertirPourTailleCase(lu.Exercice, CalculerTailleCase(LargeurEtalon, lu.Exercice.Grille.NbColonnes));
        serie.Exercices.push_back({nom, NumeroDepuisExtension(chemin), lu.Exercice.Grille,
                                   lu.Exercice.Elements});
    }
    return serie;
}

ExerciceFiche FicheDepuisCode(const CodeExercice& code)
{
    ExerciceLu lu = GenererExercice(code);
    ConvertirPourTailleCase(lu, CalculerTailleCase(LargeurEtalon, lu.Grille.NbColonnes));
    return {TexteCode(code), code.Type, lu.Grille, lu.Elements};
}

QString ConsigneExercice(const ExerciceFiche& exercice)
{
    const QString repere = exercice.Grille.TypeAxe == AxePoint ? QStringLiteral("au point rouge")
                                                               : QStringLiteral("à l'axe rouge");
    QString consigne = QStringLiteral("Trace le symétrique de la figure par rapport ") + repere;
    if (exercice.NumeroExercice == 3)
        consigne += QStringLiteral(", puis colorie les zones de la même couleur");
    return consigne + QLatin1Char('.');
}

std::vector<ZoneColoriee> ZonesColoriees(const ExerciceFiche& exercice, const Figure& ajout)
{
    QImage image = ImageDuQuadrillage(exercice);
    std::vector<ZoneColoriee> zones;
    for (const Figure* figure : {&exercice.Reference, &ajout}) {
        for (int i = 1; i <= figure->NbElements; ++i) {
            const ElementFigure& e = (*figure)[i];
            if (EstColoriage(e.GenreElement)) {
                QImage essai = image.copy();
                RemplirJusquAuNoir(essai, e.X1, e.Y1, Sentinelle);
                QPainterPath chemin = CheminDesPixels(PixelsRemplis(essai));
                if (!chemin.isEmpty())
                    zones.push_back({std::move(chemin), e.Couleur});
            }
            DessinerElement(image, e, Rendu::Joueur, exercice.Grille.EpaisseurTrait);
        }
    }
    return zones;
}

void DessinerGrilleFiche(QPainter& p, const ExerciceFiche& exercice, bool corrige)
{
    const Quadrillage& g = exercice.Grille;
    const Figure attendue = corrige ? FigureMiroir(exercice.Grille, exercice.Reference) : Figure{};
    p.save();
    p.setClipRect(QRectF(0, 0, g.TailleCase * g.NbColonnes + 4.0, g.TailleCase * g.NbLignes + 4.0));
    TracerQuadrillage(p, g, exercice.NumeroExercice);
    p.setPen(Qt::NoPen);
    for (const ZoneColoriee& zone : ZonesColoriees(exercice, attendue))
        p.fillPath(zone.Chemin, Couleur(zone.Couleur));
    TracerBordsEtCadre(p, g, exercice.NumeroExercice);
    TracerContours(p, exercice.Reference, CouleurNoir, g.EpaisseurTrait);
    TracerContours(p, attendue, CouleurCorrige, g.EpaisseurTrait);
    p.restore();
}

QStringList PeindreFiches(QPagedPaintDevice& support, const SerieFiches& serie,
                          const OptionsFiches& options, Pages pages)
{
    const Page page = MettreEnPage(support, options.ExercicesParPage);
    QPainter p(&support);
    if (!p.isActive())
        return {};
    QStringList reduits;
    for (const ExerciceFiche& exercice : serie.Exercices) {
        const double taille = TailleCase(exercice.Grille, page, options.MillimetresParCase);
        if (taille < options.MillimetresParCase)
            reduits.append(QStringLiteral("%1 (%2)").arg(exercice.Nom, TexteTaille(taille)));
    }
    bool premiere = true;
    for (const bool corrige : {false, true}) {
        if ((corrige && pages == Pages::Fiches) || (!corrige && pages == Pages::Corriges))
            continue;
        int place = 0;
        for (const ExerciceFiche& exercice : serie.Exercices) {
            if (place == 0 && !premiere)
                support.newPage();
            premiere = false;
            PeindreExercice(p, page, exercice, place,
                            TailleCase(exercice.Grille, page, options.MillimetresParCase), corrige);
            place = (place + 1) % page.parPage;
        }
    }
    return reduits;
}

QString MessageFiches(const SerieFiches& serie, const OptionsFiches& options,
                      const QStringList& reduits)
{
    QStringList lignes;
    const qsizetype illisibles = serie.Illisibles.size();
    if (illisibles == 1)
        lignes.append(QStringLiteral("1 exercice n'a pas pu être lu : %1.").arg(serie.Illisibles.first()));
    else if (illisibles > 1)
        lignes.append(QStringLiteral("%1 exercices n'ont pas pu être lus : %2.")
                          .arg(illisibles)
                          .arg(serie.Illisibles.join(QStringLiteral(", "))));
    if (!reduits.isEmpty())
        lignes.append(QStringLiteral("Quadrillages trop grands pour des cases de %1, imprimés "
                                     "plus petits : %2.")
                          .arg(TexteTaille(options.MillimetresParCase), reduits.join(QStringLiteral(", "))));
    return lignes.join(QLatin1Char('\n'));
}

QString CheminCorriges(const QString& cheminFiches)
{
    const QFileInfo info(cheminFiches);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(" - corrigés.pdf"));
}

namespace {

QByteArray Pdf(const SerieFiches& serie, const OptionsFiches& options, Pages pages,
               QStringList& reduits)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&tampon);
        pdf.setTitle(pages == Pages::Corriges ? QStringLiteral("Corrigés") : QStringLiteral("Fiches à imprimer"));
        pdf.setCreator(QStringLiteral("Orvane"));
        reduits = PeindreFiches(pdf, serie, options, pages);
    }
    return octets;
}

} // namespace

namespace {

QList<QPair<QString, Pages>> PagesDesFichiers(const OptionsFiches& options, const QString& cheminPdf)
{
    switch (options.AvecCorriges) {
    case Corriges::MemePdf: return {{cheminPdf, Pages::Tout}};
    case Corriges::SecondFichier:
        return {{cheminPdf, Pages::Fiches}, {CheminCorriges(cheminPdf), Pages::Corriges}};
    case Corriges::Aucun: break;
    }
    return {{cheminPdf, Pages::Fiches}};
}

} // namespace

QStringList FichiersFiches(const OptionsFiches& options, const QString& cheminPdf)
{
    QStringList chemins;
    for (const auto& fichier : PagesDesFichiers(options, cheminPdf))
        chemins.append(fichier.first);
    return chemins;
}

BilanFiches EnregistrerFiches(const SerieFiches& serie, const OptionsFiches& options,
                              const QString& cheminPdf)
{
    QStringList reduits;
    QList<FichierAEcrire> fichiers;
    for (const auto& [chemin, pages] : PagesDesFichiers(options, cheminPdf))
        fichiers.append({chemin, Pdf(serie, options, pages, reduits)});
    BilanFiches bilan;
    QString enEchec;
    QString erreur;
    // Worksheets without the answers asked for would mislead: both files or neither, and
    // the older ones stay until both are written.
    if (!ecrireFichiers(fichiers, &enEchec, &erreur)) {
        bilan.Message = messageErreurFichier(enEchec, erreur);
        return bilan;
    }
    bilan.Ecrit = true;
    bilan.Fichiers = FichiersFiches(options, cheminPdf);
    bilan.Message = MessageFiches(serie, options, reduits);
    return bilan;
}
