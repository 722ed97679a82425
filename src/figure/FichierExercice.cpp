#include "FichierExercice.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace {

constexpr qsizetype TailleMot = 4;
constexpr int MotsEntete = 15;
constexpr int MotsEnteteAncienne = 5;
constexpr int MotsElement = 6;
constexpr qsizetype TailleElement = MotsElement * TailleMot;
// A first word above this is EnteteExercice; otherwise it is the axis of an older file.
constexpr qint32 SeuilEntete = 100;

// The words of the header and of the elements that fit in a figure; what lies beyond is
// only counted, never kept.
struct OctetsLus
{
    QByteArray debut;
    qint64 taille = 0;
    bool erreur = false;
};

OctetsLus LireDebut(QIODevice* appareil, qsizetype utile)
{
    OctetsLus lus;
    lus.debut = appareil->read(utile);
    lus.taille = lus.debut.size();
    char reste[65536];
    for (;;) {
        const qint64 n = appareil->read(reste, sizeof reste);
        if (n < 0) {
            lus.erreur = true;
            break;
        }
        if (n == 0)
            break;
        lus.taille += n;
    }
    return lus;
}

qint32 Mot(const QByteArray& octets, qsizetype index)
{
    return qFromLittleEndian<qint32>(octets.constData() + index * TailleMot);
}

void LireEntete(const QByteArray& octets, ExerciceLu& exo, qsizetype& index)
{
    const qint32 premier = Mot(octets, index++);
    if (premier > SeuilEntete) {
        exo.EnteteExercice = premier;
        exo.Grille.TypeAxe = static_cast<Axe>(Mot(octets, index++));
    } else {
        exo.Grille.TypeAxe = static_cast<Axe>(premier);
    }
    exo.CoteFigure = Mot(octets, index++);
    exo.TailleCaseFichier = Mot(octets, index++);
    exo.Grille.NbColonnes = Mot(octets, index++);
    exo.Grille.NbLignes = Mot(octets, index++);
    exo.Grille.DecalageAxe = 0;
    exo.Grille.Reserve.fill(0);
    if (exo.FormeAncienne())
        return;
    exo.Grille.DecalageAxe = Mot(octets, index++);
    for (qint32& mot : exo.Grille.Reserve)
        mot = Mot(octets, index++);
}

ElementFigure LireElement(const QByteArray& octets, qsizetype index)
{
    ElementFigure e;
    e.GenreElement = static_cast<Genre>(Mot(octets, index));
    e.CaseX1 = Mot(octets, index + 1);
    e.CaseY1 = Mot(octets, index + 2);
    e.CaseX2 = Mot(octets, index + 3);
    e.CaseY2 = Mot(octets, index + 4);
    e.Couleur = quint32(Mot(octets, index + 5));
    return e;
}

} // namespace

ResultatLecture LireExercice(QIODevice* appareil)
{
    ResultatLecture resultat;
    const qsizetype utile = MotsEntete * TailleMot + Figure::Capacite * TailleElement;
    const OctetsLus lus = LireDebut(appareil, utile);
    if (lus.erreur) {
        resultat.Erreur = QStringLiteral("Le fichier d'exercice n'a pas pu être lu.");
        return resultat;
    }
    const QByteArray& octets = lus.debut;
    const qint64 nbMots = lus.taille / TailleMot;
    const bool formeCourante = nbMots >= 1 && Mot(octets, 0) > SeuilEntete;
    const int motsEntete = formeCourante ? MotsEntete : MotsEnteteAncienne;
    if (nbMots < motsEntete) {
        resultat.Erreur = QStringLiteral("Le fichier d'exercice est incomplet.");
        return resultat;
    }

    ExerciceLu& exo = resultat.Exercice;
    qsizetype index = 0;
    LireEntete(octets, exo, index);
    // A trailing partial record is left aside: no writer makes one.
    const qint64 nbEnregistrements = (nbMots - motsEntete) / MotsElement;
    exo.NbEnregistrements = qint32(std::min<qint64>(nbEnregistrements, 0x7FFFFFFF));
    const qint64 gardes = std::min<qint64>(nbEnregistrements, Figure::Capacite);
    for (int i = 1; i <= gardes; ++i)
        exo.Elements.Ajouter(LireElement(octets, index + (i - 1) * MotsElement));
    resultat.Reussi = true;
    return resultat;
}

ResultatLecture LireExercice(const QString& chemin)
{
    // An exercise is a small regular file: a link, a pipe or a device planted in a shared
    // exercises folder would hang or flood the reader.
    constexpr qint64 TailleMax = 16 * 1024 * 1024;
    const QFileInfo info(chemin);
    if (info.isSymLink() || (info.exists() && (!info.isFile() || info.size() > TailleMax))) {
        ResultatLecture resultat;
        resultat.Erreur = QStringLiteral("« %1 » n'est pas un fichier d'exercice ordinaire : Orvane ne le lit pas.").arg(chemin);
        return resultat;
    }
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        ResultatLecture resultat;
        resultat.Erreur = QStringLiteral("Impossible d'ouvrir le fichier « %1 » : %2")
                              .arg(chemin, fichier.errorString());
        return resultat;
    }
    ResultatLecture resultat = LireExercice(&fichier);
    if (!resultat.Reussi)
        resultat.Erreur = QStringLiteral("%1 (« %2 »)").arg(resultat.Erreur, chemin);
    return resultat;
}

