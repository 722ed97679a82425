#include "TF_EnDirect.h"

#include "Controles.h"
#include "Couleurs.h"
#include "Dialogues.h"
#include "Operations.h"
#include "OrdreAlphabetique.h"
#include "SuiviClasse.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <numeric>

namespace {
enum Colonne { ColEleve, ColEtat, ColExercice, ColReussites, ColEssais, ColEtape, ColDernier, NbColonnes };

const QColor FondBloque(0xFF, 0xD2, 0xD2);
const QColor FondFini(0xD4, 0xF2, 0xD4);
const QColor FondIllisible(0xFF, 0xF3, 0xC4);
const QColor TexteEnAttente(0x70, 0x70, 0x70);

// A cell sorted by its key rather than by its text: the state by how urgent it is, the
// numbers as numbers, the times as times.
class CelluleTriee : public QTableWidgetItem {
public:
    CelluleTriee(const QString& texte, const QVariant& cle)
        : QTableWidgetItem(texte)
    {
        setData(Qt::UserRole, cle);
    }
    bool operator<(const QTableWidgetItem& autre) const override
    {
        return QVariant::compare(data(Qt::UserRole), autre.data(Qt::UserRole)) == QPartialOrdering::Less;
    }
};

QString texteDernier(const EleveDirect& eleve, const QDate& aujourdhui)
{
    if (!eleve.dernier)
        return {};
    const Essai& e = *eleve.dernier;
    QString texte = e.jour == aujourdhui ? e.heure.toString(QStringLiteral("HH:mm"))
                                         : e.jour.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ')
                                               + e.heure.toString(QStringLiteral("HH:mm"));
    if (eleve.horlogeDouteuse)
        texte += QStringLiteral(" (horloge ?)");
    return texte;
}

// Each pupil's place in the alphabetical order of the names shown.
QList<int> rangsAlphabetiques(const QStringList& noms)
{
    QList<int> ordre(noms.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](int a, int b) { return OrdreAlphabetique().compare(noms[a], noms[b]) < 0; });
    QList<int> rangs(noms.size());
    for (int r = 0; r < ordre.size(); ++r)
        rangs[ordre[r]] = r;
    return rangs;
}
} // namespace

TF_EnDirect::TF_EnDirect(QWidget* parent)
    : QDialog(parent)
    , horloge_([] { return QDateTime::currentDateTime(); })
{
    PreparerFenetreGestion(this, QStringLiteral("F_EnDirect"), QStringLiteral("En direct"), QSize(808, 606),
                           Qt::WindowCloseButtonHint);
    creerControles();
    AdapterEcran(this);
    CentrerPanneau(Panel1);
    TimerDirect = new QTimer(this);
    TimerDirect->setObjectName(QStringLiteral("TimerDirect"));
    TimerDirect->setInterval(LectureMs);
    attente_ = new QTimer(this);
    attente_->setSingleShot(true);
    attente_->setInterval(RegroupementMs);
    veille_ = new QFileSystemWatcher(this);
    connect(TimerDirect, &QTimer::timeout, this, &TF_EnDirect::actualiser);
    connect(attente_, &QTimer::timeout, this, &TF_EnDirect::actualiser);
    // Thirty pupils writing at once bring a burst of news: one reading follows it.
    const auto nouvelles = [this] {
        if (!attente_->isActive())
            attente_->start();
    };
    connect(veille_, &QFileSystemWatcher::directoryChanged, this, nouvelles);
    connect(veille_, &QFileSystemWatcher::fileChanged, this, nouvelles);
}

TF_EnDirect::~TF_EnDirect() = default;

