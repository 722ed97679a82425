#include "Voix.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QTimer>

#include <algorithm>

FileDePhrases::FileDePhrases(std::function<void(const QString&)> prononcer)
    : prononcer_(std::move(prononcer))
{
}

void FileDePhrases::ajouter(const QString& phrase)
{
    if (phrase.isEmpty() || enAttente_.contains(phrase))
        return;
    enAttente_.append(phrase);
    if (!enCours_)
        phraseFinie();
}

void FileDePhrases::phraseFinie()
{
    enCours_ = !enAttente_.isEmpty();
    if (enCours_)
        prononcer_(enAttente_.takeFirst());
}

namespace {
// Far longer than any sentence of the program takes to be said.
int delaiMaxMs(const QString& phrase)
{
    return 3000 + 200 * int(std::min<qsizetype>(phrase.size(), 200));
}
} // namespace

VoixSysteme::VoixSysteme()
    : garde_(std::make_unique<QTimer>())
    , file_([this](const QString& phrase) {
        garde_->start(delaiMaxMs(phrase));
        moteur_->say(phrase);
    })
{
    garde_->setSingleShot(true);
    QObject::connect(garde_.get(), &QTimer::timeout, [this] { file_.phraseFinie(); });
}

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
        if (moteur_) {
            QObject::connect(moteur_.get(), &QTextToSpeech::stateChanged, [this](QTextToSpeech::State etat) {
                if (etat == QTextToSpeech::Ready || etat == QTextToSpeech::Error) {
                    garde_->stop();
                    file_.phraseFinie();
                }
            });
        }
    }
    return moteur_ != nullptr;
}

void VoixSysteme::dire(const QString& phrase)
{
    if (disponible())
        file_.ajouter(phrase);
}
