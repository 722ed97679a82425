#pragma once

#include "Dialogues.h"

#include <QPointer>

class FenetreAide;

// The dialogs a user sees: QMessageBox, QFileDialog and the in-program help viewer.
class DialoguesQt : public Dialogues {
public:
    ~DialoguesQt() override;
    Reponse message(GenreMessage genre, const QString& texte, BoutonsMessage boutons) override;
    QString ouvrirFichier(const DemandeFichier& demande) override;
    QString enregistrerFichier(const DemandeFichier& demande) override;
    void afficherAide(const QString& adresse) override;

private:
    QPointer<FenetreAide> aide_; // goes with the modal window it was last opened from
};
