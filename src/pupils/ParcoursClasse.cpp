#include "ParcoursClasse.h"

#include "Dossiers.h"
#include "Enregistrements.h"
#include "Niveaux.h"

#include <QFileInfo>

namespace {
const QString EnTete = QStringLiteral("Parcours Orvane 1");
const QString PrefixeEnTete = QStringLiteral("Parcours Orvane");
const QString CleAutres = QStringLiteral("autres exercices");
const QString MotSerie = QStringLiteral("série");
const QString MotNiveau = QStringLiteral("niveau");
const QString Oui = QStringLiteral("oui");
const QString Non = QStringLiteral("non");
constexpr int RemarquesMax = 20;

const char* const Explication =
    "# Parcours de la classe « %1 », écrit par Orvane (menu Editeurs, « Parcours de la classe »).\n"
    "# Les élèves suivent les étapes dans l'ordre, une par ligne :\n"
    "#   série;<exercice 2 à 5>;<réussites qui terminent l'étape, 0 pour toute la série>;<nom de la série>\n"
    "#   niveau;<exercice 2 à 5>;<niveau>;<réussites qui terminent l'étape>\n"
    "# « autres exercices;non » : les élèves n'ouvrent que les exercices du parcours.\n";

bool egal(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// "série", or "serie" typed without its accent.
bool estMotSerie(const QString& mot)
{
    return egal(mot, MotSerie) || egal(mot, QStringLiteral("serie"));
}

std::optional<int> nombre(const QString& texte, int min, int max)
{
    bool lu = false;
    const int n = texte.trimmed().toInt(&lu);
    return lu && n >= min && n <= max ? std::optional<int>(n) : std::nullopt;
}

// A folder the chooser would take for a series: a plain name, not hidden.
bool nomDeSerie(const QString& nom)
{
    return !nom.isEmpty() && !nom.startsWith(QLatin1Char('.')) && !nom.contains(QLatin1Char('/'))
        && !nom.contains(QLatin1Char('\\'));
}

std::optional<EtapeParcours> lireEtape(const QString& ligne)
{
    const QString mot = ligne.section(QLatin1Char(';'), 0, 0).trimmed();
    EtapeParcours etape;
    const std::optional<int> type = nombre(ligne.section(QLatin1Char(';'), 1, 1), PremierTypeHasard, DernierTypeHasard);
    if (!type)
        return std::nullopt;
    etape.type = *type;
    if (estMotSerie(mot)) {
        const std::optional<int> reussites = nombre(ligne.section(QLatin1Char(';'), 2, 2), 0, ParcoursClasse::ReussitesMax);
        etape.serie = ligne.section(QLatin1Char(';'), 3);
        if (!reussites || !nomDeSerie(etape.serie))
            return std::nullopt;
        etape.reussites = *reussites;
        return etape;
    }
    if (!egal(mot, MotNiveau) || ligne.count(QLatin1Char(';')) != 3)
        return std::nullopt;
    const std::optional<int> niveau = nombre(ligne.section(QLatin1Char(';'), 2, 2), 1, NombreNiveaux(*type));
    const std::optional<int> reussites = nombre(ligne.section(QLatin1Char(';'), 3, 3), 1, ParcoursClasse::ReussitesMax);
    if (!niveau || !reussites)
        return std::nullopt;
    etape.genre = GenreEtape::Niveau;
    etape.niveau = *niveau;
    etape.reussites = *reussites;
    return etape;
}

QString ligneEtape(const EtapeParcours& etape)
{
    if (!etape.lisible())
        return etape.illisible;
    if (etape.genre == GenreEtape::Niveau)
        return QStringLiteral("%1;%2;%3;%4").arg(MotNiveau).arg(etape.type).arg(etape.niveau).arg(etape.reussites);
    return QStringLiteral("%1;%2;%3;%4").arg(MotSerie).arg(etape.type).arg(etape.reussites).arg(etape.serie);
}

class Lecteur {
public:
    LectureParcours lecture;
    ParcoursClasse parcours;
    bool enTeteLue = false;

    // False once the file is known to be no path.
    bool ligne(int numero, const QString& texte)
    {
        const QString propre = texte.trimmed();
        if (propre.isEmpty() || propre.startsWith(QLatin1Char('#')))
            return true;
        if (!enTeteLue)
            return enTete(propre);
        if (egal(propre.section(QLatin1Char(';'), 0, 0).trimmed(), CleAutres))
            autres(numero, propre.section(QLatin1Char(';'), 1).trimmed());
        else
            etape(numero, texte);
        return true;
    }

private:
    void remarquer(int numero, const QString& texte, const QString& suite)
    {
        if (lecture.remarques.size() < RemarquesMax)
            lecture.remarques.append(QStringLiteral("Ligne %1, « %2 » : %3").arg(numero).arg(texte.left(80), suite));
    }

    bool enTete(const QString& propre)
    {
        enTeteLue = propre == EnTete;
        if (!enTeteLue)
            lecture.erreur = propre.startsWith(PrefixeEnTete)
                ? QStringLiteral("il a été écrit par une version plus récente d'Orvane")
                : QStringLiteral("sa première ligne n'est pas « %1 »").arg(EnTete);
        return enTeteLue;
    }

    void autres(int numero, const QString& valeur)
    {
        if (egal(valeur, Oui) || egal(valeur, Non))
            parcours.autresExercices = egal(valeur, Oui);
        else
            remarquer(numero, valeur, QStringLiteral("« oui » ou « non » était attendu ; les autres exercices restent ouverts."));
    }

    void etape(int numero, const QString& texte)
    {
        if (parcours.etapes.size() == ParcoursClasse::EtapesMax) {
            remarquer(numero, texte, QStringLiteral("un parcours a au plus %1 étapes ; celle-ci est laissée de côté.")
                                         .arg(ParcoursClasse::EtapesMax));
            return;
        }
        QString ligne = texte;
        while (ligne.endsWith(QLatin1Char('\r')))
            ligne.chop(1);
        std::optional<EtapeParcours> lue = lireEtape(ligne);
        if (!lue) {
            remarquer(numero, ligne, QStringLiteral("cette étape n'est pas comprise ; elle est marquée introuvable."));
            lue = EtapeParcours{};
            lue->illisible = ligne;
        }
        parcours.etapes.append(*lue);
    }
};
} // namespace

QString EtapeParcours::titre() const
{
    if (!lisible())
        return QStringLiteral("étape illisible");
    return genre == GenreEtape::Serie ? serie : QStringLiteral("niveau %1 au hasard").arg(niveau);
}

QString NomFichierParcours(const QString& classe)
{
    // A class typed by hand must not lead out of the folder.
    QString nom = classe;
    nom.remove(QLatin1Char('/')).remove(QLatin1Char('\\'));
    return QStringLiteral("Parcours ") + nom + QStringLiteral(".txt");
}

QString CheminParcours(const QString& dossierClasses, const QString& classe)
{
    return fichierSansCasse(dossierClasses, NomFichierParcours(classe));
}

QByteArray ContenuParcours(const ParcoursClasse& parcours, const QString& classe)
{
    QString texte = QString::fromUtf8(Explication).arg(classe);
    texte += EnTete + QLatin1Char('\n');
    texte += CleAutres + QLatin1Char(';') + (parcours.autresExercices ? Oui : Non) + QLatin1Char('\n');
    for (const EtapeParcours& etape : parcours.etapes)
        texte += ligneEtape(etape) + QLatin1Char('\n');
    return texte.toUtf8();
}

LectureParcours LireParcours(const QByteArray& octets)
{
    Lecteur lecteur;
    lecteur.lecture.octets = octets;
    QString texte = QString::fromUtf8(octets);
    if (texte.startsWith(QChar(0xFEFF)))
        texte.remove(0, 1);
    int numero = 0;
    for (QStringView ligne : QStringView(texte).split(QLatin1Char('\n')))
        if (!lecteur.ligne(++numero, ligne.toString()))
            return lecteur.lecture;
    if (!lecteur.enTeteLue)
        lecteur.lecture.erreur = QStringLiteral("il est vide");
    else
        lecteur.lecture.parcours = lecteur.parcours;
    return lecteur.lecture;
}

LectureParcours LireParcoursClasse(const QString& dossierClasses, const QString& classe)
{
    const QString chemin = CheminParcours(dossierClasses, classe);
    const QString nom = QFileInfo(chemin).fileName();
    QString erreur;
    const std::optional<QByteArray> octets = lireFichier(chemin, &erreur);
    LectureParcours lecture;
    if (octets)
        lecture = LireParcours(*octets);
    else if (!erreur.isEmpty())
        lecture.erreur = messageErreurFichier(nom, erreur);
    else
        return lecture;
    if (octets && !lecture.erreur.isEmpty())
        lecture.erreur = QStringLiteral("Le fichier « %1 » n'est pas un parcours de classe : %2. Les élèves de « %3 » "
                                        "choisissent leurs exercices comme sans parcours.")
                             .arg(nom, lecture.erreur, classe);
    return lecture;
}
