#include "MondeJeu.h"

#include "ChoixExercice.h"
#include "Controles.h"
#include "Contexte.h"
#include "Quadrillage.h"
#include "Symetrie.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QtEndian>

#include <gtest/gtest.h>

QByteArray ContenuFichier(int numero, Axe typeAxe, int nbCases, int tailleCase,
                          const QVector<MotsElement>& elements, int decalage)
{
    QVector<qint32> mots = { 200 + numero, Code(typeAxe), 1, tailleCase, nbCases, nbCases, decalage,
                             0, 0, 0, 0, 0, 0, 0, 0 };
    for (const MotsElement& e : elements)
        mots << Code(e.genre) << e.a << e.b << e.c << e.d << qint32(e.couleur);
    QByteArray octets;
    for (qint32 mot : mots) {
        char tampon[4];
        qToLittleEndian(mot, tampon);
        octets.append(tampon, 4);
    }
    return octets;
}

void EcrireDansExercices(const Contexte& contexte, const QString& relatif, const QByteArray& contenu)
{
    const QString chemin = QDir(contexte.dossierExercices.dossier()).filePath(relatif);
    QDir().mkpath(QFileInfo(chemin).path());
    ASSERT_TRUE(DossierTemporaire::ecrire(chemin, contenu));
}

namespace {
QListWidgetItem* trouverElement(QListWidget* liste, const QString& texte)
{
    const auto trouves = liste->findItems(texte, Qt::MatchExactly);
    return trouves.isEmpty() ? nullptr : trouves.first();
}
} // namespace

void AuProchainChoix(std::function<void(TF_choix_exo&)> geste)
{
    QTimer::singleShot(0, [geste = std::move(geste)] {
        auto* choix = qobject_cast<TF_choix_exo*>(QApplication::activeModalWidget());
        ASSERT_NE(choix, nullptr) << "the chooser is not shown";
        geste(*choix);
    });
}

void ChoisirAuProchainChoix(const QString& serie, const QString& exercice)
{
    AuProchainChoix([serie, exercice](TF_choix_exo& choix) {
        auto* series = choix.findChild<ListeEleves*>(QStringLiteral("ListBox1"));
        QListWidgetItem* elementSerie = serie.isEmpty() ? nullptr : trouverElement(series, serie);
        if (!elementSerie) {
            choix.Button2Click();
            return;
        }
        series->setCurrentItem(elementSerie);
        choix.ListBox1Click();
        for (const char* nom : { "ListBox2", "ListBox3", "ListBox4" }) {
            auto* liste = choix.findChild<ListeEleves*>(QString::fromLatin1(nom));
            if (QListWidgetItem* element = trouverElement(liste, exercice)) {
                liste->setCurrentItem(element);
                choix.ExerciceClick(liste);
                choix.Button1Click();
                return;
            }
        }
        choix.Button2Click();
    });
}

MondeJeu::MondeJeu(int numeroExercice)
    : numero_(numeroExercice)
{
    contexte_.dossierBilans.fixerDossier(dossier_.chemin() + QStringLiteral("/"));
    QDir().mkpath(dossier_.fichier(QStringLiteral("Exercices")));
    contexte_.dossierExercices.fixerDossier(dossier_.fichier(QStringLiteral("Exercices")) + QStringLiteral("/"));
    contexte_.geometrieReference = { 0, 0, 600, 800 };
    contexte_.numeroExercice = quint8(numeroExercice);
    choix_ = std::make_unique<TF_choix_exo>(contexte_);
    jeu_ = std::make_unique<TF_Jeu_Lignes_Autour>(contexte_);
    jeu_->connaitreChoix(choix_.get());
    jeu_->setGeometry(0, 0, 800, 600);
    jeu_->show();
}

MondeJeu::~MondeJeu()
{
    jeu_->hide();
}

void MondeJeu::charger(const QByteArray& contenu, const QString& nom)
{
    const QString fichier = nom + QStringLiteral(".ex%1").arg(numero_);
    EcrireDansExercices(contexte_, QStringLiteral("Série 1/") + fichier, contenu);
    ChoisirAuProchainChoix(QStringLiteral("Série 1"), nom);
    cliquer(QStringLiteral("BoutonNouveau"));
}

QAbstractButton* MondeJeu::bouton(const QString& nom)
{
    auto* b = jeu_->findChild<QAbstractButton*>(nom);
    EXPECT_NE(b, nullptr) << nom.toStdString();
    return b;
}

QLabel* MondeJeu::etiquette(const QString& nom)
{
    return jeu_->findChild<QLabel*>(nom);
}

void MondeJeu::cliquer(const QString& nomControle)
{
    if (QAbstractButton* b = bouton(nomControle))
        b->click();
}

bool MondeJeu::active(const QString& nomControle)
{
    auto* w = jeu_->findChild<QWidget*>(nomControle);
    return w && w->isEnabled();
}

namespace {
void envoyer(QWidget* cible, QEvent::Type type, QPoint p)
{
    const Qt::MouseButton bouton = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons tenus = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent evenement(type, QPointF(p), cible->mapToGlobal(QPointF(p)), bouton, tenus,
                          Qt::NoModifier);
    QApplication::sendEvent(cible, &evenement);
}
} // namespace

void MondeJeu::appuyer(QPoint p)
{
    envoyer(jeu_->findChild<QWidget*>(QStringLiteral("Image1")), QEvent::MouseButtonPress, p);
}

void MondeJeu::deplacer(QPoint p)
{
    envoyer(jeu_->findChild<QWidget*>(QStringLiteral("Image1")), QEvent::MouseMove, p);
}

void MondeJeu::relacher(QPoint p)
{
    envoyer(jeu_->findChild<QWidget*>(QStringLiteral("Image1")), QEvent::MouseButtonRelease, p);
}

void MondeJeu::tracer(QPoint de, QPoint a, QVector<QPoint> passages)
{
    appuyer(de);
    passages << a;
    for (QPoint p : passages)
        deplacer(p);
    relacher(a);
}

void MondeJeu::tracerNoeuds(QPoint de, QPoint a)
{
    const int t = tailleCase();
    tracer(de * t, a * t);
}

int MondeJeu::tailleCase() const
{
    return jeu_->grille().TailleCase;
}

QString MondeJeu::resultat()
{
    return etiquette(QStringLiteral("LabelResultat"))->text();
}

void MondeJeu::suivre(const QString& eleve, const QString& classe)
{
    contexte_.reglages.BilanReussite = 1;
    contexte_.suiviEleve = true;
    contexte_.nomEleve = eleve;
    contexte_.nomClasse = classe;
}

QString MondeJeu::reussirSegments()
{
    const Figure& modele = jeu_->figureReference();
    for (int i = 1; i <= modele.NbElements; ++i) {
        EXPECT_EQ(modele[i].GenreElement, GenreTrait);
        const ElementFigure image = ElementMiroir(jeu_->grille(), modele[i]);
        tracer({image.X1, image.Y1}, {image.X2, image.Y2});
    }
    cliquer(QStringLiteral("BoutonCorrection"));
    return resultat();
}

QString MondeJeu::rater(int essai)
{
    tracerNoeuds({1, 1 + 3 * essai}, {2, 3 + 3 * essai});
    cliquer(QStringLiteral("BoutonCorrection"));
    return resultat();
}
