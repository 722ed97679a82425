#include "SupportFuzz.h"

#include "Dialogues.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// Every box is answered "Non"/"Annuler" and counted nowhere: a reader that asks the user
// must still leave the program in a usable state.
class DialoguesMuets : public Dialogues {
public:
    Reponse message(GenreMessage, const QString&, BoutonsMessage boutons) override
    {
        return boutons == BoutonsMessage::Ok ? Reponse::Ok : Reponse::Non;
    }
    QString ouvrirFichier(const DemandeFichier&) override { return {}; }
    QString enregistrerFichier(const DemandeFichier&) override { return {}; }
    void afficherAide(const QString&) override {}
};

QTemporaryDir* dossier = nullptr;
QString dossierDepart;

} // namespace

void PreparerFuzzMemoire()
{
    static DialoguesMuets muets;
    installerDialogues(&muets);
}

void PreparerFuzz()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nom[] = "orvane_fuzz";
    static char* argv[] = {nom, nullptr};
    new QGuiApplication(argc, argv);
    PreparerFuzzMemoire();
    dossier = new QTemporaryDir;
    dossierDepart = QDir::currentPath();
    if (!dossier->isValid())
        Echec("a temporary folder can be made");
}

DansDossierFuzz::DansDossierFuzz()
{
    if (!QDir::setCurrent(dossier->path()))
        Echec("the temporary folder can be made current");
}

DansDossierFuzz::~DansDossierFuzz()
{
    QDir::setCurrent(dossierDepart);
}

QString DossierFuzz()
{
    return dossier->path() + QLatin1Char('/');
}

QByteArray OctetsFuzz(const uint8_t* donnees, std::size_t taille)
{
    return QByteArray(reinterpret_cast<const char*>(donnees), qsizetype(taille));
}

void PoserFichier(const QString& fichier, const QByteArray& octets)
{
    QFile f(QDir(dossier->path()).filePath(fichier));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(octets) != octets.size())
        Echec("the input file can be written");
}

void Echec(const char* promesse)
{
    std::fprintf(stderr, "Promise broken: %s\n", promesse);
    std::abort();
}
