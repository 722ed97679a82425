#include "BarreOutils.h"

#include "Couleurs.h"
#include "GlyphesBoutons.h"

#include <QButtonGroup>
#include <QToolButton>

namespace {

constexpr std::array<Outil, 5> Outils = {Outil::Trait, Outil::Rectangle, Outil::Cercle,
                                          Outil::QuartDeCercle, Outil::Peinture};

// What a tool's picture shows, for whoever cannot see it (screen readers).
constexpr std::array<const char*, 5> NomsOutils = {"Trait", "Carré ou rectangle", "Cercle",
                                                   "Quart de cercle", "Colorier"};

struct BoutonCouleur {
    const char* nom;
    const char* couleurDite; // the colour's name, shown on hover and read aloud
    quint32 couleur;
    QPoint place;
};

constexpr std::array<BoutonCouleur, 10> BoutonsCouleurs = {{
    {"BoutonBleu", "Bleu", CouleurBleu, {4, 4}},
    {"BoutonBleuClair", "Bleu clair", CouleurBleuClair, {44, 4}},
    {"BoutonRose", "Rose", CouleurRose, {84, 4}},
    {"BoutonRouge", "Rouge", CouleurRouge, {124, 4}},
    {"BoutonGrisFonce", "Gris foncé", CouleurGrisFonce, {164, 4}},
    {"BoutonMarron", "Marron", CouleurMarron, {4, 44}},
    {"BoutonJaune", "Jaune", CouleurJaune, {44, 44}},
    {"BoutonVert", "Vert", CouleurVert, {84, 44}},
    {"BoutonVertFonce", "Vert foncé", CouleurVertFonce, {124, 44}},
    {"BoutonGris", "Gris", CouleurGris, {164, 44}},
}};

std::size_t IndexDe(Outil outil)
{
    return std::size_t(std::find(Outils.begin(), Outils.end(), outil) - Outils.begin());
}

QToolButton* BoutonBascule(QWidget* parent, const char* nom, const char* nomDit, const char* bulle,
                           QPoint place, const QIcon& image, QButtonGroup* groupe, bool prendFocus)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(nom));
    b->setAccessibleName(QString::fromUtf8(nomDit));
    b->setToolTip(QString::fromUtf8(bulle ? bulle : nomDit));
    if (bulle && qstrcmp(bulle, nomDit) != 0)
        b->setAccessibleDescription(QString::fromUtf8(bulle));
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
        outils_[i] = BoutonBascule(panneauOutils, p.nom, NomsOutils[i], p.bulle, p.place,
                                   IconeOutil(GenreDe(outil)), groupeOutils, d.prendFocus);
        connect(outils_[i], &QToolButton::clicked, this, [this, outil] { emit outilChoisi(outil); });
    }
    gomme_ = BoutonBascule(panneauOutils, d.gomme.nom, "Gomme", d.gomme.bulle, d.gomme.place,
                           IconeGomme(), groupeOutils, d.prendFocus);
    connect(gomme_, &QToolButton::clicked, this, &BarreOutils::gommeCliquee);

    auto* groupeCouleurs = new QButtonGroup(this);
    for (std::size_t i = 0; i < BoutonsCouleurs.size(); ++i) {
        const BoutonCouleur& c = BoutonsCouleurs[i];
        QToolButton* b = couleurs_[i] = BoutonBascule(panneauCouleurs, c.nom, c.couleurDite, nullptr, c.place,
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

bool BarreOutils::touche(int code)
{
    QToolButton* b = nullptr;
    switch (code) {
    case Qt::Key_T: b = bouton(Outil::Trait); break;
    case Qt::Key_R: b = bouton(Outil::Rectangle); break;
    case Qt::Key_C: b = bouton(Outil::Cercle); break;
    case Qt::Key_Q: b = bouton(Outil::QuartDeCercle); break;
    case Qt::Key_P: b = bouton(Outil::Peinture); break;
    case Qt::Key_G: b = gomme_; break;
    case Qt::Key_0: b = couleurs_[9]; break;
    default:
        if (code >= Qt::Key_1 && code <= Qt::Key_9)
            b = couleurs_[std::size_t(code - Qt::Key_1)];
    }
    if (!b || !b->isVisibleTo(b->window()) || !b->isEnabled())
        return false;
    b->click();
    return true;
}

void BarreOutils::enfoncerCouleurParDefaut()
{
    couleurParDefaut_->setChecked(true);
}
