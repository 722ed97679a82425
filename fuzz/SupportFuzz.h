#pragma once

// What every fuzz target shares: Qt started headless, a private program folder made
// current (the readers take file names relative to it), and message boxes that answer
// at once instead of waiting for a click.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Starts Qt and makes a fresh temporary folder; call once from LLVMFuzzerInitialize.
void PreparerFuzz();

// For the targets that hand the bytes straight to a reader: no application, no folder,
// only the message boxes answered at once, should a reader ever ask.
void PreparerFuzzMemoire();

// The temporary folder, with its separator.
QString DossierFuzz();

// Makes the temporary folder current for one input. libFuzzer resolves the corpus and
// artifact paths it was given against the folder it started in, so that one is current
// again afterwards.
class DansDossierFuzz {
public:
    DansDossierFuzz();
    ~DansDossierFuzz();
    DansDossierFuzz(const DansDossierFuzz&) = delete;
    DansDossierFuzz& operator=(const DansDossierFuzz&) = delete;
};

QByteArray OctetsFuzz(const uint8_t* donnees, std::size_t taille);

// Replaces the file with these bytes; aborts when it cannot, since the input would then
// not reach the reader at all. Relative names are taken in the temporary folder.
void PoserFichier(const QString& fichier, const QByteArray& octets);

// Ends the run with a report naming the broken promise, so libFuzzer keeps the input.
[[noreturn]] void Echec(const char* promesse);
