#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The short code of an exercise made by the program, such as "4-3-8271": the exercise
// type (2 to 5), the level in that type's table, and the number the figure is drawn from.
// The same code gives the same exercise on every computer.
struct CodeExercice
{
    static constexpr quint32 GraineMax = 99999; // five digits: short enough to read out

    int Type = 2;
    int Niveau = 1;
    quint32 Graine = 0;

    friend bool operator==(const CodeExercice&, const CodeExercice&) = default;
};

// "type-niveau-graine", digits only.
QString TexteCode(const CodeExercice& code);

// A code typed by hand: spaces around the parts and dashes of any length are accepted.
// Erreur says in French why a text is not a code (empty, not three numbers, no such type,
// no such level for the type, number too large).
struct CodeLu
{
    std::optional<CodeExercice> Code;
    QString Erreur;
};
CodeLu LireCode(const QString& texte);
