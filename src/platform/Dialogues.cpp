#include "Dialogues.h"
#include "DialoguesQt.h"

namespace {
// The one mutable global of the dialogs: every message, file dialog and help request of
// the program goes through one service, which tests (and the launcher's warning) replace
// by a scripted one. Windows do not carry it, as nothing else about them changes.
Dialogues* remplacant_ = nullptr;

DialoguesQt& dialoguesReels()
{
    static DialoguesQt reels;
    return reels;
}
} // namespace

Dialogues& dialogues()
{
    if (remplacant_)
        return *remplacant_;
    return dialoguesReels();
}

void installerDialogues(Dialogues* remplacant)
{
    remplacant_ = remplacant;
}

std::optional<QString> Dialogues::demanderTexte(const DemandeTexte&)
{
    return std::nullopt;
}

QString titreMessage(GenreMessage genre)
{
    switch (genre) {
    case GenreMessage::Avertissement: return QStringLiteral("Avertissement");
    case GenreMessage::Information: return QStringLiteral("Information");
    case GenreMessage::Confirmation: return QStringLiteral("Confirmation");
    }
    return {};
}

void avertir(const QString& texte)
{
    dialogues().message(GenreMessage::Avertissement, texte, BoutonsMessage::Ok);
}

void informer(const QString& texte)
{
    dialogues().message(GenreMessage::Information, texte, BoutonsMessage::Ok);
}

Reponse confirmer(const QString& texte, BoutonsMessage boutons)
{
    return dialogues().message(GenreMessage::Confirmation, texte, boutons);
}

QString compter(qsizetype nombre, const QString& singulier, const QString& pluriel)
{
    return QString::number(nombre) + QLatin1Char(' ') + (nombre > 1 ? pluriel : singulier);
}
