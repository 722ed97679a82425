#include "ImportClasses.h"

#include "Classes.h"
#include "Dialogues.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "OrdreAlphabetique.h"
#include "Tableur.h"
#include "Verrou.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>

namespace {
// A file of more classes than a school has is not the school's list.
constexpr int NbMaxClasses = 200;
// Past this many, the lines not read are counted rather than each named.
constexpr int NbMaxRemarques = 200;
// A surname in capitals has at least two letters: "M." is an initial.
constexpr int LettresMinimumCapitales = 2;
constexpr int LignesAvantTitres = 10;

enum class Colonne { Nom, NomUsage, Prenom, Classe, Niveau, NomComplet, Nombre };

struct Titre {
    Colonne colonne;
    std::optional<OrdreNoms> ordre; // of a column holding both names
};

// Titles compared lower case, without accents, one space between words.
const QHash<QString, Titre>& titresConnus()
{
    static const QHash<QString, Titre> titres = [] {
        QHash<QString, Titre> t;
        const auto ajouter = [&t](Colonne c, std::initializer_list<const char*> cles,
                                  std::optional<OrdreNoms> ordre = std::nullopt) {
            for (const char* cle : cles)
                t.insert(QString::fromUtf8(cle), {c, ordre});
        };
        ajouter(Colonne::Nom, {"nom", "nom eleve", "nom de l'eleve", "nom de famille", "nom de naissance",
                               "nom legal"});
        ajouter(Colonne::NomUsage, {"nom d'usage", "nom d'usage eleve", "nom d'usage de l'eleve", "nom usuel"});
        ajouter(Colonne::Prenom, {"prenom", "prenom eleve", "prenom de l'eleve", "prenom 1", "premier prenom",
                                  "prenoms", "prenom usuel"});
        ajouter(Colonne::Classe, {"classe", "libelle classe", "division", "libelle division", "classe de l'eleve",
                                  "nom de la classe"});
        ajouter(Colonne::Niveau, {"niveau", "libelle niveau", "niveau eleve"});
        ajouter(Colonne::NomComplet, {"eleve", "eleves", "nom complet", "identite"});
        ajouter(Colonne::NomComplet, {"prenom nom", "prenom et nom"}, OrdreNoms::PrenomPuisNom);
        ajouter(Colonne::NomComplet, {"nom prenom", "nom et prenom", "nom, prenom"}, OrdreNoms::NomPuisPrenom);
        return t;
    }();
    return titres;
}

bool estApostrophe(QChar c)
{
    return c == u'\'' || c == u'’' || c == u'‘' || c == u'´' || c == u'`' || c == u'ʼ' || c == u'′';
}

QString cleTitre(const QString& titre)
{
    QString cle;
    for (QChar c : titre.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            cle += estApostrophe(c) ? QChar(u'\'') : c.toLower();
    }
    return cle.simplified();
}

// A name as the file gives it, tidied: accents composed (files written on some systems
// keep them apart, and a class list cannot), one space between words, one apostrophe.
QString nettoyer(const QString& texte)
{
    QString propre = texte.normalized(QString::NormalizationForm_C);
    for (QChar& c : propre) {
        if (estApostrophe(c))
            c = u'\'';
        else if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return propre.simplified();
}

// Letters, digits, spaces and the marks names carry; anything else in a name comes from
// a file read with the wrong code page ("LÃ©a").
QString caracteresInattendus(const QString& nom)
{
    static const QString permis = QStringLiteral(" -'.()");
    QString trouves;
    for (QChar c : nom)
        if (!c.isLetterOrNumber() && !c.isMark() && !permis.contains(c) && !trouves.contains(c))
            trouves += c;
    return trouves;
}

bool dansWindows1252(const QString& lettre)
{
    return lettre.size() == 1 && octetWindows1252(lettre.front().unicode()) >= 0;
}

// A letter a class list cannot hold, written as the nearest one it can: its accents
// dropped one by one ("ễ" gives "ê"), or its plain form; empty when there is none.
QString lettreWindows1252(char32_t point)
{
    static const QHash<char32_t, QString> sansAccent = {
        {U'ł', QStringLiteral("l")}, {U'Ł', QStringLiteral("L")}, {U'đ', QStringLiteral("d")},
        {U'Đ', QStringLiteral("D")}, {U'ı', QStringLiteral("i")}, {U'ħ', QStringLiteral("h")},
        {U'Ħ', QStringLiteral("H")}, {U'ŧ', QStringLiteral("t")}, {U'Ŧ', QStringLiteral("T")},
        {U'ŀ', QStringLiteral("l")}, {U'Ŀ', QStringLiteral("L")}, {U'ĳ', QStringLiteral("ij")},
        {U'Ĳ', QStringLiteral("IJ")}, {U'ŉ', QStringLiteral("'n")}};
    QString decomposee = QString::fromUcs4(&point, 1).normalized(QString::NormalizationForm_D);
    while (decomposee.size() > 1 && decomposee.back().isMark()) {
        decomposee.chop(1);
        const QString composee = decomposee.normalized(QString::NormalizationForm_C);
        if (dansWindows1252(composee))
            return composee;
    }
    return sansAccent.value(point);
}

QString enWindows1252(const QString& nom)
{
    QString adapte;
    for (char32_t point : nom.toUcs4()) {
        const QString lettre = QString::fromUcs4(&point, 1);
        adapte += dansWindows1252(lettre) ? lettre : lettreWindows1252(point);
    }
    return adapte.simplified();
}

bool enCapitales(QStringView mot)
{
    int lettres = 0;
    for (QChar c : mot) {
        if (c.isLower())
            return false;
        lettres += c.isUpper();
    }
    return lettres >= LettresMinimumCapitales;
}

// First name and surname of a cell that holds both: the words in capitals are the
// surname wherever they stand; otherwise the order decides, a compound first name being
// one word ("Jean-Luc").
EleveImporte separer(const QString& complet, OrdreNoms ordre)
{
    const QStringList mots = complet.split(u' ', Qt::SkipEmptyParts);
    if (mots.size() <= 1)
        return {complet, {}, 0};
    QStringList capitales;
    QStringList autres;
    for (const QString& mot : mots)
        (enCapitales(mot) ? capitales : autres).append(mot);
    if (!capitales.isEmpty() && !autres.isEmpty())
        return {autres.join(u' '), capitales.join(u' '), 0};
    if (ordre == OrdreNoms::NomPuisPrenom)
        return {mots.last(), mots.first(mots.size() - 1).join(u' '), 0};
    return {mots.first(), mots.sliced(1).join(u' '), 0};
}

QString champ(const EnregistrementCsv& e, int indice)
{
    return indice >= 0 && indice < e.champs.size() ? e.champs[indice] : QString();
}

struct Colonnes {
    std::array<int, static_cast<int>(Colonne::Nombre)> indices;
    int nbChamps = 0;
    std::optional<OrdreNoms> ordreComplet;

    Colonnes() { indices.fill(-1); }
    int operator[](Colonne c) const { return indices[static_cast<int>(c)]; }
    int& operator[](Colonne c) { return indices[static_cast<int>(c)]; }
    bool nomsSepares() const { return (*this)[Colonne::Prenom] >= 0; }
    // The level stands for the class where the file names none.
    int classe() const { return (*this)[Colonne::Classe] >= 0 ? (*this)[Colonne::Classe] : (*this)[Colonne::Niveau]; }
    // The last column a line must hold for its pupil to be read.
    int dernierChampUtile() const
    {
        return std::max({(*this)[Colonne::Nom], (*this)[Colonne::NomUsage], (*this)[Colonne::Prenom],
                         (*this)[Colonne::NomComplet], classe()});
    }
};

// The columns a row of titles names; nothing when no cell of it is a known title.
std::optional<Colonnes> colonnesDesTitres(const EnregistrementCsv& premier)
{
    Colonnes colonnes;
    colonnes.nbChamps = static_cast<int>(premier.champs.size());
    bool titres = false;
    for (int i = 0; i < premier.champs.size(); ++i) {
        const auto trouve = titresConnus().constFind(cleTitre(premier.champs[i]));
        if (trouve == titresConnus().cend() || colonnes[trouve->colonne] >= 0)
            continue;
        titres = true;
        colonnes[trouve->colonne] = i;
        if (trouve->colonne == Colonne::NomComplet)
            colonnes.ordreComplet = trouve->ordre;
    }
    if (!titres)
        return std::nullopt;
    // A lone "Nom" column holds the whole name.
    if (!colonnes.nomsSepares() && colonnes[Colonne::NomComplet] < 0 && colonnes[Colonne::Nom] >= 0) {
        colonnes[Colonne::NomComplet] = colonnes[Colonne::Nom];
        colonnes[Colonne::Nom] = -1;
    }
    if (colonnes.nomsSepares())
        colonnes[Colonne::NomComplet] = -1;
    return colonnes;
}

// The row of titles among the first lines (a file may open with a title of its own),
// with its index.
std::optional<std::pair<qsizetype, Colonnes>> chercherTitres(const QList<EnregistrementCsv>& enregistrements)
{
    for (qsizetype i = 0; i < std::min<qsizetype>(enregistrements.size(), LignesAvantTitres); ++i)
        if (std::optional<Colonnes> colonnes = colonnesDesTitres(enregistrements[i]))
            return std::make_pair(i, *colonnes);
    return std::nullopt;
}

// The number of fields most lines have.
int nbChampsHabituel(const QList<EnregistrementCsv>& enregistrements)
{
    QHash<int, int> frequences;
    for (const EnregistrementCsv& e : enregistrements)
        ++frequences[static_cast<int>(e.champs.size())];
    int habituel = 1;
    for (auto it = frequences.cbegin(); it != frequences.cend(); ++it)
        if (it.value() > frequences.value(habituel) || (it.value() == frequences.value(habituel) && it.key() < habituel))
            habituel = it.key();
    return habituel;
}

// Which name comes first in a file that does not say, by where its names in capitals
// stand; a first guess when none is.
OrdreNoms devinerOrdre(const QList<EnregistrementCsv>& enregistrements, const Colonnes& colonnes, OrdreNoms sinon)
{
    int nomDevant = 0;
    int nomDerriere = 0;
    for (const EnregistrementCsv& e : enregistrements) {
        QString premier;
        QString dernier;
        if (colonnes[Colonne::NomComplet] >= 0) {
            const QStringList mots = champ(e, colonnes[Colonne::NomComplet]).split(u' ', Qt::SkipEmptyParts);
            premier = mots.value(0);
            dernier = mots.size() > 1 ? mots.last() : QString();
        } else {
            premier = champ(e, colonnes[Colonne::Nom]).trimmed();
            dernier = champ(e, colonnes[Colonne::Prenom]).trimmed();
        }
        nomDevant += enCapitales(premier) && !enCapitales(dernier);
        nomDerriere += enCapitales(dernier) && !enCapitales(premier);
    }
    if (nomDevant == nomDerriere)
        return sinon;
    return nomDevant > nomDerriere ? OrdreNoms::NomPuisPrenom : OrdreNoms::PrenomPuisNom;
}

QString nombreColonnes(int n)
{
    return compter(n, QStringLiteral("colonne"), QStringLiteral("colonnes"));
}

QString texteCourt(const QString& texte)
{
    return texte.size() > LongueurMaxNomImporte ? texte.left(LongueurMaxNomImporte) + QStringLiteral("…") : texte;
}

// A class name that makes a file name on every system and shows in the lists.
QString nomDeClasseImportee(const QString& brut, QString* remarque)
{
    static const QString interdits = QStringLiteral("/\\:*?\"<>|");
    QString nom = nettoyer(brut);
    for (QChar& c : nom)
        if (interdits.contains(c))
            c = u'-';
    while (nom.startsWith(u'.') || nom.startsWith(u' '))
        nom.remove(0, 1);
    nom = nom.left(LongueurMaxClasseImportee).trimmed();
    if (nom != nettoyer(brut) && !nom.isEmpty())
        *remarque = QStringLiteral("La classe « %1 » s'appellera « %2 » (nom de fichier possible).")
                        .arg(texteCourt(nettoyer(brut)), nom);
    return nom;
}

QString messageTropDeClasses()
{
    return QStringLiteral("Le fichier nomme plus de %1 classes : ce n'est sans doute pas une liste d'élèves.")
        .arg(NbMaxClasses);
}

// The reading of the file's records into classes, line by line.
class Lecteur {
public:
    Lecteur(LectureImport& lecture, const Colonnes& colonnes)
        : l_(lecture)
        , colonnes_(colonnes)
    {
    }

    bool lire(const EnregistrementCsv& e)
    {
        if (e.guillemetOuvert)
            remarquer(e.ligne, QStringLiteral("un guillemet « \" » n'est jamais fermé : la ligne est lue telle quelle."));
        if (!champsAttendus(e))
            return true;
        const std::optional<QString> classe = classeDe(e);
        if (!classe)
            return true;
        std::optional<EleveImporte> eleve = eleveDe(e);
        if (!eleve)
            return true;
        return ajouter(*classe, *eleve);
    }

    void remarquer(int ligne, const QString& texte)
    {
        if (l_.remarques.size() < NbMaxRemarques)
            l_.remarques.append({ligne, texte});
        else
            ++nonNommees_;
    }

    void conclure()
    {
        if (nonNommees_ > 0)
            l_.remarques.append({0, QStringLiteral("Et %1 autres remarques.").arg(nonNommees_)});
        std::stable_sort(l_.classes.begin(), l_.classes.end(), [](const ClasseImportee& a, const ClasseImportee& b) {
            return OrdreAlphabetique().compare(a.nom, b.nom) < 0;
        });
    }

private:
    LectureImport& l_;
    const Colonnes& colonnes_;
    QHash<QString, qsizetype> classes_;            // by the class's name without case
    QList<QHash<QString, int>> elevesParClasse_;   // per class: the line of each pupil
    int nonNommees_ = 0;

    // A line of more fields than the titles has a separator too many, and its names may
    // stand in the wrong columns; one of fewer is taken when it holds the names.
    bool champsAttendus(const EnregistrementCsv& e)
    {
        const int n = static_cast<int>(e.champs.size());
        const bool enTrop = n > colonnes_.nbChamps
            && std::any_of(e.champs.begin() + colonnes_.nbChamps, e.champs.end(),
                           [](const QString& c) { return !c.trimmed().isEmpty(); });
        if (!enTrop && n > colonnes_.dernierChampUtile())
            return true;
        remarquer(e.ligne, QStringLiteral("%1 au lieu de %2 : ligne non importée.")
                               .arg(nombreColonnes(n))
                               .arg(colonnes_.nbChamps));
        return false;
    }

    std::optional<QString> classeDe(const EnregistrementCsv& e)
    {
        if (!l_.colonneClasse)
            return QString();
        QString remarque;
        const QString classe = nomDeClasseImportee(champ(e, colonnes_.classe()), &remarque);
        if (classe.isEmpty()) {
            remarquer(e.ligne, QStringLiteral("pas de classe : élève non importé."));
            return std::nullopt;
        }
        if (!remarque.isEmpty() && !classes_.contains(classe.toCaseFolded()))
            remarquer(e.ligne, remarque);
        return classe;
    }

    // A name that a class list can hold, with what was changed said at its line.
    QString nomRetenu(const QString& brut, int ligne)
    {
        const QString nom = nettoyer(brut);
        const QString adapte = enWindows1252(nom);
        const QString inattendus = caracteresInattendus(nom);
        if (!inattendus.isEmpty())
            remarquer(ligne, QStringLiteral("« %1 » contient « %2 », qu'un nom ne contient pas : le fichier est-il bien "
                                            "codé ? Vérifiez ce nom.")
                                 .arg(texteCourt(nom), inattendus));
        else if (adapte != nom && !adapte.isEmpty())
            remarquer(ligne, QStringLiteral("« %1 » s'écrira « %2 » : une liste d'élèves n'a pas toutes les lettres.")
                                 .arg(texteCourt(nom), adapte));
        else if (adapte != nom)
            remarquer(ligne, QStringLiteral("« %1 » n'a aucune lettre qu'une liste d'élèves puisse écrire.")
                                 .arg(texteCourt(nom)));
        return adapte;
    }

    std::optional<EleveImporte> eleveDe(const EnregistrementCsv& e)
    {
        EleveImporte eleve;
        if (colonnes_.nomsSepares()) {
            eleve.prenom = champ(e, colonnes_[Colonne::Prenom]);
            const QString usage = champ(e, colonnes_[Colonne::NomUsage]);
            eleve.nom = nettoyer(usage).isEmpty() ? champ(e, colonnes_[Colonne::Nom]) : usage;
        } else {
            eleve = separer(nettoyer(champ(e, colonnes_[Colonne::NomComplet])), l_.ordre);
        }
        eleve.ligne = e.ligne;
        const bool vide = nettoyer(eleve.prenom).isEmpty();
        eleve.prenom = nomRetenu(eleve.prenom, e.ligne);
        eleve.nom = nomRetenu(eleve.nom, e.ligne);
        if (eleve.prenom.isEmpty()) {
            if (vide)
                remarquer(e.ligne, QStringLiteral("pas de prénom : élève non importé."));
            return std::nullopt;
        }
        return eleve;
    }

    bool ajouter(const QString& classe, const EleveImporte& eleve)
    {
        const QString cleClasse = classe.toCaseFolded();
        auto trouvee = classes_.constFind(cleClasse);
        if (trouvee == classes_.cend()) {
            if (classes_.size() == NbMaxClasses) {
                l_.erreur = messageTropDeClasses();
                return false;
            }
            trouvee = classes_.insert(cleClasse, l_.classes.size());
            l_.classes.append({classe, {}});
            elevesParClasse_.append(QHash<QString, int>());
        }
        QHash<QString, int>& lignes = elevesParClasse_[*trouvee];
        const QString cle = eleve.prenom.toCaseFolded() + u'\n' + eleve.nom.toCaseFolded();
        if (const int deja = lignes.value(cle); deja > 0) {
            remarquer(eleve.ligne, QStringLiteral("%1, déjà à la ligne %2, n'est compté qu'une fois.")
                                       .arg(QStringList{eleve.prenom, eleve.nom}.join(u' ').trimmed())
                                       .arg(deja));
            return true;
        }
        lignes.insert(cle, eleve.ligne);
        l_.classes[*trouvee].eleves.append(eleve);
        ++l_.nbEleves;
        return true;
    }
};

// Bytes a spreadsheet keeps in its own format, or no text at all.
QString refusDuFormat(const QByteArray& octets, const QString& nomFichier)
{
    const bool classeur = octets.startsWith("PK\x03\x04") || octets.startsWith("\xD0\xCF\x11\xE0")
        || octets.left(1024).toLower().contains("<html") || octets.left(1024).toLower().contains("<table");
    if (classeur)
        return QStringLiteral("« %1 » est un classeur de tableur, qu'Orvane ne lit pas : ouvrez-le dans votre tableur "
                              "et enregistrez d'abord en CSV (« Enregistrer sous », type « CSV »), puis importez le "
                              "fichier CSV.")
            .arg(nomFichier);
    const bool utf16 = octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF");
    qsizetype controles = 0;
    for (const char c : octets) {
        const auto o = static_cast<uchar>(c);
        controles += (o < 0x20 && o != '\t' && o != '\n' && o != '\r' && o != '\f') || o == 0x7F;
    }
    if (!utf16 && (octets.contains('\0') || controles * 100 > octets.size()))
        return QStringLiteral("« %1 » n'est pas une liste de noms : choisissez un fichier CSV ou texte.").arg(nomFichier);
    return {};
}

QString messageTaille(const QString& nomFichier, qint64 taille)
{
    return QStringLiteral("« %1 » fait %2 Mo : une liste d'élèves tient en bien moins (%3 Mo au plus). Est-ce le "
                          "bon fichier ?")
        .arg(nomFichier)
        .arg(std::max<qint64>(1, taille / (1024 * 1024)))
        .arg(TailleMaxImport / (1024 * 1024));
}

QString initiale(const QString& nom)
{
    for (QChar c : nom)
        if (c.isLetter()) {
            // "µ" has its capital in Greek only.
            const QChar capitale = c.toUpper();
            return (octetWindows1252(capitale.unicode()) >= 0 ? capitale : c) + QStringLiteral(".");
        }
    return nom;
}

// The pupils of a class as the list will show them, alphabetically.
QStringList nomsAffiches(const QList<EleveImporte>& eleves, PresentationNoms presentation, QList<Remarque>& remarques)
{
    QList<QString> noms;
    noms.reserve(eleves.size());
    if (presentation == PresentationNoms::PrenomEtNom) {
        for (const EleveImporte& e : eleves)
            noms.append(e.nom.isEmpty() ? e.prenom : e.prenom + u' ' + e.nom);
    } else {
        QHash<QString, int> parPrenom;
        for (const EleveImporte& e : eleves)
            ++parPrenom[e.prenom.toCaseFolded()];
        for (const EleveImporte& e : eleves)
            noms.append(parPrenom.value(e.prenom.toCaseFolded()) > 1 && !e.nom.isEmpty()
                            ? e.prenom + u' ' + initiale(e.nom)
                            : e.prenom);
        // Where initials are alike too, the whole surname tells the pupils apart.
        QHash<QString, int> parNom;
        for (const QString& nom : noms)
            ++parNom[nom.toCaseFolded()];
        for (qsizetype i = 0; i < noms.size(); ++i)
            if (parNom.value(noms[i].toCaseFolded()) > 1 && !eleves[i].nom.isEmpty())
                noms[i] = eleves[i].prenom + u' ' + eleves[i].nom;
    }
    QStringList affiches;
    QSet<QString> vus;
    for (qsizetype i = 0; i < noms.size(); ++i) {
        QString nom = noms[i];
        if (nom.size() > LongueurMaxNomImporte) {
            nom = nom.left(LongueurMaxNomImporte).trimmed();
            remarques.append({eleves[i].ligne, QStringLiteral("nom trop long pour une liste, raccourci en « %1 ».").arg(nom)});
        }
        if (vus.contains(nom.toCaseFolded())) {
            remarques.append({eleves[i].ligne, QStringLiteral("« %1 » est déjà dans la classe : gardé une fois.").arg(nom)});
            continue;
        }
        vus.insert(nom.toCaseFolded());
        affiches.append(nom);
    }
    std::stable_sort(affiches.begin(), affiches.end(),
                     [](const QString& a, const QString& b) { return OrdreAlphabetique().compare(a, b) < 0; });
    return affiches;
}

QString refusDeTaille(const ClasseApercu& c)
{
    if (c.importes.size() > NbMaxEleves)
        return QStringLiteral("La classe « %1 » compte %2 élèves dans le fichier ; une liste d'élèves en garde au plus "
                              "%3 : elle ne sera pas importée. Partagez-la en plusieurs classes dans le fichier.")
            .arg(c.nom)
            .arg(c.importes.size())
            .arg(NbMaxEleves);
    if (c.eleves.size() > NbMaxEleves)
        return QStringLiteral("Avec les %1 élèves qu'elle a déjà, la classe « %2 » en compterait %3 ; une liste "
                              "d'élèves en garde au plus %4 : elle ne sera pas importée. Choisissez « Remplacer », ou "
                              "partagez la classe.")
            .arg(c.nbExistants)
            .arg(c.nom)
            .arg(c.eleves.size())
            .arg(NbMaxEleves);
    return {};
}

// One class written under its lock; the French cause when it is not.
QString ecrireClasse(const ClasseApercu& classe, ModeExistantes mode, const QString& dossierProgramme, qsizetype* nombre)
{
    const QString chemin = QFileInfo(fichierSansCasse(dossierProgramme, classe.nom + ExtensionClasse)).absoluteFilePath();
    const QString fichier = QFileInfo(chemin).fileName();
    const Verrou verrou(chemin);
    if (verrou.refuse())
        return verrou.message();
    LectureClasse avant;
    if (QFileInfo::exists(chemin)) {
        avant = LireClasse(chemin);
        if (!avant.erreur.isEmpty())
            return messageErreurFichier(fichier, avant.erreur);
        if (!avant.complete && mode == ModeExistantes::Ajouter)
            return QStringLiteral("La classe « %1 » compte déjà plus de %2 élèves : elle n'a pas été changée.")
                .arg(classe.nom)
                .arg(NbMaxEleves);
    }
    const QStringList liste = ListeApresImport(avant.noms, classe.importes, mode);
    if (liste.size() > NbMaxEleves)
        return QStringLiteral("La classe « %1 » compterait %2 élèves : elle n'a pas été changée.").arg(classe.nom).arg(liste.size());
    QString erreur;
    const QList<QByteArray> enregistrements = mode == ModeExistantes::Ajouter ? avant.enregistrements : QList<QByteArray>();
    if (!EcrireClasse(chemin, liste, enregistrements, &erreur))
        return messageErreurFichier(fichier, erreur);
    *nombre = liste.size();
    return {};
}
} // namespace

LectureImport LireFichierImport(const QString& chemin, OrdreNoms ordre)
{
    const QFileInfo info(chemin);
    LectureImport lecture;
    if (!info.isFile()) {
        lecture.erreur = QStringLiteral("« %1 » n'est pas un fichier.").arg(info.fileName());
        return lecture;
    }
    if (info.size() > TailleMaxImport) {
        lecture.erreur = messageTaille(info.fileName(), info.size());
        return lecture;
    }
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        lecture.erreur = messageErreurFichier(info.fileName(), f.errorString());
        return lecture;
    }
    const QByteArray octets = f.read(TailleMaxImport + 1);
    if (octets.size() > TailleMaxImport) {
        lecture.erreur = messageTaille(info.fileName(), octets.size());
        return lecture;
    }
    return LireImport(octets, info.fileName(), ordre);
}

