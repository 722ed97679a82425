#pragma once

// Files a school has, made up here from the columns they are known to have: the export of
// the administration's database (";" between fields, CR LF, titles with stray spaces, a
// usual name for some pupils, dates, numbers, addresses and authorisations that must never
// be kept), and a spreadsheet's two-column list.

#include "Enregistrements.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct PupilleEcole {
    const char* nom;
    const char* nomUsage;
    const char* prenom;
    const char* classe;
};

// Three classes; "Œ", "ç", "é", "ë" and a usual name among them.
inline const PupilleEcole ElevesEcole[] = {
    {"MARTIN", "", "Léa", "CM1 A"},        {"DUPONT", "LEFÈVRE", "Noé", "CM1 A"},
    {"MOREAU", "", "Léa", "CM1 A"},        {"GARÇON", "", "François", "CM2"},
    {"N'DIAYE", "", "Aïssatou", "CM2"},   {"ŒUVRARD", "", "Chloé", "CE2"},
    {"BERNARD", "", "Maël", "CE2"},
};

inline QString texteExportEcole()
{
    QString texte = QStringLiteral(" Nom élève ;Nom d'usage élève;Prénom  élève;Prénom 2;Date naissance;Sexe;INE;"
                                   "Niveau; Libellé classe ;Adresse;Code postal;Commune;Autorisation photo\r\n");
    int n = 0;
    for (const PupilleEcole& e : ElevesEcole) {
        ++n;
        const QString classe = QString::fromUtf8(e.classe);
        texte += QStringLiteral("%1;%2;%3;;1%4/0%4/2015;F;12345678%4AB;%5;%6;\"%4 rue de l'École; bât. B\";75011;Paris;Oui\r\n")
                     .arg(QString::fromUtf8(e.nom), QString::fromUtf8(e.nomUsage), QString::fromUtf8(e.prenom))
                     .arg(n)
                     .arg(classe.left(3), classe);
    }
    return texte;
}

// The export as the administration writes it, in Windows-1252, or as a spreadsheet saves
// it again, in UTF-8 with its mark.
inline QByteArray exportEcole(bool utf8)
{
    return utf8 ? QByteArrayLiteral("\xEF\xBB\xBF") + texteExportEcole().toUtf8() : versWindows1252(texteExportEcole());
}

// A teacher's list: "Nom;Prénom" titles, one pupil a line, LF line ends, UTF-8.
inline QByteArray listeDeuxColonnes()
{
    return QStringLiteral("Nom;Prénom\nMartin;Léa\nGarçon;Zoé\nŒuvrard;Maël\n").toUtf8();
}
