#include "FenetreAide.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString pageSommaire = QStringLiteral("sommaire.htm");
}

FenetreAide::FenetreAide(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , navigateur_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("F_Aide"));
    setWindowTitle(QStringLiteral("Aide d'Orvane"));
    // An open help page must not keep the program running once the main menu closes.
    setAttribute(Qt::WA_QuitOnClose, false);
    navigateur_->setObjectName(QStringLiteral("NavigateurAide"));
    navigateur_->setOpenLinks(true);
    navigateur_->setOpenExternalLinks(false);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(navigateur_);
    resize(820, 640);
}

QString FenetreAide::dossierAide(const QString& fichierAide)
{
    return QFileInfo(fichierAide).completeBaseName();
}

QString FenetreAide::cheminPage(const QString& adresse)
{
    const qsizetype separateur = adresse.indexOf(QStringLiteral("::"));
    const QString fichier = separateur < 0 ? adresse : adresse.left(separateur);
    QString page = separateur < 0 ? pageSommaire : adresse.mid(separateur + 2);
    if (page.startsWith(QLatin1Char('/')))
        page.remove(0, 1);
    // A launcher that starts the program in a shared folder names the help of the install.
    const QString aideInstallee = qEnvironmentVariable("ORVANE_AIDE");
    if (!aideInstallee.isEmpty())
        return QDir(aideInstallee).absoluteFilePath(page);
    return QDir::current().absoluteFilePath(dossierAide(fichier) + QLatin1Char('/') + page);
}

void FenetreAide::afficher(const QString& adresse)
{
    const QString chemin = cheminPage(adresse);
    if (QFileInfo::exists(chemin)) {
        navigateur_->setSearchPaths({QFileInfo(chemin).absolutePath()});
        navigateur_->setSource(QUrl::fromLocalFile(chemin));
        pageIntrouvable_ = false;
    } else {
        navigateur_->setHtml(QStringLiteral("<h2>Page introuvable</h2><p>La page d'aide "
                                            "« %1 » est introuvable.</p>")
                                 .arg(QFileInfo(chemin).fileName().toHtmlEscaped()));
        pageIntrouvable_ = true;
    }
    show();
    raise();
    activateWindow();
}

QString FenetreAide::pageAffichee() const
{
    // The browser keeps naming the last page it loaded; a missing page replaced it.
    return pageIntrouvable_ ? QString() : navigateur_->source().toLocalFile();
}

QString FenetreAide::texteAffiche() const
{
    return navigateur_->toPlainText();
}
