// A school's shared folder as pupils may leave it and as several teachers use it: links,
// pipes and devices planted where the program reads and writes, another teacher's changes
// made meanwhile, the share mounted elsewhere, the group's permissions.

#include "Bilans.h"
#include "Classes.h"
#include "Contexte.h"
#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "Enregistrements.h"
#include "FichierExercice.h"
#include "Preferences.h"
#include "SauvegardeExercice.h"
#include "TF_Listes.h"
#include "TF_preferences.h"
#include "Verrou.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Eleve = QStringLiteral("Zoé");
const QString Classe = QStringLiteral("CM1");

class DossierCommun : public ::testing::Test {
protected:
    DossierTemporaire programme;
    DialoguesScriptes dialogues;
    Contexte contexte{programme.chemin()};
    QString bilans = programme.fichier(QStringLiteral("bilans"));
    QString exercices = programme.fichier(QStringLiteral("exercices"));
    // A teacher's own document, out of the share, that a planted link points to.
    DossierTemporaire maison;
    QString document = maison.fichier(QStringLiteral("document.odt"));

    DossierCommun()
    {
        QDir().mkdir(bilans);
        QDir().mkdir(exercices);
        contexte.dossierBilans.fixerDossier(bilans + QLatin1Char('/'));
        contexte.dossierExercices.fixerDossier(exercices + QLatin1Char('/'));
        QDir::setCurrent(programme.chemin());
        ecrire(document, "le document de l'enseignant");
    }

    static void ecrire(const QString& chemin, const QByteArray& octets)
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << chemin.toStdString();
        f.write(octets);
    }

    static QByteArray lire(const QString& chemin) { return lireFichier(chemin).value_or(QByteArray("<absent>")); }

    QString fichierBilan() const { return QDir(bilans).filePath(NomFichierBilan(Eleve, Classe)); }
    QString fichierExercice() const { return QDir(exercices).filePath(QStringLiteral("Ex01.ex2")); }

    // The program's four writers of shared files, each with the file it writes.
    struct Ecrivain {
        const char* nom;
        QString fichier;
        std::function<void()> ecrire;
    };
    std::vector<Ecrivain> ecrivains()
    {
        return {
            {"préférences", programme.fichier(FichierReglages), [this] { EcrireFichiersPreferences(contexte); }},
            {"liste d'élèves", programme.fichier(QStringLiteral("CM1.elv")),
             [this] {
                 TF_Listes fenetre(contexte);
                 fenetre.bouton_nouveauClick();
                 fenetre.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(Classe);
                 fenetre.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("Léa"));
                 fenetre.ajouterEleve();
                 fenetre.bouton_enregistrerClick();
             }},
            {"bilan", fichierBilan(), [this] { EnregistrerReussite(bilans, Eleve, Classe, QStringLiteral("Série 1\\Ex01")); }},
            {"exercice", fichierExercice(),
             [this] {
                 Quadrillage grille;
                 Figure figure;
                 figure.Ajouter(ElementDepuisPixels(GenreTrait, 20, 20, 20, 100, 0, grille.TailleCase));
                 NomsExercice noms{exercices, {}, {}};
                 dialogues.fichiersEnregistres.enqueue(fichierExercice());
                 EnregistrerExercice245(2, grille, figure, noms);
             }},
        };
    }
};

