#include "Demarrage.h"

#include "Operations.h"
#include "Preferences.h"
#include "TF_Dessin.h"
#include "TF_Edit3.h"
#include "TF_Fiches.h"
#include "TForm1.h"
#include "TF_Jeu1H.h"
#include "TF_Jeu_Lignes_Autour.h"
#include "TF_Listes.h"
#include "TF_Menu.h"
#include "TF_ModifCh1.h"
#include "TF_PubN.h"
#include "TF_choix_exo.h"
#include "TF_efface_bilans.h"
#include "TF_nom_eleve.h"
#include "TF_SerieHasard.h"
#include "TF_ParcoursClasse.h"
#include "TF_SuiviClasse.h"
#include "TF_preferences.h"

#include <QApplication>
#include <QDir>

Programme::~Programme()
{
    // The menu goes last, as it opens the others; the context outlives them all.
    delete fenetres.parcoursClasse;
    delete fenetres.serieHasard;
    delete fenetres.suiviClasse;
    delete fenetres.fiches;
    delete fenetres.nomEleve;
    delete fenetres.listes;
    delete fenetres.effaceBilans;
    delete fenetres.pubN;
    delete fenetres.edit3;
    delete fenetres.jeu1;
    delete fenetres.jeuLignes;
    delete fenetres.choixExo;
    delete fenetres.dessin;
    delete fenetres.modifChoix;
    delete fenetres.imagesReserve;
    delete fenetres.preferences;
}

std::unique_ptr<Programme> CreerProgramme(const QStringList& arguments)
{
    // The name serves the platform (settings, session, window class) only: a display name
    // would be appended by the platform to every window and message box title.
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    auto programme = std::make_unique<Programme>(QDir::toNativeSeparators(QDir::currentPath()));
    Contexte& contexte = programme->contexte;
    contexte.voix = &programme->voix;
    contexte.sons = &programme->sons;
    // Known before the main menu is first shown, which the other preferences wait for.
    ChargerFichierTableau(contexte);
    contexte.tableauDemande = arguments.contains(QStringLiteral("--tableau"));
    Fenetres& f = programme->fenetres;
    programme->menu = std::make_unique<TF_Menu>(contexte);
    f.preferences = new TF_preferences(contexte);
    auto* imagesReserve = new TForm1(contexte);
    f.imagesReserve = imagesReserve;
    auto* modifChoix = new TF_ModifCh1(contexte);
    f.modifChoix = modifChoix;
    auto* dessin = new TF_Dessin(contexte);
    f.dessin = dessin;
    auto* choix = new TF_choix_exo(contexte);
    f.choixExo = choix;
    dessin->connaitreChoix(choix);
    dessin->connaitreImagesReserve(imagesReserve);
    auto* jeuLignes = new TF_Jeu_Lignes_Autour(contexte);
    jeuLignes->connaitreChoix(choix);
    f.jeuLignes = jeuLignes;
    f.jeu1 = new TF_Jeu1H(contexte, modifChoix);
    f.edit3 = new TF_Edit3;
    f.pubN = new TF_PubN(contexte);
    f.effaceBilans = new TF_efface_bilans(contexte);
    f.listes = new TF_Listes(contexte);
    f.nomEleve = new TF_nom_eleve(contexte);
    auto* fiches = new TF_Fiches(contexte);
    f.fiches = fiches;
    dessin->connaitreFiches(fiches);
    f.suiviClasse = new TF_SuiviClasse(contexte);
    f.serieHasard = new TF_SerieHasard(contexte);
    f.parcoursClasse = new TF_ParcoursClasse(contexte);
    programme->menu->connaitre(f);
    return programme;
}
