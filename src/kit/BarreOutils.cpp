#include "BarreOutils.h"

#include "Couleurs.h"
#include "GlyphesBoutons.h"

#include <QButtonGroup>
#include <QToolButton>

namespace {

constexpr std::array<Outil, 5> Outils = {Outil::Trait, Outil::Rectangle, Outil::Cercle,
                                          Outil::QuartDeCercle, Outil::Peinture};

struct BoutonCouleur {
    const char* nom;
    quint32 couleur;
    QPoint place;
};

constexpr std::array<BoutonCouleur, 10> BoutonsCouleurs = {{
    {"BoutonBleu", CouleurBleu, {4, 4}},
    {"BoutonBleuClair", CouleurBleuClair, {44, 4}},
    {"BoutonRose", CouleurRose, {84, 4}},
    {"BoutonRouge", CouleurRouge, {124, 4}},
    {"BoutonGrisFonce", CouleurGrisFonce, {164, 4}},
    {"BoutonMarron", CouleurMarron, {4, 44}},
    {"BoutonJaune", CouleurJaune, {44, 44}},
    {"BoutonVert", CouleurVert, {84, 44}},
    {"BoutonVertFonce", CouleurVertFonce, {124, 44}},
    {"BoutonGris", CouleurGris, {164, 44}},
}};

std::size_t IndexDe(Outil outil)
{
    return std::size_t(std::find(Outils.begin(), Outils.end(), outil) - Outils.begin());
}

QToolButton* BoutonBascule(QWidget* parent, const char* nom, const char* bulle, QPoint place,
                           const QIcon& image, QButtonGroup* groupe, bool prendFocus)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(nom));
    if (bulle)
        b->setToolTip(QString::fromUtf8(bulle));
    b->setGeometry(QRect(place, QSize(40, 40)));
    b->setCheckable(true);
    b->setIcon(image);
    b->setIconSize(QSize(32, 32));
    if (!prendFocus)
        b->setFocusPolicy(Qt::NoFocus);
    groupe->addButton(b);
    return b;
}

} // namespace

BarreOutils::BarreOutils(QWidget* panneauOutils, QWidget* panneauCouleurs,
                         const DispositionOutils& d)
    : QObject(panneauOutils)
{
    auto* groupeOutils = new QButtonGroup(this);
    for (std::size_t i = 0; i < Outils.size(); ++i) {
        const Outil outil = Outils[i];
        const PlaceBouton& p = d.outils[i];
        outils_[i] = BoutonBascule(panneauOutils, p.nom, p.bulle, p.place, IconeOutil(GenreDe(outil)),
                                   groupeOutils, d.prendFocus);
        connect(outils_[i], &QToolButton::clicked, this, [this, outil] { emit outilChoisi(outil); });
    }
    gomme_ = BoutonBascule(panneauOutils, d.gomme.nom, d.gomme.bulle, d.gomme.place, IconeGomme(),
                           groupeOutils, d.prendFocus);
    connect(gomme_, &QToolButton::clicked, this, &BarreOutils::gommeCliquee);

    auto* groupeCouleurs = new QButtonGroup(this);
    for (const BoutonCouleur& c : BoutonsCouleurs) {
        QToolButton* b = BoutonBascule(panneauCouleurs, c.nom, nullptr, c.place,
                                       IconeCouleur(c.couleur), groupeCouleurs, d.prendFocus);
        const quint32 couleur = c.couleur;
        connect(b, &QToolButton::clicked, this, [this, couleur] { emit couleurChoisie(couleur); });
        if (couleur == CouleurParDefaut)
            couleurParDefaut_ = b;
    }
    enfoncer(Outil::Trait);
    enfoncerCouleurParDefaut();
}

QToolButton* BarreOutils::bouton(Outil outil) const
{
    return outils_[IndexDe(outil)];
}

void BarreOutils::enfoncer(Outil outil)
{
    bouton(outil)->setChecked(true);
}

void BarreOutils::enfoncerCouleurParDefaut()
{
    couleurParDefaut_->setChecked(true);
}