namespace {
// Where the names and the classes are: from the line of titles when the file has one
// (the lines above it are named and left out), otherwise from the number of fields. Says
// in the reading's error why the names cannot be found.
std::optional<Colonnes> colonnesDesNoms(QList<EnregistrementCsv>& enregistrements, LectureImport& lecture,
                                        const QString& nomFichier)
{
    if (const auto titres = chercherTitres(enregistrements)) {
        for (qsizetype i = 0; i < titres->first; ++i)
            lecture.remarques.append({enregistrements[i].ligne, QStringLiteral("avant la ligne de titres : non lue.")});
        enregistrements.remove(0, titres->first + 1);
        lecture.entete = true;
        const Colonnes& colonnes = titres->second;
        if (enregistrements.isEmpty()) {
            lecture.erreur = QStringLiteral("Le fichier « %1 » n'a qu'une ligne de titres : il ne nomme aucun élève.")
                                 .arg(nomFichier);
            return std::nullopt;
        }
        if (!colonnes.nomsSepares() && colonnes[Colonne::NomComplet] < 0) {
            lecture.erreur = QStringLiteral("La ligne de titres du fichier ne nomme ni « Prénom » ni « Nom » : Orvane "
                                            "ne sait pas où sont les noms des élèves.");
            return std::nullopt;
        }
        return colonnes;
    }
    Colonnes colonnes;
    colonnes.nbChamps = nbChampsHabituel(enregistrements);
    if (colonnes.nbChamps > 2) {
        lecture.erreur = QStringLiteral("Le fichier a %1 colonnes et pas de ligne de titres : Orvane ne sait pas où "
                                        "sont les noms. Ajoutez en première ligne les titres des colonnes, par "
                                        "exemple « Nom;Prénom;Classe ».")
                             .arg(colonnes.nbChamps);
        return std::nullopt;
    }
    // Without titles, two columns are the surname and the first name, as most lists
    // have them; one column is a first name, then maybe a surname.
    colonnes[colonnes.nbChamps == 2 ? Colonne::Nom : Colonne::NomComplet] = 0;
    if (colonnes.nbChamps == 2)
        colonnes[Colonne::Prenom] = 1;
    return colonnes;
}
} // namespace