void TF_EnDirect::creerControles()
{
    Panel1 = CreerPanneau(this, QStringLiteral("Panel1"), {8, 12, 784, 548}, CouleurPanneauGestion);
    LabelTitre = CreerEtiquette(Panel1, QStringLiteral("LabelTitre"), QString(), {12, 10, 560, 30},
                                PoliceArial(20, true), CouleurNoir);
    LabelHeure = CreerEtiquette(Panel1, QStringLiteral("LabelHeure"), QString(), {580, 14, 192, 24},
                                PoliceArial(15), CouleurNoir);
    LabelHeure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelMessage = CreerEtiquette(Panel1, QStringLiteral("LabelMessage"), QString(), {12, 44, 760, 36},
                                  PoliceArial(15, true), CouleurRouge);
    LabelMessage->setWordWrap(true);
    TableDirect = new QTableWidget(0, NbColonnes, Panel1);
    TableDirect->setObjectName(QStringLiteral("TableDirect"));
    TableDirect->setAccessibleName(QStringLiteral("La classe en direct"));
    TableDirect->setGeometry(12, 84, 760, 398);
    TableDirect->setFont(PoliceArial(16));
    TableDirect->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableDirect->setSelectionMode(QAbstractItemView::NoSelection);
    TableDirect->setFocusPolicy(Qt::NoFocus);
    TableDirect->verticalHeader()->hide();
    TableDirect->setHorizontalHeaderLabels({QStringLiteral("Élève"), QStringLiteral("État"),
                                            QStringLiteral("Exercice en cours"), QStringLiteral("Réussis"),
                                            QStringLiteral("Essais"), QStringLiteral("Parcours"),
                                            QStringLiteral("Dernier")});
    TableDirect->horizontalHeaderItem(ColReussites)->setToolTip(QStringLiteral("Exercices réussis aujourd'hui"));
    TableDirect->horizontalHeaderItem(ColEssais)->setToolTip(QStringLiteral("Essais d'aujourd'hui, « Juste » ou « Faux »"));
    TableDirect->horizontalHeaderItem(ColEtape)->setToolTip(QStringLiteral("L'étape du parcours de la classe"));
    TableDirect->horizontalHeaderItem(ColDernier)->setToolTip(
        QStringLiteral("Le dernier essai, à l'heure de l'ordinateur de l'élève"));
    // A long exercise name keeps its start, the exercise itself (its series follows).
    TableDirect->setTextElideMode(Qt::ElideRight);
    TableDirect->setWordWrap(false);
    // Every column as wide as its texts; the exercise takes the room left.
    TableDirect->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TableDirect->horizontalHeader()->setSectionResizeMode(ColExercice, QHeaderView::Stretch);
    TableDirect->horizontalHeader()->setSectionsClickable(true);
    TableDirect->horizontalHeader()->setSortIndicatorShown(false);
    connect(TableDirect->horizontalHeader(), &QHeaderView::sectionClicked, this, &TF_EnDirect::trier);
    LabelLegende = CreerEtiquette(Panel1, QStringLiteral("LabelLegende"),
                                  QStringLiteral("« bloqué » : trois « Faux » de suite ou plus sur un exercice, ou rien "
                                                 "depuis dix minutes après un essai aujourd'hui. Un clic sur le titre "
                                                 "d'une colonne trie la classe."),
                                  {12, 488, 620, 48}, PoliceArial(14), CouleurNoir);
    LabelLegende->setWordWrap(true);
    BoutonFermer = CreerBouton(Panel1, QStringLiteral("BoutonFermer"), QStringLiteral("Fermer"), {642, 494, 130, 42},
                               PoliceArial(16, true));
    connect(BoutonFermer, &QPushButton::clicked, this, &QDialog::accept);
}

void TF_EnDirect::suivre(const DemandeDirect& demande, bool masquerNoms)
{
    demande_ = demande;
    masquerNoms_ = masquerNoms;
}

void TF_EnDirect::fixerHorloge(std::function<QDateTime()> horloge)
{
    horloge_ = std::move(horloge);
}

void TF_EnDirect::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    if (evenement->spontaneous())
        return;
    setWindowTitle(QStringLiteral("En direct : ") + demande_.classe);
    LabelTitre->setText(QStringLiteral("La classe « %1 » en direct").arg(demande_.classe));
    suivi_ = std::make_unique<SuiviDirect>(demande_);
    actualiser();
    TimerDirect->start();
}

// Nothing is read while the window is not shown.
void TF_EnDirect::hideEvent(QHideEvent* evenement)
{
    QDialog::hideEvent(evenement);
    if (evenement->spontaneous())
        return;
    TimerDirect->stop();
    attente_->stop();
    const QStringList surveilles = veille_->files() + veille_->directories();
    if (!surveilles.isEmpty())
        veille_->removePaths(surveilles);
    suivi_.reset();
}

void TF_EnDirect::actualiser()
{
    if (!suivi_)
        return;
    suivi_->actualiser(horloge_());
    surveiller();
    remplir();
}

// A file written anew by renaming is no longer the one watched, and a pupil's first
// attempt makes a file: what to watch is asked again after every reading.
void TF_EnDirect::surveiller()
{
    QStringList nouveaux;
    const QStringList surveilles = veille_->files() + veille_->directories();
    for (const QString& chemin : suivi_->aSurveiller())
        if (!surveilles.contains(chemin) && QFileInfo::exists(chemin))
            nouveaux.append(chemin);
    if (!nouveaux.isEmpty())
        veille_->addPaths(nouveaux);
}

void TF_EnDirect::remplir()
{
    const QList<EleveDirect>& eleves = suivi_->eleves();
    QStringList noms;
    for (const EleveDirect& eleve : eleves)
        noms.append(eleve.eleve);
    if (masquerNoms_)
        noms = NomsMasques(noms);
    const QList<int> rangs = rangsAlphabetiques(noms);
    TableDirect->setUpdatesEnabled(false);
    TableDirect->setRowCount(static_cast<int>(eleves.size()));
    TableDirect->setColumnHidden(ColEtape, !suivi_->avecParcours());
    for (int i = 0; i < eleves.size(); ++i) {
        remplirLigne(i, eleves[i], noms[i]);
        TableDirect->item(i, ColEleve)->setData(Qt::UserRole, rangs[i]);
    }
    if (colonneTri_ >= 0)
        TableDirect->sortItems(colonneTri_, ordreTri_);
    TableDirect->setUpdatesEnabled(true);
    LabelHeure->setText(QStringLiteral("Lu à ") + horloge_().toString(QStringLiteral("HH:mm:ss")));
    QStringList messages{suivi_->erreur(), suivi_->erreurParcours()};
    if (!QFileInfo(demande_.dossierBilans).isDir())
        messages.prepend(QStringLiteral("Le dossier des bilans est introuvable : ") + demande_.dossierBilans);
    messages.removeAll(QString());
    LabelMessage->setText(messages.join(QLatin1Char('\n')));
}

