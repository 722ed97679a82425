#include "GroupeRadio.h"

#include <QButtonGroup>
#include <QRadioButton>

GroupeRadio::GroupeRadio(const QString& nom, const QString& titre, const QStringList& items,
                         QWidget* parent)
    : QGroupBox(titre, parent)
{
    setObjectName(nom);
    auto* groupe = new QButtonGroup(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* bouton = new QRadioButton(items[i], this);
        bouton->setObjectName(nom + QLatin1Char('_') + QString::number(i + 1));
        groupe->addButton(bouton, i);
        boutons_ << bouton;
    }
    connect(groupe, &QButtonGroup::idClicked, this, &GroupeRadio::itemClique);
}

int GroupeRadio::itemIndex() const
{
    for (int i = 0; i < boutons_.size(); ++i)
        if (boutons_[i]->isChecked())
            return i;
    return -1;
}

void GroupeRadio::fixerItemIndex(int index)
{
    if (index >= 0 && index < boutons_.size())
        boutons_[index]->setChecked(true);
}

QStringList GroupeRadio::items() const
{
    QStringList textes;
    for (const QRadioButton* bouton : boutons_)
        textes << bouton->text();
    return textes;
}

void GroupeRadio::fixerItems(const QStringList& textes)
{
    for (int i = 0; i < boutons_.size() && i < textes.size(); ++i)
        boutons_[i]->setText(textes[i]);
}

void GroupeRadio::resizeEvent(QResizeEvent* evenement)
{
    QGroupBox::resizeEvent(evenement);
    placerItems();
}

// The items share the room inside the frame, one under the other.
void GroupeRadio::placerItems()
{
    if (boutons_.isEmpty())
        return;
    const QRect dedans = contentsRect().adjusted(8, 0, -8, 0);
    const int pas = dedans.height() / boutons_.size();
    for (int i = 0; i < boutons_.size(); ++i)
        boutons_[i]->setGeometry(dedans.left(), dedans.top() + i * pas, dedans.width(), pas);
}
