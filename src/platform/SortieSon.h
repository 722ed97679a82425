#pragma once

#include <QByteArray>

// The system's sound output lives in a module of its own, loaded at the first sound: the
// sound libraries are many, and no start of the program waits for them to load.
class SortieSon {
public:
    virtual ~SortieSon() = default;
    // Signed 16-bit mono samples; a new sound cuts the one before, and nothing waits.
    virtual void jouer(const QByteArray& echantillons) = 0;
};

// What the module exports: the output for samples at that rate, or none when the machine
// has no output device that takes them.
using FabriqueSortieSon = SortieSon* (*)(int frequenceEchantillonnage);
inline constexpr char NomFabriqueSortieSon[] = "orvaneCreerSortieSon";
