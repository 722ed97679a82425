#pragma once

#include <QByteArray>
#include <QLibrary>
#include <QString>

#include <memory>

class SortieSon;

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

// The sound output module's file, installed beside the running program.
QString ModuleSonDuProgramme();

// The system's sound output, through the module loaded at the first sound. Without the
// module or an output device nothing is played and nothing waits; a new sound cuts the
// one before.
class SonsSysteme : public Sons {
public:
    explicit SonsSysteme(const QString& fichierModule);
    ~SonsSysteme() override;
    void jouer(Son son) override;

private:
    bool ouvrir();

    QLibrary module_; // never unloaded: the output's code lives there
    std::unique_ptr<SortieSon> sortie_;
    bool essaye_ = false;
};
