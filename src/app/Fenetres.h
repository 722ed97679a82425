#pragma once

class QDialog;
class FenetreNonModale;
class QWidget;
class TF_preferences;

// The windows the main menu opens. Every window is created once at start-up and kept
// for the whole run; the menu only shows them.
struct Fenetres {
    TF_preferences* preferences = nullptr;  // loaded at the menu's first showing
    QWidget* imagesReserve = nullptr;       // TForm1, never shown
    QDialog* modifChoix = nullptr;          // TF_ModifCh1
    FenetreNonModale* dessin = nullptr;     // TF_Dessin
    QDialog* choixExo = nullptr;            // TF_choix_exo
    FenetreNonModale* jeuLignes = nullptr;  // TF_Jeu_Lignes_Autour
    FenetreNonModale* jeu1 = nullptr;       // TF_Jeu1H
    QWidget* edit3 = nullptr;               // TF_Edit3, never shown
    QDialog* pubN = nullptr;                // TF_PubN
    QDialog* effaceBilans = nullptr;        // TF_efface_bilans
    QDialog* listes = nullptr;              // TF_Listes
    QDialog* nomEleve = nullptr;            // TF_nom_eleve
    QDialog* fiches = nullptr;              // TF_Fiches
    QDialog* serieHasard = nullptr;         // TF_SerieHasard
    QDialog* suiviClasse = nullptr;         // TF_SuiviClasse
    QDialog* parcoursClasse = nullptr;      // TF_ParcoursClasse
};
