#pragma once

#include <QLockFile>
#include <QString>

// A lock held beside a file while it is read and written again, so that the computers
// sharing a school folder never write over each other's changes. The lock is a file of
// its own ("<file>.verrou"): it works on network shares and is taken over when the
// process that left it is gone (same computer) or when it is old (another computer).
// The lock is held for the lifetime of the object.
//
// Only a lock held elsewhere refuses the change. A lock that cannot even be created (a
// missing or read-only folder, a full disk) lets the writer go on: its write fails for
// the same cause and says so as it always did.
class Verrou {
public:
    explicit Verrou(const QString& fichier);
    Verrou(const Verrou&) = delete;
    Verrou& operator=(const Verrou&) = delete;

    bool pris() const { return pris_; }
    // True when another program or computer held the lock for the whole wait.
    bool refuse() const { return refuse_; }
    // Why it was refused, in French, naming the file.
    QString message() const { return message_; }

    static QString cheminVerrou(const QString& fichier);
    // How long a lock held elsewhere is waited for (5 seconds; tests shorten it).
    static void fixerAttenteMs(int ms);

private:
    QLockFile verrou_;
    bool pris_ = false;
    bool refuse_ = false;
    QString message_;
};
