#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A fresh temporary folder made current for the test's lifetime; the previous current
// folder is current again afterwards.
class DossierTemporaire {
public:
    DossierTemporaire()
        : precedent_(QDir::currentPath())
    {
        QDir::setCurrent(dossier_.path());
    }
    ~DossierTemporaire() { QDir::setCurrent(precedent_); }
    QString chemin() const { return dossier_.path(); }
    QString fichier(const QString& nom) const { return dossier_.filePath(nom); }

    // Writes a file of the current folder with exactly these bytes; false when it cannot.
    static bool ecrire(const QString& nom, const QByteArray& octets)
    {
        QFile f(nom);
        return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
    }

private:
    QString precedent_;
    QTemporaryDir dossier_;
};
