#include "Demarrage.h"

#include "Operations.h"
#include "TF_Dessin.h"
#include "TF_Edit3.h"
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
#include "TF_preferences.h"

#include <QApplication>

Programme::~Programme()
{
    // The menu goes last: the other windows may still refer to the shared state it set.
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

std::unique_ptr<Programme> CreerProgramme()
{
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvane"));
    auto programme = std::make_unique<Programme>();
    Fenetres& f = programme->fenetres;
    programme->menu = std::make_unique<TF_Menu>();
    f.preferences = new TF_preferences;
    f.imagesReserve = new TForm1;
    f.modifChoix = new TF_ModifCh1;
    f.dessin = new TF_Dessin;
    f.choixExo = new TF_choix_exo;
    auto* dessin = static_cast<TF_Dessin*>(f.dessin);
    auto* choix = static_cast<TF_choix_exo*>(f.choixExo);
    dessin->connaitreChoix(choix);
    dessin->connaitreImagesReserve(static_cast<TForm1*>(f.imagesReserve));
    auto* jeuLignes = new TF_Jeu_Lignes_Autour;
    jeuLignes->connaitreChoix(choix);
    f.jeuLignes = jeuLignes;
    f.jeu1 = new TF_Jeu1H;
    f.edit3 = new TF_Edit3;
    f.pubN = new TF_PubN;
    f.effaceBilans = new TF_efface_bilans;
    f.listes = new TF_Listes;
    f.nomEleve = new TF_nom_eleve;
    programme->menu->connaitre(f);
    return programme;
}
