#pragma once

#include "EnDirect.h"

#include <QDateTime>
#include <QDialog>

#include <functional>
#include <memory>

class QFileSystemWatcher;
class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

// "En direct": the class during the lesson, read again by itself whenever the results
// folder changes, and every few seconds all the same, since a school's network share may
// not tell of its changes. The teacher sorts the pupils by any column, the stuck ones
// first by their state.
class TF_EnDirect : public QDialog {
    Q_OBJECT
public:
    static constexpr int LectureMs = 3000; // the reading that does not wait for news
    static constexpr int RegroupementMs = 250; // news of many pupils at once, read once

    explicit TF_EnDirect(QWidget* parent = nullptr);
    ~TF_EnDirect() override;

    // What the window follows from its next showing; names as initials when asked.
    void suivre(const DemandeDirect& demande, bool masquerNoms);
    // The clock the pupils are judged by (the computer's own unless a test gives one).
    void fixerHorloge(std::function<QDateTime()> horloge);
    // Reads what changed and shows it.
    void actualiser();
    const SuiviDirect* suivi() const { return suivi_.get(); }

protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    QFrame* Panel1;
    QLabel* LabelTitre;
    QLabel* LabelHeure;
    QLabel* LabelMessage;
    QTableWidget* TableDirect;
    QLabel* LabelLegende;
    QPushButton* BoutonFermer;
    QTimer* TimerDirect;
    QTimer* attente_;
    QFileSystemWatcher* veille_;

    DemandeDirect demande_;
    bool masquerNoms_ = false;
    std::unique_ptr<SuiviDirect> suivi_;
    std::function<QDateTime()> horloge_;
    int colonneTri_ = -1;
    Qt::SortOrder ordreTri_ = Qt::AscendingOrder;

    void creerControles();
    void surveiller();
    void remplir();
    void remplirLigne(int ligne, const EleveDirect& eleve, const QString& nom);
    void trier(int colonne);
};
