#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// A lock held beside a file while it is read and written again, so that the computers
// sharing a school folder never write over each other's changes. The lock is a file of
// its own, "<file>.verrou", created only where none is, in plain text:
//
//   Verrou Orvane
//   ordinateur=<the holder's computer name>
//   jeton=<32 random hexadecimal digits, this lock's own>
//   processus=<the holder's process number>
//   demarrage=<the boot identity of the holder's computer, or nothing>
//
// Only its holder removes it, after checking that it still holds its token. While it is
// held, a thread of the holder writes it again every quarter of the abandonment time, so
// that the file server's clock dates its last sign of life. A lock is taken over as
// abandoned when its holder's process is gone (same boot of this very computer), or when
// the file server's clock shows it unchanged for the abandonment time (20 seconds): the
// lock file's date is compared with that of a file just written beside it, both given by
// the server, never with this computer's clock, which may be minutes off. Neither the
// machine identity (cloned computers share it) nor the host name alone ever decides.
//
// Only a lock held elsewhere refuses the change. A lock that cannot even be created (a
// missing or read-only folder, a full disk) lets the writer go on: its write fails for
// the same cause and says so as it always did. A lock is never held across a message:
// see ChangerSousVerrou.
class Verrou {
public:
    explicit Verrou(const QString& fichier);
    ~Verrou();
    Verrou(const Verrou&) = delete;
    Verrou& operator=(const Verrou&) = delete;

    bool pris() const { return pris_; }
    // True when another program or computer held the lock for the whole wait.
    bool refuse() const { return refuse_; }
    // Why it was refused, in French, naming the file.
    QString message() const { return message_; }
    // False once another computer has taken the lock over as abandoned (this program was
    // stopped for longer than the abandonment time): nothing may be written then.
    bool toujoursTenu() const;

    static QString cheminVerrou(const QString& fichier);
    // True unless this process holds the lock of that file and has lost it.
    static bool toujoursTenuSur(const QString& fichier);

    // How long a lock held elsewhere is waited for (5 seconds), how long a lock must stay
    // unchanged to be abandoned (20 seconds), and the name this computer gives in its
    // locks (its host name): tests change them, the last one to play several computers.
    static void fixerAttenteMs(int ms);
    static void fixerAbandonMs(int ms);
    static void fixerOrdinateur(const QString& nom);

private:
    class Battement;
    QString chemin_;
    QByteArray contenu_;
    bool pris_ = false;
    bool refuse_ = false;
    QString message_;
    std::unique_ptr<Battement> battement_;
};

// Runs a change of a shared file under its lock, then shows the change's message (or the
// lock's refusal) once the lock is released: a message waiting for a click on one
// computer must not keep the others out. The change returns its message, empty when it
// succeeded. True when it succeeded.
bool ChangerSousVerrou(const QString& fichier, const std::function<QString()>& changer);
