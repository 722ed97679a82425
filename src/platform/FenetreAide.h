#pragma once

#include <QWidget>

class QTextBrowser;

// The help viewer: one window that shows a page of the help folder, with working links.
// "aide_orvane.chm::page.htm" opens page.htm of the folder "aide_orvane" beside the
// program; the bare "aide_orvane.chm" opens its contents page, "sommaire.htm".
class FenetreAide : public QWidget {
    Q_OBJECT
public:
    explicit FenetreAide(QWidget* parent = nullptr);
    void afficher(const QString& adresse);
    QString pageAffichee() const;
    QString texteAffiche() const;

    static QString dossierAide(const QString& fichierAide);
    static QString cheminPage(const QString& adresse);

private:
    QTextBrowser* navigateur_;
    bool pageIntrouvable_ = false;
};
