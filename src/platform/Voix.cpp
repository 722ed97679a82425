#include "Voix.h"

#include <QLocale>
#include <QTextToSpeech>

VoixSysteme::VoixSysteme() = default;
VoixSysteme::~VoixSysteme() = default;

bool VoixSysteme::disponible()
{
    if (!essaye_) {
        essaye_ = true;
        auto moteur = std::make_unique<QTextToSpeech>();
        if (moteur->state() == QTextToSpeech::Error)
            return false;
        for (const QLocale& langue : moteur->availableLocales()) {
            if (langue.language() == QLocale::French) {
                moteur->setLocale(langue);
                moteur_ = std::move(moteur);
                break;
            }
        }
    }
    return moteur_ != nullptr;
}

void VoixSysteme::dire(const QString& phrase)
{
    if (!phrase.isEmpty() && disponible())
        moteur_->say(phrase);
}