// Runs a read that must not wait on a planted pipe; a reader caught in it is let go.
template <typename Lecture>
bool litSansAttendre(const QString& tube, Lecture lecture)
{
    auto resultat = std::async(std::launch::async, lecture);
    if (resultat.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
        return true;
    const int fd = ::open(QFile::encodeName(tube).constData(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0)
        ::close(fd);
    resultat.wait();
    return false;
}

} // namespace

// A link planted in place of a shared file, to a teacher's document or to a pipe, or a
// folder where the file should be: the write is refused and said, the document and the
// plant are left as they are, and the message waits for its click with the lock let go
// (another computer is never kept out by a message left open).
TEST_F(DossierCommun, UnLienOuUnTubePlanteNEstJamaisEcritATravers)
{
    QStringList verrousPendantMessages;
    dialogues.pendantMessage = [&] {
        for (const QString& dossier : {programme.chemin(), bilans, exercices})
            for (const QString& nom : QDir(dossier).entryList({QStringLiteral("*.verrou")}, QDir::Files | QDir::Hidden))
                verrousPendantMessages.append(nom);
    };
    for (const Ecrivain& e : ecrivains()) {
        for (const QByteArray plante : {"lien", "tube", "dossier"}) {
            SCOPED_TRACE(std::string(e.nom) + ", " + plante.constData());
            dialogues.messages.clear();
            if (plante == "lien")
                ASSERT_TRUE(QFile::link(document, e.fichier));
            else if (plante == "tube")
                ASSERT_EQ(::mkfifo(QFile::encodeName(e.fichier).constData(), 0666), 0);
            else
                ASSERT_TRUE(QDir().mkdir(e.fichier));
            e.ecrire();
            EXPECT_EQ(lire(document), QByteArray("le document de l'enseignant"));
            const QFileInfo apres(e.fichier);
            EXPECT_TRUE(apres.isSymLink() || !apres.isFile()) << "the plant was replaced";
            ASSERT_FALSE(dialogues.messages.isEmpty());
            EXPECT_TRUE(dialogues.textes().join(QLatin1Char(' ')).contains(apres.fileName()))
                << dialogues.textes().join(QLatin1Char('|')).toStdString();
            QFile::remove(e.fichier);
            QDir().rmdir(e.fichier);
        }
    }
    EXPECT_EQ(verrousPendantMessages, QStringList{});
}

// A link to /dev/zero, a pipe or a huge file where a shared file is read: each reader
// answers at once, and says which file it refused.
TEST_F(DossierCommun, UnFichierPlanteALaLectureEstDitSansAttendre)
{
    struct Lecteur {
        const char* nom;
        QString fichier;
        std::function<QString()> lire; // the message or error that names the refusal
    };
    const std::vector<Lecteur> lecteurs = {
        {"bilan", fichierBilan(),
         [&] {
             LireBilan(fichierBilan());
             return dialogues.textes().join(QLatin1Char(' '));
         }},
        {"liste d'élèves", programme.fichier(QStringLiteral("CM1.elv")),
         [&] {
             TF_Listes fenetre(contexte);
             dialogues.fichiersOuverts.enqueue(programme.fichier(QStringLiteral("CM1.elv")));
             fenetre.bouton_ouvrirClick();
             return dialogues.textes().join(QLatin1Char(' '));
         }},
        {"préférences", programme.fichier(FichierReglages),
         [&] {
             ChargerFichierReglages(contexte);
             return dialogues.textes().join(QLatin1Char(' '));
         }},
        {"exercice", fichierExercice(), [&] { return LireExercice(fichierExercice()).Erreur; }},
    };
    for (const Lecteur& l : lecteurs) {
        for (const char* plante : {"/dev/zero", "tube", "17 Mo"}) {
            SCOPED_TRACE(std::string(l.nom) + ", " + plante);
            dialogues.messages.clear();
            const QByteArray p(plante);
            if (p == "/dev/zero")
                ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), l.fichier));
            else if (p == "tube")
                ASSERT_EQ(::mkfifo(QFile::encodeName(l.fichier).constData(), 0666), 0);
            else {
                ecrire(l.fichier, "x");
                ASSERT_EQ(::truncate(QFile::encodeName(l.fichier).constData(), 17 * 1024 * 1024), 0);
            }
            QString message;
            EXPECT_TRUE(litSansAttendre(l.fichier, [&] { message = l.lire(); }));
            EXPECT_TRUE(message.contains(QFileInfo(l.fichier).fileName())) << message.toStdString();
            QFile::remove(l.fichier);
        }
    }
}

