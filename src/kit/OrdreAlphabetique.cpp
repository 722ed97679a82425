#include "OrdreAlphabetique.h"

#include <QLocale>

const QCollator& OrdreAlphabetique()
{
    static const QCollator collateur = [] {
        QCollator c{QLocale(QLocale::French, QLocale::France)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collateur;
}