LectureImport LireImport(const QByteArray& octets, const QString& nomFichier, OrdreNoms ordre)
{
    LectureImport lecture;
    QString remarqueClasse; // said when the classes are written, under the name then chosen
    lecture.classeProposee = nomDeClasseImportee(QFileInfo(nomFichier).completeBaseName(), &remarqueClasse);
    if (octets.trimmed().isEmpty()) {
        lecture.erreur = QStringLiteral("Le fichier « %1 » est vide.").arg(nomFichier);
        return lecture;
    }
    lecture.erreur = refusDuFormat(octets, nomFichier);
    if (!lecture.erreur.isEmpty())
        return lecture;
    const TexteDecode texte = DecoderTexte(octets);
    lecture.codage = texte.codage;
    QList<EnregistrementCsv> enregistrements = LireCsv(texte.texte, DevinerSeparateur(texte.texte));
    if (enregistrements.isEmpty()) {
        lecture.erreur = QStringLiteral("Le fichier « %1 » est vide.").arg(nomFichier);
        return lecture;
    }
    std::optional<Colonnes> colonnes = colonnesDesNoms(enregistrements, lecture, nomFichier);
    if (!colonnes)
        return lecture;
    lecture.colonneClasse = colonnes->classe() >= 0;
    lecture.ordreModifiable = !colonnes->ordreComplet && !(lecture.entete && colonnes->nomsSepares());
    const OrdreNoms parDefaut = colonnes->nbChamps == 2 && !lecture.entete ? OrdreNoms::NomPuisPrenom : OrdreNoms::PrenomPuisNom;
    lecture.ordre = colonnes->ordreComplet.value_or(ordre != OrdreNoms::Devine ? ordre
                                                                              : devinerOrdre(enregistrements, *colonnes, parDefaut));
    if (!lecture.entete && colonnes->nbChamps == 2 && lecture.ordre == OrdreNoms::PrenomPuisNom)
        std::swap((*colonnes)[Colonne::Nom], (*colonnes)[Colonne::Prenom]);
    Lecteur lecteur(lecture, *colonnes);
    for (const EnregistrementCsv& e : enregistrements)
        if (!lecteur.lire(e)) {
            lecture.classes.clear();
            lecture.nbEleves = 0;
            return lecture;
        }
    lecteur.conclure();
    return lecture;
}