// In a shared folder that its group may write, whatever the program makes there is the
// group's to change as well, whatever the umask.
TEST_F(DossierCommun, CeQueLeProgrammeCreeEstModifiableParLeGroupe)
{
    const mode_t masque = ::umask(022);
    for (const QString& dossier : {programme.chemin(), bilans, exercices})
        ASSERT_EQ(::chmod(QFile::encodeName(dossier).constData(), 02775), 0);
    for (const Ecrivain& e : ecrivains()) {
        e.ecrire();
        EXPECT_TRUE(QFileInfo(e.fichier).permissions() & QFileDevice::WriteGroup) << e.nom;
    }
    {
        const Verrou verrou(fichierBilan());
        EXPECT_TRUE(QFileInfo(Verrou::cheminVerrou(fichierBilan())).permissions() & QFileDevice::WriteGroup);
    }
    const QString serie = SousDossierExercices(exercices, QStringLiteral("Nos exercices 2"));
    struct stat etat {};
    ASSERT_EQ(::stat(QFile::encodeName(serie).constData(), &etat), 0);
    EXPECT_EQ(etat.st_mode & 02070, 02070u) << std::oct << etat.st_mode;
    ::umask(masque);
    EXPECT_TRUE(dialogues.messages.isEmpty()) << dialogues.textes().join(QLatin1Char('|')).toStdString();
}

// Two teachers change the preferences at once: the second is asked before the first one's
// changes are written over, and keeps them or not as answered. "Valeurs par défaut"
// deletes nothing while another computer holds the files.
TEST_F(DossierCommun, LesPreferencesDUnAutreOrdinateurNeSontPasEcraseesSansQuestion)
{
    for (const Reponse reponse : {Reponse::Non, Reponse::Oui}) {
        SCOPED_TRACE(reponse == Reponse::Oui ? "oui" : "non");
        for (const QString& fichier : FichiersPreferences)
            QFile::remove(programme.fichier(fichier));
        Contexte autreContexte(programme.chemin());
        TF_preferences premier(contexte);
        TF_preferences second(autreContexte);
        premier.ChargerPreferences();
        second.ChargerPreferences();
        premier.findChild<QAbstractButton*>(QStringLiteral("NbCasesJeu1_0"))->click();
        premier.findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))->click();
        second.findChild<QAbstractButton*>(QStringLiteral("NbCasesJeu1_3"))->click();
        dialogues.messages.clear();
        dialogues.reponses.enqueue(reponse);
        second.findChild<QAbstractButton*>(QStringLiteral("SpeedButton1"))->click();
        ASSERT_EQ(dialogues.messages.size(), 1);
        EXPECT_TRUE(dialogues.messages[0].texte.startsWith(QStringLiteral("Les préférences ont été changées sur un autre ordinateur")));
        EXPECT_EQ(lire(programme.fichier(FichierReglages)).at(0), reponse == Reponse::Oui ? 4 : 1);
        EXPECT_EQ(autreContexte.reglages.TailleJeu1, reponse == Reponse::Oui ? 4 : 1) << "the window shows what is kept";
    }

    dialogues.messages.clear();
    Verrou::fixerAttenteMs(100);
    const QByteArray avant = lire(programme.fichier(FichierReglages));
    ecrire(Verrou::cheminVerrou(programme.fichier(FichierReglages)),
           "Verrou Orvane\nordinateur=poste-cm2\njeton=00\nprocessus=1\ndemarrage=b\n");
    TF_preferences fenetre(contexte);
    fenetre.ChargerPreferences();
    fenetre.findChild<QAbstractButton*>(QStringLiteral("Par_defaut"))->click();
    Verrou::fixerAttenteMs(5000);
    EXPECT_EQ(lire(programme.fichier(FichierReglages)), avant);
    EXPECT_EQ(dialogues.textes(), QStringList{QStringLiteral("Le fichier « Orvane.pfr » est occupé par l'ordinateur "
                                                             "« poste-cm2 » : il n'a pas été modifié.")});
}

