#include "TF_SerieHasard.h"

#include "ChoixExercice.h"
#include "Contexte.h"
#include "Controles.h"
#include "Dialogues.h"
#include "GlyphesBoutons.h"
#include "Niveaux.h"
#include "Operations.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSpinBox>

namespace {
constexpr int NombreParDefaut = 10;
constexpr quint32 CouleurTitre = 0x00800080;

QLabel* Legende(QWidget* parent, const QString& nom, const QString& texte, const QRect& place)
{
    return CreerEtiquette(parent, nom, texte, place, PoliceArial(14), CouleurNoir);
}

QComboBox* Choix(QWidget* parent, const QString& nom, const QStringList& items, const QRect& place)
{
    auto* choix = new QComboBox(parent);
    choix->setObjectName(nom);
    choix->setGeometry(place);
    choix->setFont(PoliceArial(14));
    choix->addItems(items);
    return choix;
}

QStringList Niveaux()
{
    QStringList niveaux;
    for (int n = 1; n <= NombreNiveaux(PremierTypeHasard); ++n)
        niveaux.append(QString::number(n));
    return niveaux;
}
} // namespace

TF_SerieHasard::TF_SerieHasard(const Contexte& contexte, std::function<quint32()> graineAuHasard,
                               QWidget* parent)
    : QDialog(parent)
    , contexte_(contexte)
    , graineAuHasard_(std::move(graineAuHasard))
{
    if (!graineAuHasard_)
        graineAuHasard_ = [] { return QRandomGenerator::system()->bounded(CodeExercice::GraineMax + 1); };
    setObjectName(QStringLiteral("F_SerieHasard"));
    setWindowTitle(QStringLiteral("Créer une série au hasard"));
    setFixedSize(520, 456);

    auto* Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setGeometry(8, 8, 504, 392);
    CreerEtiquette(Panel1, QStringLiteral("Label1"), QStringLiteral("Créer une série au hasard"), {12, 8, 480, 28},
                   Police(QStringLiteral("Times New Roman"), 19), CouleurTitre);
    Legende(Panel1, QStringLiteral("Label2"), QStringLiteral("Type d'exercice"), {12, 46, 200, 22});
    ChoixType = Choix(Panel1, QStringLiteral("ChoixType"),
                      {QStringLiteral("2 : lignes"), QStringLiteral("3 : lignes et couleurs"),
                       QStringLiteral("4 : autour d'un axe"), QStringLiteral("5 : par rapport à un point")},
                      {220, 44, 272, 26});
    ChoixType->setAccessibleName(QStringLiteral("Type d'exercice"));
    Legende(Panel1, QStringLiteral("Label3"), QStringLiteral("Du niveau"), {12, 82, 200, 22});
    ChoixPremierNiveau = Choix(Panel1, QStringLiteral("ChoixPremierNiveau"), Niveaux(), {220, 80, 60, 26});
    ChoixPremierNiveau->setAccessibleName(QStringLiteral("Du niveau"));
    Legende(Panel1, QStringLiteral("Label4"), QStringLiteral("au niveau"), {296, 82, 90, 22});
    ChoixDernierNiveau = Choix(Panel1, QStringLiteral("ChoixDernierNiveau"), Niveaux(), {392, 80, 60, 26});
    ChoixDernierNiveau->setAccessibleName(QStringLiteral("Au niveau"));
    LabelNiveaux = CreerEtiquette(Panel1, QStringLiteral("LabelNiveaux"), QString(), {12, 112, 480, 104},
                                  PoliceArial(13), CouleurNoir);
    LabelNiveaux->setWordWrap(true);
    LabelNiveaux->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Legende(Panel1, QStringLiteral("Label5"), QStringLiteral("Nombre d'exercices"), {12, 226, 200, 22});
    NombreExercices = new QSpinBox(Panel1);
    NombreExercices->setObjectName(QStringLiteral("NombreExercices"));
    NombreExercices->setGeometry(220, 224, 70, 26);
    NombreExercices->setFont(PoliceArial(14));
    NombreExercices->setRange(1, ExercicesParSerieMax);
    NombreExercices->setAccessibleName(QStringLiteral("Nombre d'exercices"));
    Legende(Panel1, QStringLiteral("Label6"), QStringLiteral("Numéro de départ"), {12, 262, 200, 22});
    EditGraine = new QLineEdit(Panel1);
    EditGraine->setObjectName(QStringLiteral("EditGraine"));
    EditGraine->setGeometry(220, 260, 90, 26);
    EditGraine->setFont(PoliceArial(14));
    EditGraine->setPlaceholderText(QStringLiteral("au hasard"));
    EditGraine->setValidator(new QIntValidator(0, int(CodeExercice::GraineMax), EditGraine));
    EditGraine->setAccessibleName(QStringLiteral("Numéro de départ"));
    Legende(Panel1, QStringLiteral("Label7"), QStringLiteral("(facultatif : le même numéro redonne la même série)"),
            {318, 256, 180, 36})
        ->setWordWrap(true);
    Legende(Panel1, QStringLiteral("Label8"), QStringLiteral("Nom de la série"), {12, 300, 200, 22});
    EditNom = new QLineEdit(Panel1);
    EditNom->setObjectName(QStringLiteral("EditNom"));
    EditNom->setGeometry(220, 298, 272, 26);
    EditNom->setFont(PoliceArial(14));
    EditNom->setAccessibleName(QStringLiteral("Nom de la série"));
    QLabel* note = CreerEtiquette(Panel1, QStringLiteral("Label9"),
                                  QStringLiteral("Les exercices vont dans une nouvelle série du dossier des "
                                                 "exercices ; le nom de chacun donne son code, qui le rouvre "
                                                 "dans l'éditeur."),
                                  {12, 334, 480, 50}, PoliceArial(12), CouleurNoir);
    note->setWordWrap(true);

    BoutonCreer = new QPushButton(IconeValider(), QStringLiteral("Créer"), this);
    BoutonCreer->setObjectName(QStringLiteral("BoutonCreer"));
    BoutonCreer->setGeometry(150, 408, 110, 38);
    BoutonCreer->setDefault(true);
    BoutonAnnuler = new QPushButton(IconeAnnuler(), QStringLiteral("Annuler"), this);
    BoutonAnnuler->setObjectName(QStringLiteral("BoutonAnnuler"));
    BoutonAnnuler->setGeometry(270, 408, 110, 38);

    connect(ChoixType, &QComboBox::currentIndexChanged, this, &TF_SerieHasard::ChoixTypeChange);
    connect(ChoixPremierNiveau, &QComboBox::currentIndexChanged, this,
            [this] { ChoixNiveauChange(ChoixPremierNiveau); });
    connect(ChoixDernierNiveau, &QComboBox::currentIndexChanged, this,
            [this] { ChoixNiveauChange(ChoixDernierNiveau); });
    connect(BoutonCreer, &QPushButton::clicked, this, &TF_SerieHasard::BoutonCreerClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

// Opens on the type of the editor or exercise last used, one level, ten exercises.
void TF_SerieHasard::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->geometry().center() - rect().center());
    bilan_ = BilanSerie();
    EditGraine->clear();
    NombreExercices->setValue(NombreParDefaut);
    const QSignalBlocker bloqueur(ChoixType);
    ChoixType->setCurrentIndex(std::clamp<int>(contexte_.numeroExercice, PremierTypeHasard, DernierTypeHasard)
                               - PremierTypeHasard);
    ChoixPremierNiveau->setCurrentIndex(0);
    ChoixDernierNiveau->setCurrentIndex(0);
    EditNom->clear();
    nomPropose_.clear();
    ChoixTypeChange();
    EditNom->setFocus();
}