namespace {

// The exercise first, then its series, so that a narrow column still shows which one.
QString texteExercice(const QString& nom)
{
    const qsizetype barre = nom.lastIndexOf(QLatin1Char('\\'));
    if (barre < 0)
        return nom;
    return QStringLiteral("%1 (%2)").arg(nom.mid(barre + 1), nom.left(barre));
}

} // namespace

void TF_EnDirect::remplirLigne(int ligne, const EleveDirect& eleve, const QString& nom)
{
    const QDate aujourdhui = horloge_().date();
    QString etat = TexteEtatDirect(eleve.etat);
    if (!eleve.motif.isEmpty())
        etat += QStringLiteral(" : ") + eleve.motif;
    const qint64 quand = eleve.dernier ? QDateTime(eleve.dernier->jour, eleve.dernier->heure).toMSecsSinceEpoch() : -1;
    const QList<QTableWidgetItem*> cellules = {
        new CelluleTriee(nom, 0),
        new CelluleTriee(etat, static_cast<int>(eleve.etat) * 1000 - eleve.fauxDeSuite),
        new CelluleTriee(texteExercice(eleve.exercice), eleve.exercice),
        new CelluleTriee(eleve.reussitesDuJour > 0 ? QString::number(eleve.reussitesDuJour) : QString(),
                         eleve.reussitesDuJour),
        new CelluleTriee(eleve.essaisDuJour > 0 ? QString::number(eleve.essaisDuJour) : QString(), eleve.essaisDuJour),
        new CelluleTriee(eleve.etape, eleve.rangEtape),
        new CelluleTriee(texteDernier(eleve, aujourdhui), quand),
    };
    const QColor fond = eleve.etat == EtatDirect::Bloque ? FondBloque
        : eleve.etat == EtatDirect::Fini                 ? FondFini
        : eleve.etat == EtatDirect::Illisible            ? FondIllisible
                                                         : QColor(Qt::white);
    for (int colonne = 0; colonne < NbColonnes; ++colonne) {
        QTableWidgetItem* cellule = cellules[colonne];
        cellule->setBackground(fond);
        if (eleve.etat == EtatDirect::PasCommence)
            cellule->setForeground(TexteEnAttente);
        if (colonne != ColEleve && colonne != ColExercice)
            cellule->setTextAlignment(Qt::AlignCenter);
        TableDirect->setItem(ligne, colonne, cellule);
    }
    QFont gras = TableDirect->font();
    gras.setBold(true);
    cellules[ColEtat]->setFont(gras);
    if (eleve.etat == EtatDirect::Bloque)
        cellules[ColEtat]->setForeground(QColor::fromRgb(VersQRgb(CouleurRouge)));
    cellules[ColEleve]->setToolTip(eleve.eleve);
    cellules[ColEtat]->setToolTip(
        !eleve.erreur.isEmpty() || eleve.lignesIllisibles == 0
            ? eleve.erreur
            : QStringLiteral("Le fichier des essais a %1 qu'Orvane ne comprend pas.")
                  .arg(compter(eleve.lignesIllisibles, QStringLiteral("ligne"), QStringLiteral("lignes"))));
    if (eleve.type > 0)
        cellules[ColExercice]->setToolTip(QStringLiteral("Exercice %1 : %2").arg(eleve.type).arg(eleve.exercice));
    if (eleve.horlogeDouteuse)
        cellules[ColDernier]->setToolTip(QStringLiteral("L'ordinateur de l'élève n'est pas à l'heure : ses essais "
                                                        "ne comptent pas dans ceux du jour."));
}

// A second click on the same title turns the order round.
void TF_EnDirect::trier(int colonne)
{
    ordreTri_ = colonne == colonneTri_ && ordreTri_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    colonneTri_ = colonne;
    TableDirect->horizontalHeader()->setSortIndicatorShown(true);
    TableDirect->horizontalHeader()->setSortIndicator(colonne, ordreTri_);
    TableDirect->sortItems(colonneTri_, ordreTri_);
}

void TF_EnDirect::resizeEvent(QResizeEvent* evenement)
{
    QDialog::resizeEvent(evenement);
    CentrerPanneau(Panel1);
}

void TF_EnDirect::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
        AfficherAide(QStringLiteral("direct.htm"));
    else
        QDialog::keyPressEvent(evenement);
}