// A class list saved by another teacher while this one had it open is not lost without a
// question.
TEST_F(DossierCommun, UneClasseChangeeAilleursDepuisSonOuvertureNEstPasPerdueSansQuestion)
{
    const QString chemin = programme.fichier(QStringLiteral("CM1.elv"));
    for (const Reponse reponse : {Reponse::Non, Reponse::Oui}) {
        SCOPED_TRACE(reponse == Reponse::Oui ? "oui" : "non");
        ASSERT_TRUE(EcrireClasse(chemin, {QStringLiteral("Paul")}));
        TF_Listes fenetre(contexte);
        dialogues.fichiersOuverts.enqueue(chemin);
        fenetre.bouton_ouvrirClick();
        auto* eleve = fenetre.findChild<QLineEdit*>(QStringLiteral("Edit2"));
        eleve->setText(QStringLiteral("Léa"));
        fenetre.ajouterEleve();
        ASSERT_TRUE(EcrireClasse(chemin, {QStringLiteral("Marc"), QStringLiteral("Paul")})); // the other teacher
        const QByteArray autre = lire(chemin);
        dialogues.messages.clear();
        dialogues.reponses.enqueue(reponse);
        EXPECT_EQ(fenetre.bouton_enregistrerClick(), reponse == Reponse::Oui);
        ASSERT_EQ(dialogues.messages.size(), 1);
        EXPECT_TRUE(dialogues.messages[0].texte.startsWith(
            QStringLiteral("La classe « CM1 » a été changée sur un autre ordinateur")));
        if (reponse == Reponse::Oui)
            EXPECT_EQ(LireClasse(chemin).noms, (QStringList{QStringLiteral("Léa"), QStringLiteral("Paul")}));
        else
            EXPECT_EQ(lire(chemin), autre);
    }
}

// In a shared folder, a folder inside it is stored relative to it, so that a computer
// that mounts the share elsewhere finds the same folders; a folder stored in full by an
// earlier version is still read; a folder elsewhere, or any folder of a private copy,
// stays in full.
TEST_F(DossierCommun, UnDossierDuPartageEstGardeRelatifEtRetrouveAilleurs)
{
    const auto texteDossier = [&](const QString& fichier) {
        return lireTexteCourt(lire(programme.fichier(fichier)), 0, EnregistrementDossier::CapaciteDossier);
    };
    EcrireFichiersPreferences(contexte);
    EXPECT_EQ(texteDossier(FichierDossierBilans), bilans + QLatin1Char('/')) << "a private copy keeps full paths";

    ecrire(programme.fichier(FichierRepereCommun), "repère");
    contexte.dossierExercices.fixerDossier(programme.chemin() + QLatin1Char('/'));
    EcrireFichiersPreferences(contexte);
    EXPECT_EQ(texteDossier(FichierDossierBilans), QStringLiteral("bilans/"));
    EXPECT_EQ(texteDossier(FichierDossierExercices), QStringLiteral("./"));
    EXPECT_EQ(lire(programme.fichier(FichierDossierBilans)).size(), EnregistrementDossier::Taille);

    // The same share mounted elsewhere on another computer.
    DossierTemporaire ailleurs;
    for (const QString& fichier : {FichierDossierBilans, FichierDossierExercices, FichierRepereCommun})
        QFile::copy(programme.fichier(fichier), ailleurs.fichier(fichier));
    Contexte autre(ailleurs.chemin());
    ChargerFichierDossier(autre, FichierDossierBilans, autre.dossierBilans);
    ChargerFichierDossier(autre, FichierDossierExercices, autre.dossierExercices);
    EXPECT_EQ(autre.dossierBilans.dossier(), ailleurs.fichier(QStringLiteral("bilans/")));
    EXPECT_EQ(autre.dossierExercices.dossier(), ailleurs.chemin() + QLatin1Char('/'));

    contexte.dossierBilans.fixerDossier(QStringLiteral("/ecole/bilans/"));
    EcrireFichiersPreferences(contexte);
    EXPECT_EQ(texteDossier(FichierDossierBilans), QStringLiteral("/ecole/bilans/"));
    ChargerFichierDossier(contexte, FichierDossierBilans, autre.dossierBilans);
    EXPECT_EQ(autre.dossierBilans.dossier(), QStringLiteral("/ecole/bilans/"));

    // An exercises folder out of reach is not made again on this computer.
    EXPECT_FALSE(QFileInfo::exists(SousDossierExercices(QStringLiteral("/ecole/exos"), QStringLiteral("Nos exercices 2"))));
}
