#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTextToSpeech;
class QTimer;

// What the program reads aloud for pupils who cannot read yet.
class Voix {
public:
    virtual ~Voix() = default;
    virtual void dire(const QString& phrase) = 0;
};

// Sentences said one after the other. A speech engine cuts off what it is saying when it
// is handed a new sentence, so "Faux" and the sentence that explains it would leave only
// the second: each sentence waits until the engine has finished the one before. A
// sentence already waiting is not queued twice.
class FileDePhrases {
public:
    explicit FileDePhrases(std::function<void(const QString&)> prononcer);
    void ajouter(const QString& phrase);
    // The engine has finished the sentence it was given, or given up on it.
    void phraseFinie();
    bool occupee() const { return enCours_; }

private:
    std::function<void(const QString&)> prononcer_;
    QStringList enAttente_;
    bool enCours_ = false;
};

// The system's French voice (speech-dispatcher through Qt), started at the first sentence.
// Without an engine or a French voice nothing is said, and the program shows everything
// as it does without the option.
class VoixSysteme : public Voix {
public:
    VoixSysteme();
    ~VoixSysteme() override;
    void dire(const QString& phrase) override;
    // Whether a French voice could be found (starts the engine).
    bool disponible();

private:
    std::unique_ptr<QTextToSpeech> moteur_;
    std::unique_ptr<QTimer> garde_; // an engine that never says it has finished holds no sentence back
    FileDePhrases file_;
    bool essaye_ = false;
};
