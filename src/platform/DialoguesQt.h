#pragma once

#include "Dialogues.h"

#include <QPointer>

class FenetreAide;
class QTranslator;

// The dialogs a user sees: QMessageBox, QFileDialog and the in-program help viewer.
class DialoguesQt : public Dialogues {
public:
    ~DialoguesQt() override;
    Reponse message(GenreMessage genre, const QString& texte, BoutonsMessage boutons) override;
    QString ouvrirFichier(const DemandeFichier& demande) override;
    QString enregistrerFichier(const DemandeFichier& demande) override;
    void afficherAide(const QString& adresse) override;
    std::optional<QString> demanderTexte(const DemandeTexte& demande) override;

private:
    QPointer<FenetreAide> aide_; // goes with the modal window it was last opened from
};

// Gives Qt's own dialogs (file dialogs, their buttons) their French texts, when Qt's
// translations are installed; the program's own texts do not go through them. Returns the
// translator the application now holds, or nullptr when there was none to load.
QTranslator* InstallerTraductionsQt();
