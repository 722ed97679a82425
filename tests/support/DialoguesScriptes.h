#pragma once

#include "Dialogues.h"

#include <QList>
#include <QQueue>

#include <functional>

// Test double for every dialog: records each call and answers as scripted.
// Unscripted messages answer OK, or Non for questions; unscripted file dialogs and text
// boxes are cancelled. Installs itself for its lifetime.
class DialoguesScriptes : public Dialogues {
public:
    struct Message {
        GenreMessage genre;
        QString texte;
        BoutonsMessage boutons;
    };

    DialoguesScriptes();
    ~DialoguesScriptes() override;

    Reponse message(GenreMessage genre, const QString& texte, BoutonsMessage boutons) override;
    QString ouvrirFichier(const DemandeFichier& demande) override;
    QString enregistrerFichier(const DemandeFichier& demande) override;
    void afficherAide(const QString& adresse) override;
    std::optional<QString> demanderTexte(const DemandeTexte& demande) override;

    QList<Message> messages;
    QStringList textes() const; // the texts of the messages, in order
    QList<DemandeFichier> ouvertures;
    QList<DemandeFichier> enregistrements;
    QStringList aides;
    QList<DemandeTexte> demandesTexte;

    QQueue<Reponse> reponses;          // answers to the next messages
    std::function<void()> pendantMessage; // run while a message is shown, when set
    QQueue<QString> fichiersOuverts;   // answers to the next open dialogs ("" cancels)
    QQueue<QString> fichiersEnregistres; // answers to the next save dialogs ("" cancels)
    QQueue<std::optional<QString>> textesTapes; // answers to the next text boxes (none cancels)
};
