#include "Niveaux.h"

#include <QStringList>

#include <array>

namespace {

using namespace Formes;
using P = Placement;

// clang-format off
constexpr std::array<NiveauExercice, 24> Table = {{
    // Lines: a vertical axis.
    {2, 1, u"Un segment penché",                                 Axes::Vertical, 0, 0, P::ACote,    Trait,     Trait,             0,      1, 1, 0, 0},
    {2, 2, u"Deux ou trois segments qui se suivent",             Axes::Vertical, 0, 0, P::Touche,   Trait,     Trait,             0,      2, 3, 0, 0},
    {2, 3, u"Un rectangle ou un cercle, avec des segments",      Axes::Vertical, 0, 0, P::Touche,   Fermees,   Trait,             0,      2, 3, 0, 0},
    {2, 4, u"Trois ou quatre éléments, dont des quarts de cercle", Axes::Vertical, 0, 0, P::Touche, Quart,     Toutes,            Quart,  3, 4, 0, 0},
    {2, 5, u"Trois ou quatre éléments de toutes sortes",         Axes::Vertical, 0, 0, P::Traverse, Trait | Fermees, Toutes,      0,      3, 4, 0, 0},
    {2, 6, u"Quatre à six éléments de toutes sortes",            Axes::Vertical, 1, 4, P::Touche,   Toutes,    Toutes,            0,      4, 6, 0, 0},
    // Lines and colours: a vertical axis, painted areas in closed shapes.
    {3, 1, u"Une zone coloriée et un segment",                   Axes::Vertical, 0, 0, P::ACote,    Rectangle, Trait,             0,      2, 2, 1, 1},
    {3, 2, u"Deux zones de deux couleurs",                       Axes::Vertical, 0, 0, P::ACote,    Rectangle, Trait | Fermees,   0,      2, 3, 2, 2},
    {3, 3, u"Deux ou trois zones coloriées",                     Axes::Vertical, 0, 0, P::Touche,   Fermees,   Trait | Fermees,   0,      2, 4, 2, 3},
    {3, 4, u"Un rectangle à cheval sur l'axe, colorié d'un côté", Axes::Vertical, 0, 0, P::Traverse, Rectangle, Trait | Fermees,  0,      2, 4, 1, 3},
    {3, 5, u"Cercles et quarts de cercle, trois couleurs",       Axes::Vertical, 0, 0, P::Touche,   Cercle,    Toutes,            Quart,  4, 5, 3, 3},
    {3, 6, u"Cinq ou six éléments, trois ou quatre couleurs",    Axes::Vertical, 1, 4, P::Touche,   Fermees,   Toutes,            0,      5, 6, 3, 4},
    // About an axis: vertical and horizontal first, then oblique.
    {4, 1, u"Un segment penché",                                 Axes::DroitsVH, 0, 0, P::ACote,    Trait,     Trait,             0,      1, 1, 0, 0},
    {4, 2, u"Deux ou trois segments qui se suivent",             Axes::DroitsVH, 0, 0, P::Touche,   Trait,     Trait,             0,      2, 3, 0, 0},
    {4, 3, u"Des rectangles et des cercles",                     Axes::DroitsVH, 0, 0, P::Touche,   Fermees,   Trait | Fermees,   0,      2, 3, 0, 0},
    {4, 4, u"Deux à quatre éléments de toutes sortes",           Axes::DroitsVH, 0, 0, P::Traverse, Trait | Fermees, Toutes,      0,      2, 4, 0, 0},
    {4, 5, u"Deux ou trois éléments",                            Axes::Obliques, 0, 0, P::Touche,   Trait | Rectangle, Trait | Fermees, 0, 2, 3, 0, 0},
    {4, 6, u"Quatre à six éléments de toutes sortes",            Axes::Obliques, 1, 3, P::Touche,   Trait | Rectangle, Toutes,    0,      4, 6, 0, 0},
    // About the centre point.
    {5, 1, u"Deux segments qui forment un angle",                Axes::Point,    0, 0, P::ACote,    Trait,     Trait,             0,      2, 2, 0, 0},
    {5, 2, u"Deux ou trois segments qui se suivent",             Axes::Point,    0, 0, P::Touche,   Trait,     Trait,             0,      2, 3, 0, 0},
    {5, 3, u"Des rectangles et des cercles",                     Axes::Point,    0, 0, P::Touche,   Fermees,   Trait | Fermees,   0,      2, 3, 0, 0},
    {5, 4, u"Trois ou quatre éléments, dont des quarts de cercle", Axes::Point,  0, 0, P::Touche,   Quart,     Toutes,            Quart,  3, 4, 0, 0},
    {5, 5, u"Trois ou quatre éléments de toutes sortes",         Axes::Point,    0, 0, P::Traverse, Fermees,   Toutes,            0,      3, 4, 0, 0},
    {5, 6, u"Quatre à six éléments de toutes sortes",            Axes::Point,    0, 0, P::Traverse, Fermees,   Toutes,            0,      4, 6, 0, 0},
}};
// clang-format on

constexpr int NiveauxParType = 6;

} // namespace

int NombreNiveaux(int type)
{
    return type >= PremierTypeHasard && type <= DernierTypeHasard ? NiveauxParType : 0;
}

const NiveauExercice* NiveauDe(int type, int numero)
{
    if (numero < 1 || numero > NombreNiveaux(type))
        return nullptr;
    return &Table[std::size_t((type - PremierTypeHasard) * NiveauxParType + numero - 1)];
}

QString TitreNiveau(const NiveauExercice& niveau)
{
    return QString::fromUtf16(niveau.Titre);
}

QString TexteAxeNiveau(const NiveauExercice& niveau)
{
    if (niveau.Axes == Axes::Point)
        return QStringLiteral("symétrie par rapport au centre");
    QStringList sortes;
    if (niveau.Axes & Axes::Vertical)
        sortes.append(QStringLiteral("vertical"));
    if (niveau.Axes & Axes::Bit(AxeHorizontal))
        sortes.append(QStringLiteral("horizontal"));
    if (niveau.Axes & Axes::Obliques)
        sortes.append(QStringLiteral("oblique"));
    const QString axe = QStringLiteral("axe ") + sortes.join(QStringLiteral(" ou "));
    if (niveau.DecalageMax == 0)
        return axe + QStringLiteral(" au milieu");
    return axe + QStringLiteral(" décalé de %1 à %2 carreaux").arg(niveau.DecalageMin).arg(niveau.DecalageMax);
}

QString TextePlaceNiveau(const NiveauExercice& niveau)
{
    const bool point = niveau.Axes == Axes::Point;
    switch (niveau.Place) {
    case Placement::ACote:
        return point ? QStringLiteral("à côté du centre") : QStringLiteral("à côté de l'axe");
    case Placement::Touche:
        return point ? QStringLiteral("un élément part du centre")
                     : QStringLiteral("un élément touche l'axe");
    case Placement::Traverse:
        break;
    }
    return point ? QStringLiteral("un élément passe sur le centre")
                 : QStringLiteral("un élément traverse l'axe");
}

QString DescriptionNiveau(const NiveauExercice& niveau)
{
    return QStringLiteral("Niveau %1 : %2 ; %3 ; %4.")
        .arg(niveau.Numero)
        .arg(TitreNiveau(niveau), TexteAxeNiveau(niveau), TextePlaceNiveau(niveau));
}
