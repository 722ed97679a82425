#include "CodeExercice.h"

#include "Niveaux.h"

#include <QStringList>

namespace {

const QString Exemple = QStringLiteral("4-3-8271");

// A part made of digits only, as a number; nothing for anything else. Numbers of more
// than nine digits are kept at a value above every limit rather than overflowing.
std::optional<qint64> Nombre(const QString& partie)
{
    if (partie.isEmpty())
        return std::nullopt;
    for (QChar c : partie)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    if (partie.size() > 9)
        return qint64(1000000000);
    return partie.toLongLong();
}

} // namespace

QString TexteCode(const CodeExercice& code)
{
    return QStringLiteral("%1-%2-%3").arg(code.Type).arg(code.Niveau).arg(code.Graine);
}

CodeLu LireCode(const QString& texte)
{
    QString propre = texte.trimmed();
    // A code copied from a printed sheet may come with typographic dashes.
    for (QChar tiret : {QChar(0x2010), QChar(0x2011), QChar(0x2012), QChar(0x2013), QChar(0x2014)})
        propre.replace(tiret, QLatin1Char('-'));
    if (propre.isEmpty())
        return {std::nullopt, QStringLiteral("Aucun code n'a été tapé : un code s'écrit "
                                             "type-niveau-numéro, par exemple %1.")
                                  .arg(Exemple)};
    const QStringList parties = propre.split(QLatin1Char('-'));
    std::optional<qint64> nombres[3];
    bool forme = parties.size() == 3;
    for (int i = 0; forme && i < 3; ++i) {
        nombres[i] = Nombre(parties[i].trimmed());
        forme = nombres[i].has_value();
    }
    if (!forme)
        return {std::nullopt, QStringLiteral("« %1 » n'est pas un code d'exercice : un code "
                                             "s'écrit type-niveau-numéro, par exemple %2.")
                                  .arg(propre, Exemple)};
    const qint64 type = *nombres[0];
    const qint64 niveau = *nombres[1];
    const qint64 graine = *nombres[2];
    if (type < PremierTypeHasard || type > DernierTypeHasard)
        return {std::nullopt, QStringLiteral("Le code « %1 » n'existe pas : le type d'exercice "
                                             "va de %2 à %3.")
                                  .arg(propre)
                                  .arg(PremierTypeHasard)
                                  .arg(DernierTypeHasard)};
    const int niveaux = NombreNiveaux(int(type));
    if (niveau < 1 || niveau > niveaux)
        return {std::nullopt, QStringLiteral("Le code « %1 » n'existe pas : les niveaux de "
                                             "l'exercice %2 vont de 1 à %3.")
                                  .arg(propre)
                                  .arg(type)
                                  .arg(niveaux)};
    if (graine > CodeExercice::GraineMax)
        return {std::nullopt, QStringLiteral("Le code « %1 » n'existe pas : son dernier nombre "
                                             "va de 0 à %2.")
                                  .arg(propre)
                                  .arg(CodeExercice::GraineMax)};
    return {CodeExercice{int(type), int(niveau), quint32(graine)}, QString()};
}
