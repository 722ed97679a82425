#include "DialoguesQt.h"
#include "FenetreAide.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

namespace {
QMessageBox::Icon icone(GenreMessage genre)
{
    switch (genre) {
    case GenreMessage::Avertissement: return QMessageBox::Warning;
    case GenreMessage::Information: return QMessageBox::Information;
    case GenreMessage::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QFileDialog* preparer(const DemandeFichier& demande, QFileDialog::AcceptMode mode)
{
    auto* dialogue = new QFileDialog(QApplication::activeWindow(), demande.titre);
    dialogue->setAcceptMode(mode);
    dialogue->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                          : QFileDialog::AnyFile);
    dialogue->setDirectory(demande.dossierInitial.isEmpty() ? QDir::currentPath()
                                                            : demande.dossierInitial);
    if (!demande.filtre.isEmpty())
        dialogue->setNameFilters(demande.filtre.split(QStringLiteral(";;")));
    if (!demande.filtreInitial.isEmpty())
        dialogue->selectNameFilter(demande.filtreInitial);
    if (!demande.extensionParDefaut.isEmpty()) {
        dialogue->setDefaultSuffix(demande.extensionParDefaut);
        // A name typed without extension takes that of the type the user picked.
        QObject::connect(dialogue, &QFileDialog::filterSelected, dialogue, [dialogue](const QString& filtre) {
            const QRegularExpressionMatch motif = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filtre);
            if (motif.hasMatch())
                dialogue->setDefaultSuffix(motif.captured(1));
        });
    }
    if (!demande.confirmerRemplacement)
        dialogue->setOption(QFileDialog::DontConfirmOverwrite);
    if (!demande.nomPropose.isEmpty())
        dialogue->selectFile(demande.nomPropose);
    return dialogue;
}

QString executer(QFileDialog* dialogue)
{
    QString choisi;
    if (dialogue->exec() == QDialog::Accepted && !dialogue->selectedFiles().isEmpty())
        choisi = QDir::toNativeSeparators(dialogue->selectedFiles().constFirst());
    delete dialogue;
    return choisi;
}
} // namespace

DialoguesQt::~DialoguesQt() = default;

Reponse DialoguesQt::message(GenreMessage genre, const QString& texte, BoutonsMessage boutons)
{
    QMessageBox boite(icone(genre), titreMessage(genre), texte, QMessageBox::NoButton,
                      QApplication::activeWindow());
    QAbstractButton* ok = nullptr;
    QAbstractButton* oui = nullptr;
    QAbstractButton* non = nullptr;
    QAbstractButton* annuler = nullptr;
    if (boutons == BoutonsMessage::Ok) {
        ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    } else {
        oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
        non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
        if (boutons == BoutonsMessage::OuiNonAnnuler)
            annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    }
    boite.exec();
    const QAbstractButton* presse = boite.clickedButton();
    if (presse == ok) return Reponse::Ok;
    if (presse == oui) return Reponse::Oui;
    if (presse == non) return Reponse::Non;
    if (presse == annuler || boutons == BoutonsMessage::OuiNonAnnuler) return Reponse::Annuler;
    return boutons == BoutonsMessage::Ok ? Reponse::Ok : Reponse::Non;
}

QString DialoguesQt::ouvrirFichier(const DemandeFichier& demande)
{
    return executer(preparer(demande, QFileDialog::AcceptOpen));
}

QString DialoguesQt::enregistrerFichier(const DemandeFichier& demande)
{
    return executer(preparer(demande, QFileDialog::AcceptSave));
}

void DialoguesQt::afficherAide(const QString& adresse)
{
    // A modal window blocks every other window but its own children: the help must be one
    // of them to be read, scrolled and closed while that window waits.
    QWidget* modale = QApplication::activeModalWidget();
    if (!aide_)
        aide_ = new FenetreAide(modale);
    else if (aide_->parentWidget() != modale)
        aide_->setParent(modale, aide_->windowFlags());
    aide_->afficher(adresse);
}

std::optional<QString> DialoguesQt::demanderTexte(const DemandeTexte& demande)
{
    QInputDialog boite(QApplication::activeWindow());
    boite.setWindowTitle(demande.titre);
    boite.setLabelText(demande.question);
    boite.setTextValue(demande.texte);
    boite.setOkButtonText(QStringLiteral("OK"));
    boite.setCancelButtonText(QStringLiteral("Annuler"));
    if (boite.exec() != QDialog::Accepted)
        return std::nullopt;
    return boite.textValue();
}

QTranslator* InstallerTraductionsQt()
{
    auto* traducteur = new QTranslator(QCoreApplication::instance());
    if (traducteur->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(traducteur))
        return traducteur;
    delete traducteur;
    return nullptr;
}
