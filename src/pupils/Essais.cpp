#include "Essais.h"

#include "Bilans.h"
#include "Dossiers.h"
#include "Enregistrements.h"
#include "Tableur.h"
#include "Verrou.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {
const QString Juste = QStringLiteral("Juste");
const QString Faux = QStringLiteral("Faux");
const QStringList EnTete = {QStringLiteral("Date"),  QStringLiteral("Heure"),    QStringLiteral("Type"),
                            QStringLiteral("Série"), QStringLiteral("Exercice"), QStringLiteral("Verdict")};
constexpr qsizetype NbChamps = 6;
// Far above any line the program writes (a series and a file name of 255 letters each).
constexpr qsizetype LongueurMaxLigne = 4096;
constexpr QByteArrayView MarqueOrdre("\xEF\xBB\xBF");

// A name holding a line end would cut its line in two: the line end is written as a space,
// and read as one, wherever it stands.
QString surUneLigne(QString texte)
{
    return texte.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// ChampCsv puts an apostrophe before a name a spreadsheet would run as a formula. A name
// that starts with an apostrophe of its own gets one more, so that the first apostrophe
// of a field, before one of these, is always the one to take away.
constexpr QByteArrayView ApresApostrophe("=+-@\t\r'");

QString champ(const QString& nom)
{
    const QString texte = surUneLigne(nom);
    return ChampCsv(texte.startsWith(QLatin1Char('\'')) ? QLatin1Char('\'') + texte : texte);
}

// A name is read as it was written, a byte order mark at its start included (fromUtf8
// would drop it, and a name starting with two would lose one at each rewriting).
QString nomDuChamp(const QByteArray& champ)
{
    const bool protege = champ.size() > 1 && champ[0] == '\'' && ApresApostrophe.contains(champ[1]);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return surUneLigne(utf8.decode(protege ? champ.sliced(1) : champ));
}

// The fields of a line as ChampCsv writes them: a quoted field has its quotes doubled.
// False for a quote that does not close where a field ends.
bool decouper(QByteArrayView ligne, std::array<QByteArray, NbChamps>& champs, qsizetype& nombre)
{
    nombre = 0;
    qsizetype i = 0;
    for (;;) {
        if (nombre == NbChamps)
            return false;
        QByteArray& champ = champs[std::size_t(nombre++)];
        champ.clear();
        if (i < ligne.size() && ligne[i] == '"') {
            for (++i;; ++i) {
                if (i >= ligne.size())
                    return false;
                if (ligne[i] != '"') {
                    champ += ligne[i];
                } else if (i + 1 < ligne.size() && ligne[i + 1] == '"') {
                    champ += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
            if (i < ligne.size() && ligne[i] != ';')
                return false;
        } else {
            const qsizetype fin = ligne.indexOf(';', i);
            champ = ligne.sliced(i, (fin < 0 ? ligne.size() : fin) - i).toByteArray();
            i = fin < 0 ? ligne.size() : fin;
        }
        if (i >= ligne.size())
            return true;
        ++i; // the separator
    }
}

// A number of exactly that many digits.
std::optional<int> chiffres(QByteArrayView texte, qsizetype debut, qsizetype longueur)
{
    int n = 0;
    for (qsizetype i = debut; i < debut + longueur; ++i) {
        if (i >= texte.size() || texte[i] < '0' || texte[i] > '9')
            return std::nullopt;
        n = n * 10 + (texte[i] - '0');
    }
    return n;
}

QDate lireJour(QByteArrayView t)
{
    const auto a = chiffres(t, 0, 4);
    const auto m = chiffres(t, 5, 2);
    const auto j = chiffres(t, 8, 2);
    if (t.size() != 10 || t[4] != '-' || t[7] != '-' || !a || !m || !j)
        return {};
    return QDate(*a, *m, *j);
}

QTime lireHeure(QByteArrayView t)
{
    const auto h = chiffres(t, 0, 2);
    const auto m = chiffres(t, 3, 2);
    const auto s = chiffres(t, 6, 2);
    if (t.size() != 8 || t[2] != ':' || t[5] != ':' || !h || !m || !s)
        return {};
    return QTime(*h, *m, *s);
}

std::optional<Essai> lireLigne(QByteArrayView ligne)
{
    std::array<QByteArray, NbChamps> champs;
    qsizetype nombre = 0;
    if (ligne.size() > LongueurMaxLigne || !decouper(ligne, champs, nombre) || nombre != NbChamps)
        return std::nullopt;
    Essai essai;
    essai.jour = lireJour(champs[0]);
    essai.heure = lireHeure(champs[1]);
    const QByteArray& type = champs[2];
    essai.type = type.size() == 1 && type[0] >= '2' && type[0] <= '5' ? type[0] - '0' : 0;
    essai.serie = nomDuChamp(champs[3]);
    essai.exercice = nomDuChamp(champs[4]);
    const bool juste = champs[5] == "Juste";
    essai.juste = juste;
    if (!essai.jour.isValid() || !essai.heure.isValid() || essai.type == 0 || essai.exercice.isEmpty()
        || (!juste && champs[5] != "Faux"))
        return std::nullopt;
    // Without a series, the exercise is one the program made, of the type said.
    if (essai.serie.isEmpty()) {
        const std::optional<CodeExercice> code = essai.code();
        if (!code || code->Type != essai.type)
            return std::nullopt;
    }
    return essai;
}

bool estEnTete(QByteArrayView ligne)
{
    static const QByteArray enTete = LigneCsv(EnTete).toUtf8().chopped(2);
    return ligne == enTete;
}
} // namespace

QString Essai::nom() const
{
    return serie.isEmpty() ? exercice : serie + QLatin1Char('\\') + exercice;
}

std::optional<CodeExercice> Essai::code() const
{
    return serie.isEmpty() ? LireCode(exercice).Code : std::nullopt;
}

bool Essai::memeExercice(const Essai& autre) const
{
    return type == autre.type && exercice == autre.exercice && serie == autre.serie;
}

namespace {

// The results file's name between "Bilan " and its extension.
QString EssaisDuNomDeBilan(const QString& nomBilan)
{
    static const qsizetype debut = QStringLiteral("Bilan ").size();
    constexpr qsizetype extension = 4;
    return QStringLiteral("Essais ") + nomBilan.mid(debut).chopped(extension) + QStringLiteral(".csv");
}

} // namespace

QString NomFichierEssais(const QString& eleve, const QString& classe)
{
    return EssaisDuNomDeBilan(NomFichierBilan(eleve, classe));
}

QString CheminEssaisDuBilan(const QString& dossier, const QString& nomBilan)
{
    return fichierSansCasse(dossier, EssaisDuNomDeBilan(nomBilan));
}

QString CheminEssais(const QString& dossier, const QString& eleve, const QString& classe)
{
    return fichierSansCasse(dossier, NomFichierEssais(eleve, classe));
}

QByteArray DebutFichierEssais()
{
    return MarqueOrdre.toByteArray() + LigneCsv(EnTete).toUtf8();
}

QByteArray LigneEssai(const Essai& essai)
{
    // Date, time, type and verdict need no quotes.
    const QStringList champs = {essai.jour.toString(Qt::ISODate), essai.heure.toString(QStringLiteral("HH:mm:ss")),
                                QString::number(essai.type), champ(essai.serie), champ(essai.exercice),
                                essai.juste ? Juste : Faux};
    return (champs.join(QLatin1Char(';')) + QStringLiteral("\r\n")).toUtf8();
}

LectureEssais LireEssais(QByteArrayView octets)
{
    LectureEssais lecture;
    qsizetype debut = 0;
    for (qsizetype fin = octets.indexOf('\n'); fin >= 0; fin = octets.indexOf('\n', debut)) {
        QByteArrayView ligne = octets.sliced(debut, fin - debut);
        debut = fin + 1;
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        if (ligne.startsWith(MarqueOrdre))
            ligne = ligne.sliced(MarqueOrdre.size());
        if (ligne.isEmpty() || estEnTete(ligne))
            continue;
        if (std::optional<Essai> essai = lireLigne(ligne))
            lecture.essais.append(std::move(*essai));
        else
            ++lecture.illisibles;
    }
    lecture.lus = debut;
    return lecture;
}

std::optional<SuiteEssais> LireSuiteEssais(const QString& chemin, qint64 depuis, QString* erreur)
{
    const std::optional<EtatFichier> etat = etatFichier(chemin);
    if (!etat && !QFileInfo(chemin).isSymLink() && !QFileInfo::exists(chemin))
        return std::nullopt;
    const qint64 debut = std::max(depuis, (etat ? etat->taille : 0) - FinEssaisLue);
    std::optional<MorceauFichier> morceau = lireMorceau(chemin, debut, FinEssaisLue, erreur);
    if (!morceau)
        return std::nullopt;
    SuiteEssais suite;
    suite.etat = morceau->etat;
    suite.passe = debut > depuis;
    // Read from inside a line: it starts after the first line end.
    const qsizetype coupure = suite.passe ? morceau->octets.indexOf('\n') + 1 : 0;
    if (suite.passe && coupure == 0) {
        suite.lecture.lus = debut;
        return suite;
    }
    suite.lecture = LireEssais(QByteArrayView(morceau->octets).sliced(coupure));
    suite.lecture.lus += debut + coupure;
    return suite;
}

QString AjouterEssai(const QString& dossier, const QString& eleve, const QString& classe, const Essai& essai)
{
    if (!EleveEnregistre(eleve))
        return {};
    if (dossier.isEmpty())
        return QStringLiteral("Le dossier des bilans choisi dans les préférences est introuvable.");
    const QString chemin = CheminEssais(dossier, eleve, classe);
    const Verrou verrou(chemin);
    if (verrou.refuse())
        return verrou.message();
    QString erreur;
    if (!ajouterAuFichier(chemin, LigneEssai(essai), DebutFichierEssais(), &erreur))
        return messageErreurFichier(QFileInfo(chemin).fileName(), erreur);
    return {};
}
