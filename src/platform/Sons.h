#pragma once

#include <QByteArray>

#include <memory>

class QAudioSink;
class QBuffer;

// The two short sounds that mark a verdict.
enum class Son { Juste, Faux };

// What plays them when the teacher asks for it.
class Sons {
public:
    virtual ~Sons() = default;
    virtual void jouer(Son son) = 0;
};

// The program makes its own sounds: soft sine notes that rise and fall without a click,
// a rising chime of two notes for "Juste", one low note for "Faux". Samples are signed
// 16-bit, mono, in the machine's byte order.
constexpr int FrequenceEchantillonnage = 22050;
QByteArray EchantillonsSon(Son son);

// The system's sound output through Qt Multimedia, opened at the first sound. Without an
// output device nothing is played and nothing waits; a new sound cuts the one before.
class SonsSysteme : public Sons {
public:
    SonsSysteme();
    ~SonsSysteme() override;
    void jouer(Son son) override;

private:
    bool ouvrir();

    // The samples outlive the output that reads them.
    std::unique_ptr<QBuffer> lecture_;
    std::unique_ptr<QAudioSink> sortie_;
    bool essaye_ = false;
};
