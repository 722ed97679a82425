#pragma once

#include <QDir>
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

private:
    QString precedent_;
    QTemporaryDir dossier_;
};
