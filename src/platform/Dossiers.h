#pragma once

#include <QList>
#include <QString>

// Folder enumeration, with attribute values as the program has always used them:
// directory 16, hidden 2 (a name starting with '.'). Both come from the listing itself,
// so a folder of thousands of exercises is listed without asking about each file.
namespace Attribut {
constexpr int Cache = 2;
constexpr int Repertoire = 16;
}

struct EntreeDossier {
    QString nom;     // name only, no folder
    int attributs = 0;
};

// The file of that name in the folder: the existing one whose name differs only by the
// case of its letters when there is no exact match (the earlier systems did not tell
// "Paul" from "paul"), or the exact name when there is neither.
QString fichierSansCasse(const QString& dossier, const QString& nom);

// Entries of a folder whose names match a mask such as "*.ex2" or "*.*" ("*.*" and "*"
// match every name), in alphabetical order without regard to case, without "." and "..".
// The mask's extension is compared without regard to case, as the file system of
// earlier versions did.
QList<EntreeDossier> listerDossier(const QString& dossier, const QString& masque);

// A file or folder just made, opened to the group of the folder that holds it when that
// folder is group-writable (a school's shared folder, which its administrator gives to a
// group): every account of the school may then change what another one made, whatever
// the umask. Elsewhere the umask decides, as for any file.
void ouvrirAuGroupe(const QString& chemin);
// Makes a folder and any missing one above it, each opened to the group as above. False
// when the folder is not there afterwards.
bool creerDossier(const QString& dossier);

// Native separator ('/' here) appended when the text does not already end with one.
QString avecSeparateur(const QString& dossier);
QChar separateur();
