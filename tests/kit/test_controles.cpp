#include "Controles.h"

#include <QDialog>

#include <gtest/gtest.h>

// A window to be maximised gets no place on the display while hidden, is maximised by the
// time it is shown, and keeps the size the user gave it when shown again.
TEST(Controles, UneFenetreEstAgrandieASaPremiereApparitionSeulement)
{
    QDialog fenetre;
    PreparerFenetreGestion(&fenetre, QStringLiteral("F_Essai"), QStringLiteral("Essai"), QSize(400, 300));
    EXPECT_FALSE(fenetre.testAttribute(Qt::WA_WState_Created));
    EXPECT_EQ(fenetre.size(), QSize(400, 300));

    fenetre.show();
    EXPECT_TRUE(fenetre.isMaximized());

    fenetre.showNormal();
    fenetre.hide();
    fenetre.show();
    EXPECT_FALSE(fenetre.isMaximized());
}
