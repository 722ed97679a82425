#pragma once

#include "Figure.h"
#include "Quadrillage.h"

#include <QImage>
#include <QWidget>

// Never shown: holds the off-screen picture on which an exercise is drawn again at 50
// pixels per cell, to be printed from a bitmap file.
struct Contexte;
class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int PixelsParCase = 50;
    // Room for the largest grid the editor offers (36 cells) and its frame.
    static constexpr int CoteImage = 1810;

    explicit TForm1(const Contexte& contexte, QWidget* parent = nullptr);

    // The exercise at 50 pixels per cell, cut to its grid and frame (at most the whole
    // off-screen picture). Without elements the picture is plain white.
    QImage ImageExercice(const Quadrillage& grille, const Figure& figure, int numeroExercice);

    // Asks where to save the picture as a BMP file, in "Exercices à imprimer" under the
    // exercises folder, and writes it; true when a file was written.
    bool exporterExercice(const Quadrillage& grille, const Figure& figure,
                          const QString& nomPropose);

private:
    const Contexte& contexte_;
    QImage Image1;
};
