#include "DialoguesScriptes.h"

DialoguesScriptes::DialoguesScriptes()
{
    installerDialogues(this);
}

DialoguesScriptes::~DialoguesScriptes()
{
    installerDialogues(nullptr);
}

Reponse DialoguesScriptes::message(GenreMessage genre, const QString& texte, BoutonsMessage boutons)
{
    messages.append({genre, texte, boutons});
    if (pendantMessage)
        pendantMessage();
    if (!reponses.isEmpty())
        return reponses.dequeue();
    return boutons == BoutonsMessage::Ok ? Reponse::Ok : Reponse::Non;
}

QString DialoguesScriptes::ouvrirFichier(const DemandeFichier& demande)
{
    ouvertures.append(demande);
    return fichiersOuverts.isEmpty() ? QString() : fichiersOuverts.dequeue();
}

QString DialoguesScriptes::enregistrerFichier(const DemandeFichier& demande)
{
    enregistrements.append(demande);
    return fichiersEnregistres.isEmpty() ? QString() : fichiersEnregistres.dequeue();
}

void DialoguesScriptes::afficherAide(const QString& adresse)
{
    aides.append(adresse);
}

std::optional<QString> DialoguesScriptes::demanderTexte(const DemandeTexte& demande)
{
    demandesTexte.append(demande);
    return textesTapes.isEmpty() ? std::nullopt : textesTapes.dequeue();
}

QStringList DialoguesScriptes::textes() const
{
    QStringList liste;
    for (const Message& m : messages)
        liste.append(m.texte);
    return liste;
}
