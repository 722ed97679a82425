// Short codes as a teacher or a pupil types them, the level table they point into, and
// the bytes a few codes give, pinned: a change of the generator or of its arithmetic
// would hand pupils other exercises under the codes already written on their sheets.

#include "Generateur.h"
#include "Niveaux.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

// A code read back from its short form is the same code; one that names nothing says why.
TEST(CodeExercice, UnCodeTapeEstLuOuDitPourquoiIlNExistePas)
{
    const struct {
        const char* tape;
        std::optional<CodeExercice> code;
        const char* raison = "";
    } cas[] = {
        {"4-3-8271", CodeExercice{4, 3, 8271}},
        {"  4 - 3 - 8271 ", CodeExercice{4, 3, 8271}},
        {"4–3—8271", CodeExercice{4, 3, 8271}}, // dashes of a printed sheet
        {"04-03-08271", CodeExercice{4, 3, 8271}},
        {"2-1-0", CodeExercice{2, 1, 0}},
        {"5-6-99999", CodeExercice{5, 6, 99999}},
        {"", {}, "type-niveau-numéro"},
        {"   ", {}, "type-niveau-numéro"},
        {"abc", {}, "n'est pas un code"},
        {"4-3", {}, "n'est pas un code"},
        {"4-3-82x1", {}, "n'est pas un code"},
        {"4-3-8271-1", {}, "n'est pas un code"},
        {"-4-3-1", {}, "n'est pas un code"},
        {"4-+3-1", {}, "n'est pas un code"},
        {"9-1-5", {}, "va de 2 à 5"},
        {"1-1-5", {}, "va de 2 à 5"},
        {"4-99-5", {}, "vont de 1 à 6"},
        {"4-0-5", {}, "vont de 1 à 6"},
        {"4-3-100000", {}, "va de 0 à 99999"},
        {"4-3-99999999999999999999999", {}, "va de 0 à 99999"},
        {"99999999999-1-1", {}, "va de 2 à 5"},
    };
    for (const auto& c : cas) {
        const CodeLu lu = LireCode(QString::fromUtf8(c.tape));
        EXPECT_EQ(lu.Code, c.code) << c.tape << ": " << lu.Erreur.toStdString();
        EXPECT_TRUE(lu.Erreur.contains(QString::fromUtf8(c.raison))) << c.tape << ": " << lu.Erreur.toStdString();
        if (c.code) {
            EXPECT_EQ(LireCode(TexteCode(*c.code)).Code, c.code) << c.tape;
        }
    }
    EXPECT_EQ(TexteCode({4, 3, 8271}), QStringLiteral("4-3-8271"));
}

TEST(NiveauxExercices, ChaqueTypeASixNiveauxDecritsEtAucunAutreTypeNEnA)
{
    for (int type = 0; type <= 9; ++type) {
        const bool connu = type >= 2 && type <= 5;
        EXPECT_EQ(NombreNiveaux(type), connu ? 6 : 0) << type;
        EXPECT_EQ(NiveauDe(type, 1) != nullptr, connu) << type;
        EXPECT_EQ(NiveauDe(type, 7), nullptr) << type;
        EXPECT_EQ(NiveauDe(type, 0), nullptr) << type;
        for (int n = 1; connu && n <= 6; ++n) {
            const NiveauExercice& niveau = *NiveauDe(type, n);
            EXPECT_EQ(niveau.Type, type);
            EXPECT_EQ(niveau.Numero, n);
            // Lines and lines and colours keep the vertical axis, the last type its point.
            if (type <= 3) {
                EXPECT_EQ(niveau.Axes, Axes::Vertical);
            }
            if (type == 5) {
                EXPECT_EQ(niveau.Axes, Axes::Point);
            }
            EXPECT_EQ(niveau.ZonesMax > 0, type == 3) << type << "-" << n;
        }
    }
}

// An endless run meets every exercise of its level once before any comes back.
TEST(ExercicesAuHasard, LaSuitePasseParChaqueNumeroAvantDeRevenir)
{
    for (const CodeExercice depart : {CodeExercice{2, 1, 0}, CodeExercice{5, 6, 99999}}) {
        CodeExercice code = depart;
        int pas = 0;
        do {
            const CodeExercice suivant = CodeSuivant(code);
            ASSERT_EQ(suivant.Type, depart.Type);
            ASSERT_EQ(suivant.Niveau, depart.Niveau);
            ASSERT_LE(suivant.Graine, CodeExercice::GraineMax);
            code = suivant;
            ++pas;
        } while (code != depart && pas <= int(CodeExercice::GraineMax));
        EXPECT_EQ(pas, int(CodeExercice::GraineMax) + 1);
    }
}

// The first 16 hexadecimal digits of the SHA-1 of the file each code gives.
TEST(ExercicesAuHasard, LesOctetsDeQuelquesCodesSontFixes)
{
    const struct {
        CodeExercice code;
        const char* empreinte;
    } cas[] = {
        {{2, 1, 0}, "0a8987c05fe952ae"},
        {{3, 4, 8271}, "20524a4ac670e5a0"},
        {{4, 6, 99999}, "10f0487e59756241"},
        {{5, 3, 12345}, "e76e8411c71757cb"},
        {{3, 6, 42}, "3252ad80a127d8df"},
    };
    for (const auto& c : cas) {
        const QByteArray octets = ContenuExerciceGenere(c.code);
        const QByteArray empreinte = QCryptographicHash::hash(octets, QCryptographicHash::Sha1).toHex().left(16);
        EXPECT_EQ(empreinte, QByteArray(c.empreinte)) << TexteCode(c.code).toStdString();
    }
    EXPECT_TRUE(ContenuExerciceGenere({9, 1, 1}).isEmpty());
    EXPECT_TRUE(ContenuExerciceGenere({4, 1, CodeExercice::GraineMax + 1}).isEmpty());
    EXPECT_EQ(GenererExercice({4, 7, 1}).Elements.NbElements, 0);
}
