#pragma once

// A fresh editor window over a temporary program folder, with scripted dialogs, and the
// gestures the tests repeat.

#include "ChoixExercice.h"
#include "DialoguesScriptes.h"
#include "DossierTemporaire.h"
#include "Contexte.h"
#include "Quadrillage.h"
#include "TF_Dessin.h"
#include "TForm1.h"

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>

// Readable texts in failure messages.
inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

// Stands for the exercise chooser: hands back what the test says instead of showing a
// window.
class ChoixFactice : public ChoisirExercice {
public:
    std::function<ExerciceChoisi()> choix;
    int ouvertures = 0;
    bool depuisEditeur = false;
    QString dossier;
    ExerciceChoisi choisir(const QString& dossierExercices, bool depuis) override
    {
        ++ouvertures;
        dossier = dossierExercices;
        depuisEditeur = depuis;
        return choix ? choix() : ExerciceChoisi();
    }
};

class EditeurTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dossier.chemin()).mkdir(QStringLiteral("exos"));
        contexte.dossierExercices.fixerDossier(dossier.fichier(QStringLiteral("exos")) + QLatin1Char('/'));
    }

    // Opens the editor of an exercise type as the main menu does.
    TF_Dessin& ouvrir(int numero)
    {
        contexte.numeroExercice = quint8(numero);
        fenetre = std::make_unique<TF_Dessin>(contexte);
        fenetre->connaitreChoix(&choix);
        fenetre->connaitreImagesReserve(&images);
        fenetre->FormActivate();
        return *fenetre;
    }

    // A drag between two grid crossings (cells).
    void tracer(QPoint de, QPoint a)
    {
        const int c = fenetre->grille().TailleCase;
        fenetre->Image1MouseDown(de * c);
        fenetre->Image1MouseMove(a * c);
        fenetre->Image1MouseUp(a * c);
    }

    template <typename T>
    T* controle(const char* nom) const
    {
        T* w = fenetre->findChild<T*>(QLatin1String(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }

    void cliquer(const char* nom) { controle<QAbstractButton>(nom)->click(); }

    void choisirDans(const char* liste, const QString& texte)
    {
        auto* l = controle<QListWidget>(liste);
        const auto items = l->findItems(texte, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << liste << " " << qPrintable(texte);
        l->setCurrentItem(items.first());
        emit l->itemClicked(items.first());
    }

    QString dossierSerie(int numero) const
    {
        return dossier.fichier(QStringLiteral("exos/Nos exercices ") + QString::number(numero));
    }

    DossierTemporaire dossier;
    DialoguesScriptes dialogues;
    Contexte contexte{dossier.chemin()};
    ChoixFactice choix;
    TForm1 images{contexte};
    std::unique_ptr<TF_Dessin> fenetre;
};