bool ApercuImport::existantes() const
{
    return std::any_of(classes.begin(), classes.end(), [](const ClasseApercu& c) { return c.existe; });
}

int ApercuImport::nbEcrites() const
{
    return static_cast<int>(std::count_if(classes.begin(), classes.end(), [](const ClasseApercu& c) { return c.refus.isEmpty(); }));
}

ClassesExistantes ClassesDuDossierProgramme(const QString& dossierProgramme)
{
    return [dossierProgramme](const QString& classe) -> std::optional<QStringList> {
        const QString chemin = fichierSansCasse(dossierProgramme, classe + ExtensionClasse);
        if (!QFileInfo(chemin).isFile())
            return std::nullopt;
        return LireClasse(chemin).noms;
    };
}

ApercuImport ConstruireApercu(const LectureImport& lecture, PresentationNoms presentation, ModeExistantes mode,
                              const QString& classeUnique, const ClassesExistantes& existantes)
{
    ApercuImport apercu;
    QList<Remarque> remarques = lecture.remarques;
    QList<Remarque> remarquesClasses;
    for (const ClasseImportee& classe : lecture.classes) {
        ClasseApercu c;
        QString remarqueNom;
        c.nom = classe.nom.isEmpty() ? nomDeClasseImportee(classeUnique, &remarqueNom) : classe.nom;
        if (!remarqueNom.isEmpty())
            remarquesClasses.append({0, remarqueNom});
        c.importes = nomsAffiches(classe.eleves, presentation, remarques);
        const std::optional<QStringList> deja = c.nom.isEmpty() ? std::nullopt : existantes(c.nom);
        c.existe = deja.has_value();
        c.nbExistants = deja ? static_cast<int>(deja->size()) : 0;
        c.eleves = ListeApresImport(deja.value_or(QStringList()), c.importes, mode);
        c.nbNouveaux = mode == ModeExistantes::Remplacer ? static_cast<int>(c.importes.size())
                                                         : static_cast<int>(c.eleves.size()) - c.nbExistants;
        c.refus = c.nom.isEmpty() ? QStringLiteral("Donnez un nom à la classe.") : refusDeTaille(c);
        if (!c.refus.isEmpty())
            remarquesClasses.append({0, c.refus});
        apercu.classes.append(c);
    }
    std::stable_sort(remarques.begin(), remarques.end(), [](const Remarque& a, const Remarque& b) {
        return a.ligne < b.ligne;
    });
    apercu.remarques = remarquesClasses + remarques;
    return apercu;
}