QString MotifRefus(const ExerciceLu& exercice, int place, int largeurEtalon)
{
    if (exercice.NbEnregistrements > place)
        return QStringLiteral("Cet exercice contient %1 éléments ; il ne peut pas en contenir "
                              "plus de %2.")
            .arg(exercice.NbEnregistrements)
            .arg(place);
    // A grid without a known axis or point could never be solved.
    if (exercice.Grille.TypeAxe < AxeVertical || exercice.Grille.TypeAxe > AxePoint)
        return QStringLiteral("Cet exercice ne peut pas être ouvert : son axe (%1) est inconnu.")
            .arg(Code(exercice.Grille.TypeAxe));
    if (CalculerTailleCase(largeurEtalon, exercice.Grille.NbColonnes) <= 0)
        return QStringLiteral("Le quadrillage de cet exercice (%1 colonnes) ne peut pas être "
                              "affiché.")
            .arg(exercice.Grille.NbColonnes);
    const Figure& figure = exercice.Elements;
    for (int i = 1; i <= figure.NbElements; ++i)
        if (EstColoriage(figure[i].GenreElement) && exercice.TailleCaseFichier == 0)
            return QStringLiteral("La taille des cases enregistrée dans cet exercice est nulle : "
                                  "ses zones coloriées ne peuvent pas être placées.");
    return {};
}

void ConvertirPourTailleCase(ExerciceLu& exercice, int tailleCase)
{
    exercice.Grille.TailleCase = tailleCase;
    AdapterTailleCase(exercice.Elements, tailleCase, exercice.TailleCaseFichier);
}

namespace {

void AjouterMot(QByteArray& octets, qint32 mot)
{
    char tampon[TailleMot];
    qToLittleEndian(mot, tampon);
    octets.append(tampon, TailleMot);
}

void AjouterElement(QByteArray& octets, const ElementFigure& e, int c)
{
    AjouterMot(octets, Code(e.GenreElement));
    AjouterMot(octets, e.X1 / c);
    AjouterMot(octets, e.Y1 / c);
    if (EstColoriage(e.GenreElement)) {
        AjouterMot(octets, e.X1 % c);
        AjouterMot(octets, e.Y1 % c);
    } else {
        AjouterMot(octets, e.X2 / c);
        AjouterMot(octets, e.Y2 / c);
    }
    AjouterMot(octets, qint32(e.Couleur));
}

} // namespace

QByteArray ContenuExercice(const Quadrillage& grille, const Figure& figure,
                           const ParametresEcriture& parametres)
{
    const int c = grille.TailleCase;
    if (c <= 0)
        return {};
    QByteArray octets;
    AjouterMot(octets, 200 + parametres.NumeroExercice);
    AjouterMot(octets, Code(parametres.TypeAxeEcrit.value_or(grille.TypeAxe)));
    AjouterMot(octets, CalculerCoteFigure(grille, figure));
    AjouterMot(octets, c);
    AjouterMot(octets, grille.NbColonnes);
    AjouterMot(octets, grille.NbLignes);
    AjouterMot(octets, grille.DecalageAxe);
    for (qint32 mot : grille.Reserve)
        AjouterMot(octets, mot);
    for (int i = 1; i <= std::min(figure.NbElements, Figure::Capacite); ++i)
        if (!(parametres.SansColoriages && EstColoriage(figure[i].GenreElement)))
            AjouterElement(octets, figure[i], c);
    return octets;
}

namespace {

QString MessageTailleNulle()
{
    return QStringLiteral("La taille des cases est nulle : l'exercice ne peut pas être "
                          "enregistré.");
}

} // namespace

bool EcrireExercice(QIODevice* appareil, const Quadrillage& grille, const Figure& figure,
                    const ParametresEcriture& parametres, QString* erreur)
{
    if (grille.TailleCase <= 0) {
        if (erreur)
            *erreur = MessageTailleNulle();
        return false;
    }
    const QByteArray octets = ContenuExercice(grille, figure, parametres);
    if (appareil->write(octets) != octets.size()) {
        if (erreur)
            *erreur = QStringLiteral("L'exercice n'a pas pu être écrit : %1")
                          .arg(appareil->errorString());
        return false;
    }
    return true;
}

bool EcrireExercice(const QString& chemin, const Quadrillage& grille, const Figure& figure,
                    const ParametresEcriture& parametres, QString* erreur)
{
    if (grille.TailleCase <= 0) {
        if (erreur)
            *erreur = MessageTailleNulle();
        return false;
    }
    QSaveFile fichier(chemin);
    const QByteArray octets = ContenuExercice(grille, figure, parametres);
    // The explicit flush reports a write the file system refused (a full disk): commit()
    // alone would rename the partly written file over the previous one.
    const bool reussi = fichier.open(QIODevice::WriteOnly)
                        && fichier.write(octets) == octets.size() && fichier.flush()
                        && fichier.commit();
    if (!reussi && erreur)
        *erreur = QStringLiteral("Impossible d'enregistrer le fichier « %1 » : %2")
                      .arg(chemin, fichier.errorString());
    return reussi;
}
