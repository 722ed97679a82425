#include "Controles.h"

#include <QComboBox>
#include <QDialog>
#include <QEvent>

#include "Couleurs.h"
#include "OrdreAlphabetique.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

QFont Police(const QString& famille, int pixels, bool gras)
{
    QFont police(famille);
    police.setPixelSize(pixels);
    police.setBold(gras);
    return police;
}

QFont PoliceArial(int pixels, bool gras)
{
    return Police(QStringLiteral("Arial"), pixels, gras);
}

namespace {
// Disabled controls keep the style's own greyed colours.
void colorerRole(QWidget* controle, QPalette::ColorRole role, quint32 couleur)
{
    QPalette palette = controle->palette();
    for (QPalette::ColorGroup groupe : {QPalette::Active, QPalette::Inactive})
        palette.setColor(groupe, role, QColor::fromRgb(VersQRgb(couleur)));
    controle->setPalette(palette);
}
} // namespace

void ColorerFond(QWidget* controle, quint32 couleur)
{
    controle->setAutoFillBackground(true);
    colorerRole(controle, QPalette::Window, couleur);
}

void ColorerTexte(QWidget* controle, quint32 couleur)
{
    colorerRole(controle, QPalette::WindowText, couleur);
    colorerRole(controle, QPalette::ButtonText, couleur);
    colorerRole(controle, QPalette::Text, couleur);
}

QLabel* CreerEtiquette(QWidget* parent, const QString& nom, const QString& texte,
                       const QRect& geometrie, const QFont& police, quint32 couleur)
{
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(nom);
    etiquette->setFont(police);
    ColorerTexte(etiquette, couleur);
    if (geometrie.size().isEmpty()) {
        etiquette->move(geometrie.topLeft());
        etiquette->adjustSize();
    } else {
        etiquette->setGeometry(geometrie);
    }
    return etiquette;
}

QPushButton* CreerBouton(QWidget* parent, const QString& nom, const QString& texte,
                         const QRect& geometrie, const QFont& police)
{
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(nom);
    bouton->setFont(police);
    bouton->setGeometry(geometrie);
    bouton->setAutoDefault(false);
    return bouton;
}

QComboBox* CreerListeDeroulante(QWidget* parent, const QString& nom, const QRect& geometrie, const QFont& police,
                                const QString& nomAccessible)
{
    auto* liste = new QComboBox(parent);
    liste->setObjectName(nom);
    liste->setGeometry(geometrie);
    liste->setFont(police);
    liste->setAccessibleName(nomAccessible);
    return liste;
}

QFrame* CreerPanneau(QWidget* parent, const QString& nom, const QRect& geometrie,
                     quint32 couleur)
{
    auto* panneau = new QFrame(parent);
    panneau->setObjectName(nom);
    panneau->setGeometry(geometrie);
    ColorerFond(panneau, couleur);
    return panneau;
}

void CentrerPanneau(QWidget* panneau)
{
    const QWidget* fenetre = panneau->parentWidget();
    panneau->move((fenetre->width() - panneau->width()) / 2,
                  (fenetre->height() - panneau->height()) / 2);
}

ListeEleves::ListeEleves(QWidget* parent, const QString& nom, const QRect& geometrie, bool triee)
    : QListWidget(parent)
    , triee_(triee)
{
    setObjectName(nom);
    setGeometry(geometrie);
}

QListWidgetItem* ListeEleves::ajouter(const QString& texte, const QString& donnee)
{
    int rang = count();
    if (triee_) {
        // After the equal ones, so equal names stay in the order they came.
        rang = 0;
        while (rang < count() && OrdreAlphabetique().compare(item(rang)->text(), texte) <= 0)
            ++rang;
    }
    auto* element = new QListWidgetItem(texte);
    element->setData(Qt::UserRole, donnee);
    insertItem(rang, element);
    return element;
}

QStringList ListeEleves::textes() const
{
    QStringList resultat;
    for (int i = 0; i < count(); ++i)
        resultat.append(item(i)->text());
    return resultat;
}

QString ListeEleves::texteChoisi() const
{
    const QListWidgetItem* element = currentItem();
    return element && element->isSelected() ? element->text() : QString();
}

namespace {
// Stops watching after the first show; the user's own choice holds from then on.
class MaximisationDifferee : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override
    {
        if (evenement->type() == QEvent::Show) {
            auto* fenetre = static_cast<QWidget*>(objet);
            fenetre->removeEventFilter(this);
            fenetre->setWindowState(fenetre->windowState() | Qt::WindowMaximized);
            deleteLater();
        }
        return false;
    }
};
} // namespace

void MaximiserALaPremiereApparition(QWidget* fenetre)
{
    fenetre->installEventFilter(new MaximisationDifferee(fenetre));
}

void PreparerFenetreGestion(QDialog* fenetre, const QString& nom, const QString& titre, QSize taille,
                            Qt::WindowFlags autres)
{
    fenetre->setObjectName(nom);
    fenetre->setWindowTitle(titre);
    fenetre->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowMinMaxButtonsHint | autres);
    MaximiserALaPremiereApparition(fenetre);
    fenetre->resize(taille);
    ColorerFond(fenetre, CouleurFenetreGestion);
}
