#pragma once

#include <QGroupBox>
#include <QList>

class QRadioButton;

// A titled box of radio items, one selected, addressed by item number from 0.
// Each item is named after the box: "NbCasesJeu1_1" is item 0 of "NbCasesJeu1".
class GroupeRadio : public QGroupBox {
    Q_OBJECT
public:
    GroupeRadio(const QString& nom, const QString& titre, const QStringList& items,
                QWidget* parent);

    int itemIndex() const; // -1 when nothing is selected
    void fixerItemIndex(int index);
    QStringList items() const;
    // New texts for the items; the selected item number stays.
    void fixerItems(const QStringList& textes);
    QRadioButton* item(int index) const { return boutons_[index]; }

signals:
    void itemClique(int index); // the user chose an item

protected:
    void resizeEvent(QResizeEvent* evenement) override;

private:
    void placerItems();

    QList<QRadioButton*> boutons_;
};
