#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QChar>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// Finds a control by its name, failing the test when it is missing.
template <typename T>
T* controle(const QObject* fenetre, const QString& nom)
{
    T* trouve = fenetre->findChild<T*>(nom);
    EXPECT_NE(trouve, nullptr) << "no control named " << nom.toStdString();
    return trouve;
}

inline void cliquer(const QObject* fenetre, const QString& nom)
{
    if (auto* b = controle<QAbstractButton>(fenetre, nom))
        b->click();
}

// A label's text as a reader sees it (without the invisible break points).
inline QString texteLu(const QObject* fenetre, const QString& nom)
{
    const auto* l = controle<QLabel>(fenetre, nom);
    return l ? l->text().remove(QChar(0x200B)) : QString();
}

// Runs an action once the next modal window is open, then lets the caller's exec() return.
inline void quandModale(std::function<void(QDialog*)> action)
{
    QTimer::singleShot(0, [action] {
        auto* modale = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(modale, nullptr);
        action(modale);
        if (modale->isVisible())
            modale->reject();
    });
}