QStringList ListeApresImport(const QStringList& existants, const QStringList& importes, ModeExistantes mode)
{
    if (mode == ModeExistantes::Remplacer)
        return importes;
    QStringList liste = existants;
    QSet<QString> connus;
    for (const QString& nom : existants)
        connus.insert(nom.toCaseFolded());
    for (const QString& nom : importes)
        if (!connus.contains(nom.toCaseFolded())) {
            connus.insert(nom.toCaseFolded());
            liste.append(nom);
        }
    return liste;
}

ResultatImport EcrireImport(const ApercuImport& apercu, ModeExistantes mode, const QString& dossierProgramme)
{
    ResultatImport resultat;
    for (const ClasseApercu& classe : apercu.classes) {
        if (!classe.refus.isEmpty())
            continue;
        qsizetype nombre = 0;
        const QString echec = ecrireClasse(classe, mode, dossierProgramme, &nombre);
        if (echec.isEmpty())
            resultat.ecrites.append(QStringLiteral("%1 (%2)").arg(classe.nom, compter(nombre, QStringLiteral("élève"), QStringLiteral("élèves"))));
        else
            resultat.echecs.append(echec);
    }
    return resultat;
}

QByteArray ContenuExportClasse(const QString& classe, const QStringList& noms)
{
    QString texte = LigneCsv({QStringLiteral("Classe"), QStringLiteral("Élève")});
    for (const QString& nom : noms)
        texte += LigneCsv({classe, nom});
    return DocumentCsv(texte);
}
