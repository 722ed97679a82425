#pragma once

#include <QString>

#include <memory>

class QTextToSpeech;

// What the program reads aloud for pupils who cannot read yet.
class Voix {
public:
    virtual ~Voix() = default;
    virtual void dire(const QString& phrase) = 0;
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
    bool essaye_ = false;
};