void TF_SerieHasard::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1) {
        AfficherAide(QStringLiteral("hasard.htm"));
        return;
    }
    if (evenement->key() == Qt::Key_Escape) {
        BoutonAnnuler->click();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

int TF_SerieHasard::type() const
{
    return ChoixType->currentIndex() + PremierTypeHasard;
}

void TF_SerieHasard::ChoixTypeChange()
{
    decrireNiveaux();
    proposerNom();
}

// The range stays in order: the other end follows the one just moved past it.
void TF_SerieHasard::ChoixNiveauChange(QComboBox* change)
{
    if (ChoixPremierNiveau->currentIndex() > ChoixDernierNiveau->currentIndex()) {
        QComboBox* suit = change == ChoixPremierNiveau ? ChoixDernierNiveau : ChoixPremierNiveau;
        const QSignalBlocker bloqueur(suit);
        suit->setCurrentIndex(change->currentIndex());
    }
    decrireNiveaux();
    proposerNom();
}

void TF_SerieHasard::decrireNiveaux()
{
    QStringList lignes;
    for (int n = ChoixPremierNiveau->currentIndex() + 1; n <= ChoixDernierNiveau->currentIndex() + 1; ++n)
        if (const NiveauExercice* niveau = NiveauDe(type(), n))
            lignes.append(DescriptionNiveau(*niveau));
    LabelNiveaux->setText(lignes.size() <= 3 ? lignes.join(QLatin1Char('\n'))
                                             : lignes.first() + QStringLiteral("\n...\n") + lignes.last());
}

void TF_SerieHasard::proposerNom()
{
    const QString nom = NomSerieProposee(type(), ChoixPremierNiveau->currentIndex() + 1,
                                         ChoixDernierNiveau->currentIndex() + 1);
    if (EditNom->text() == nomPropose_)
        EditNom->setText(nom);
    nomPropose_ = nom;
}

std::optional<DemandeSerie> TF_SerieHasard::demande() const
{
    DemandeSerie d;
    d.Type = type();
    d.PremierNiveau = ChoixPremierNiveau->currentIndex() + 1;
    d.DernierNiveau = ChoixDernierNiveau->currentIndex() + 1;
    d.Nombre = NombreExercices->value();
    d.Nom = EditNom->text();
    const QString graine = EditGraine->text().trimmed();
    if (graine.isEmpty()) {
        d.Graine = graineAuHasard_();
        return d;
    }
    bool nombre = false;
    d.Graine = graine.toUInt(&nombre);
    if (!nombre)
        return std::nullopt;
    return d;
}

void TF_SerieHasard::BoutonCreerClick()
{
    const std::optional<DemandeSerie> d = demande();
    if (!d) {
        avertir(QStringLiteral("Le numéro de départ va de 0 à %1.").arg(CodeExercice::GraineMax));
        return;
    }
    bilan_ = CreerSerieHasard(DossierExercicesAccessible(contexte_), *d);
    if (!bilan_.Ecrite) {
        avertir(bilan_.Message);
        return;
    }
    const qsizetype nombre = bilan_.Fichiers.size();
    informer(QStringLiteral("La série « %1 » est créée : %2, à choisir dans la liste des séries comme les "
                            "autres.")
                 .arg(d->Nom.trimmed(), nombre == 1 ? QStringLiteral("1 exercice")
                                                    : QStringLiteral("%1 exercices").arg(nombre)));
    accept();
}
