#pragma once

#include <QStringList>
#include <QWidget>

// The line buffer through which every results file is read and written.
class TamponLignes {
public:
    void vider();
    // Replaces the content by the file's lines (rich text, or plain text). False, with the
    // cause, for a file missing, refused (not a regular file, too large) or unreadable.
    bool charger(const QString& fichier, QString* erreur = nullptr);
    // The same from the bytes of a file.
    void lire(const QByteArray& octets);
    // A final paragraph mark does not count as a line.
    int nombreLignes() const;
    // The empty text past the last line.
    QString ligne(int indice) const;
    const QStringList& lignes() const { return lignes_; }
    void ajouter(const QString& ligne);
    // Writes the whole buffer as a rich-text document, whole or not at all.
    bool enregistrer(const QString& fichier, QString* erreur = nullptr) const;

private:
    QStringList lignes_;
};

// The never-shown window that once held the results' line buffer; it is kept among the
// program's windows, which exist in a fixed order.
class TF_Edit3 : public QWidget {
    Q_OBJECT
public:
    explicit TF_Edit3(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
};
