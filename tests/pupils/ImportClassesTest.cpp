// Class lists from a school's files, without a window: what is read, what the preview
// shows, what is written, and what is refused.

#include "Classes.h"
#include "ExportsEcole.h"
#include "ImportClasses.h"
#include "SupportEleves.h"
#include "Verrou.h"

#include <QFile>
#include <QHash>

namespace {

LectureImport lireImport(const QByteArray& octets, const QString& nom = QStringLiteral("eleves.csv"))
{
    return LireImport(octets, nom);
}

// Each class and its pupils as "Prénom Nom".
QHash<QString, QStringList> classesLues(const LectureImport& lecture)
{
    QHash<QString, QStringList> classes;
    for (const ClasseImportee& c : lecture.classes)
        for (const EleveImporte& e : c.eleves)
            classes[c.nom].append(QStringList{e.prenom, e.nom}.join(u' ').trimmed());
    return classes;
}

ApercuImport apercu(const LectureImport& lecture, PresentationNoms presentation = PresentationNoms::PrenomEtNom,
                    ModeExistantes mode = ModeExistantes::Ajouter, const QHash<QString, QStringList>& existantes = {},
                    const QString& classeUnique = QStringLiteral("CM1"))
{
    return ConstruireApercu(lecture, presentation, mode, classeUnique,
                            [existantes](const QString& classe) -> std::optional<QStringList> {
                                if (!existantes.contains(classe))
                                    return std::nullopt;
                                return existantes.value(classe);
                            });
}

QString remarques(const LectureImport& lecture)
{
    QStringList textes;
    for (const Remarque& r : lecture.remarques)
        textes.append(QStringLiteral("%1: %2").arg(r.ligne).arg(r.texte));
    return textes.join(u'\n');
}

} // namespace

TEST(ImportClasses, ExportDeLAdministrationDansSesDeuxCodages)
{
    for (const bool utf8 : {false, true}) {
        const LectureImport lecture = lireImport(exportEcole(utf8));
        ASSERT_TRUE(lecture.erreur.isEmpty()) << lecture.erreur.toStdString();
        EXPECT_EQ(lecture.codage, utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252"));
        EXPECT_TRUE(lecture.remarques.isEmpty()) << remarques(lecture).toStdString();
        EXPECT_FALSE(lecture.ordreModifiable) << "the titles say which column is which";
        QHash<QString, QStringList> attendues;
        for (const PupilleEcole& e : ElevesEcole) {
            const QString nom = QString::fromUtf8(*e.nomUsage ? e.nomUsage : e.nom);
            attendues[QString::fromUtf8(e.classe)].append(QString::fromUtf8(e.prenom) + u' ' + nom);
        }
        EXPECT_EQ(classesLues(lecture), attendues);
    }
}

TEST(ImportClasses, ListesDeTableur)
{
    const struct {
        const char* cas;
        QByteArray octets;
        QStringList eleves; // as "Prénom Nom", alphabetically
        bool ordreModifiable;
    } cas[] = {
        {"deux colonnes sans titres, nom en capitales", "GAR\xC3\x87ON;Zo\xC3\xA9\nMARTIN;L\xC3\xA9" "a\n",
         {QStringLiteral("Léa MARTIN"), QStringLiteral("Zoé GARÇON")}, true},
        {"deux colonnes sans titres séparées par des virgules", "Martin, L\xE9" "a\r\nGar\xE7on, Zo\xE9\r\n",
         {QStringLiteral("Léa Martin"), QStringLiteral("Zoé Garçon")}, true},
        {"une colonne « Prénom Nom »", "L\xC3\xA9" "a Martin\r\nJean-Luc Durand\r\n",
         {QStringLiteral("Jean-Luc Durand"), QStringLiteral("Léa Martin")}, true},
        {"une colonne « NOM Prénom »", "MARTIN L\xC3\xA9" "a\nDE LA TOUR Zo\xC3\xA9\n",
         {QStringLiteral("Léa MARTIN"), QStringLiteral("Zoé DE LA TOUR")}, true},
        {"prénoms seuls, fins de ligne CR", "L\xE9" "a\rZo\xE9\rMa\xEBl\r",
         {QStringLiteral("Léa"), QStringLiteral("Maël"), QStringLiteral("Zoé")}, true},
        {"accents décomposés, guillemets", "\"Pr\xC3\xA9nom\";\"Nom\"\n\"Le\xCC\x81" "a\";\"Martin\"\n",
         {QStringLiteral("Léa Martin")}, false},
        {"un titre au-dessus des titres", "Liste de la classe\n\nNom;Pr\xC3\xA9nom\nMartin;L\xC3\xA9" "a\n",
         {QStringLiteral("Léa Martin")}, false},
    };
    for (const auto& c : cas) {
        const LectureImport lecture = lireImport(c.octets);
        ASSERT_TRUE(lecture.erreur.isEmpty()) << c.cas << ": " << lecture.erreur.toStdString();
        const QHash<QString, QStringList> classes = classesLues(lecture);
        ASSERT_EQ(classes.size(), 1) << c.cas;
        QStringList eleves = classes.begin().value();
        eleves.sort();
        EXPECT_EQ(eleves, c.eleves) << c.cas;
        EXPECT_EQ(lecture.ordreModifiable, c.ordreModifiable) << c.cas;
    }
    // The teacher turns the order the file does not give.
    const LectureImport tournee = LireImport("Martin;L\xC3\xA9" "a\n", QStringLiteral("CM1.csv"), OrdreNoms::PrenomPuisNom);
    EXPECT_EQ(classesLues(tournee).value(QString()), QStringList{QStringLiteral("Martin Léa")});
}

TEST(ImportClasses, FichiersRefusesAvecUnMessageClair)
{
    const struct {
        const char* cas;
        QByteArray octets;
        const char* fichier;
        const char* message;
    } cas[] = {
        {"vide", "", "eleves.csv", "est vide"},
        {"titres seuls", "Nom;Pr\xC3\xA9nom;Classe\r\n", "eleves.csv", "qu'une ligne de titres"},
        {"image", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "photo.csv", "n'est pas une liste de noms"},
        {"classeur .xlsx", QByteArray("PK\x03\x04\x14\0\x06\0", 8) + "[Content_Types].xml", "classe.xlsx",
         "enregistrez d'abord en CSV"},
        {"cinq colonnes sans titres", "a;b;c;d;e\nf;g;h;i;j\n", "eleves.csv", "pas de ligne de titres"},
        {"titres sans nom", "Classe;Niveau\nCM1;CM1\n", "eleves.csv", "ne nomme ni « Prénom » ni « Nom »"},
    };
    for (const auto& c : cas) {
        const LectureImport lecture = lireImport(c.octets, QString::fromUtf8(c.fichier));
        EXPECT_TRUE(lecture.erreur.contains(QString::fromUtf8(c.message))) << c.cas << ": " << lecture.erreur.toStdString();
        EXPECT_TRUE(lecture.classes.isEmpty()) << c.cas;
    }
    DossierTemporaire dossier;
    QFile gros(dossier.fichier(QStringLiteral("gros.csv")));
    ASSERT_TRUE(gros.open(QIODevice::WriteOnly) && gros.resize(50LL * 1024 * 1024));
    gros.close();
    EXPECT_TRUE(LireFichierImport(gros.fileName()).erreur.contains(QStringLiteral("fait 50 Mo")));
    EXPECT_TRUE(LireFichierImport(dossier.chemin()).erreur.contains(QStringLiteral("n'est pas un fichier")));
}

TEST(ImportClasses, ChaqueLigneNonLueTelleQuelleEstNommee)
{
    const QString texte = QStringLiteral("Nom;Prénom;Classe\n"
                                         "Martin;Léa;CM1\n"
                                         "Durand;Paul;CM1;en trop\n"
                                         "Petit\n"
                                         "MARTIN;léa;cm1\n"
                                         "Bernard;;CM1\n"
                                         "Roux;Ugo;\n"
                                         "Morel;LÃ©a;CM1\n"
                                         "Nguyễn;Anh;CM1\n"
                                         "Petrov;Ольга;CM1\n"
                                         "Blanc;Théo;CE2/CM1\n"
                                         "\"Sans fin;Zoé;CM1\n");
    const LectureImport lecture = lireImport(texte.toUtf8());
    ASSERT_TRUE(lecture.erreur.isEmpty());
    const struct {
        int ligne;
        const char* texte;
    } attendues[] = {
        {3, "4 colonnes au lieu de 3"},          {4, "1 colonne au lieu de 3"},
        {5, "déjà à la ligne 2"},                {6, "pas de prénom"},
        {7, "pas de classe"},                    {8, "contient « © »"},
        {9, "« Nguyễn » s'écrira « Nguyên »"},   {10, "n'a aucune lettre"},
        {11, "« CE2/CM1 » s'appellera « CE2-CM1 »"}, {12, "n'est jamais fermé"},
    };
    for (const auto& a : attendues) {
        const bool trouvee = std::any_of(lecture.remarques.begin(), lecture.remarques.end(), [&](const Remarque& r) {
            return r.ligne == a.ligne && r.texte.contains(QString::fromUtf8(a.texte));
        });
        EXPECT_TRUE(trouvee) << a.ligne << " " << a.texte << "\n" << remarques(lecture).toStdString();
    }
    QHash<QString, QStringList> classes = classesLues(lecture);
    EXPECT_EQ(classes.value(QStringLiteral("CE2-CM1")), QStringList{QStringLiteral("Théo Blanc")});
    EXPECT_EQ(classes.value(QStringLiteral("CM1")),
              (QStringList{QStringLiteral("Léa Martin"), QStringLiteral("LÃ©a Morel"),
                           QStringLiteral("Anh Nguyên"), QStringLiteral("Zoé \"Sans fin")}));
}

TEST(ImportClasses, ApercuDesNomsEtDesClassesExistantes)
{
    QString texte = QStringLiteral("Prénom;Nom;Classe\n");
    for (const char* e : {"Léa;Martin", "Léa;Durand", "Paul;Petit", "Zoé;", "Zoé;Roux", "Hugo;Martin", "Hugo;Morel"})
        texte += QString::fromUtf8(e) + QStringLiteral(";CM1\n");
    texte += QStringLiteral("Jules;%1;CM1\n").arg(QString(70, u'x'));
    for (int i = 0; i < 200; ++i)
        texte += QStringLiteral("Élève%1;Nom;CP\n").arg(i);
    const LectureImport lecture = lireImport(texte.toUtf8());

    const ApercuImport prenoms = apercu(lecture, PresentationNoms::Prenom);
    ASSERT_EQ(prenoms.classes.size(), 2);
    EXPECT_EQ(prenoms.classes[0].importes, (QStringList{QStringLiteral("Hugo Martin"), QStringLiteral("Hugo Morel"), QStringLiteral("Jules"),
                                         QStringLiteral("Léa D."), QStringLiteral("Léa M."), QStringLiteral("Paul"),
                                         QStringLiteral("Zoé"), QStringLiteral("Zoé R.")}));
    const ClasseApercu& cp = prenoms.classes[1];
    EXPECT_TRUE(cp.refus.contains(QStringLiteral("compte 200 élèves"))) << cp.refus.toStdString();

    const ApercuImport complets = apercu(lecture);
    EXPECT_TRUE(complets.classes[0].importes.contains(QStringLiteral("Jules ") + QString(LongueurMaxNomImporte - 6, u'x')));
    EXPECT_TRUE(std::any_of(complets.remarques.begin(), complets.remarques.end(),
                            [](const Remarque& r) { return r.ligne == 9 && r.texte.contains(QStringLiteral("raccourci")); }));

    // A class that has its list: the pupils it lacks come after its own.
    const QHash<QString, QStringList> existantes{{QStringLiteral("CM1"), {QStringLiteral("zoé"), QStringLiteral("Arthur")}}};
    const ClasseApercu ajout = apercu(lecture, PresentationNoms::Prenom, ModeExistantes::Ajouter, existantes).classes[0];
    EXPECT_EQ(ajout.eleves.mid(0, 3), (QStringList{QStringLiteral("zoé"), QStringLiteral("Arthur"), QStringLiteral("Hugo Martin")}));
    EXPECT_EQ(ajout.nbNouveaux, 7);
    const QHash<QString, QStringList> pleine{{QStringLiteral("CM1"), QStringList(48, QStringLiteral("Élève"))}};
    EXPECT_TRUE(apercu(lecture, PresentationNoms::Prenom, ModeExistantes::Ajouter, pleine)
                    .classes[0].refus.contains(QStringLiteral("en compterait")));

    // A file without classes needs the teacher to name one.
    const LectureImport sansClasse = lireImport("L\xC3\xA9" "a\nZo\xC3\xA9\n");
    EXPECT_FALSE(apercu(sansClasse, PresentationNoms::Prenom, ModeExistantes::Ajouter, {}, QString()).classes[0].refus.isEmpty());
}

class EcritureImport : public TestEleves {};

TEST_F(EcritureImport, SeulsLesNomsSontEcritsEtUneListeExistanteGardeLesSiens)
{
    const QString cm1 = programme.fichier(QStringLiteral("CM1 A.elv"));
    ecrire(cm1, enregistrementEleve("Arthur", 'x') + enregistrementEleve("No\xE9", 'y'));
    const LectureImport lecture = lireImport(exportEcole(false));
    const ApercuImport vu = ConstruireApercu(lecture, PresentationNoms::Prenom, ModeExistantes::Ajouter, QString(),
                                             ClassesDuDossierProgramme(programme.chemin()));
    EXPECT_TRUE(EcrireImport(vu, ModeExistantes::Ajouter, programme.chemin()).echecs.isEmpty());
    const LectureClasse relue = LireClasse(cm1);
    EXPECT_EQ(relue.noms, (QStringList{QStringLiteral("Arthur"), QStringLiteral("Noé"), QStringLiteral("Léa MARTIN"),
                                       QStringLiteral("Léa MOREAU")}))
        << "Noé is there already; the two Léa, whose initials are alike, join with their surnames";
    EXPECT_EQ(relue.enregistrements.value(0), enregistrementEleve("Arthur", 'x')) << "the list's own records are kept";
    const QByteArray ce2 = lire(programme.fichier(QStringLiteral("CE2.elv")));
    EXPECT_EQ(ce2, enregistrementEleve("Chlo\xE9") + enregistrementEleve("Ma\xEBl")) << "a name and zeros, nothing else";

    // Refused when another computer holds the list.
    Verrou::fixerAttenteMs(50);
    {
        const Verrou tenu(cm1);
        const ResultatImport refuse = EcrireImport(vu, ModeExistantes::Ajouter, programme.chemin());
        ASSERT_EQ(refuse.echecs.size(), 1);
        EXPECT_TRUE(refuse.echecs[0].contains(QStringLiteral("occupé")));
    }
    Verrou::fixerAttenteMs(5000);
}

TEST(ImportClasses, UneListeExporteeSeRelitALIdentique)
{
    const QStringList eleves{QStringLiteral("Léa M."), QStringLiteral("Zoé"), QStringLiteral("=Hugo")};
    const QByteArray csv = ContenuExportClasse(QStringLiteral("CM1"), eleves);
    EXPECT_EQ(csv, QByteArray("\xEF\xBB\xBF" "Classe;\xC3\x89l\xC3\xA8ve\r\nCM1;L\xC3\xA9" "a M.\r\nCM1;Zo\xC3\xA9\r\nCM1;\"'=Hugo\"\r\n"));
    EXPECT_EQ(classesLues(lireImport(csv)).value(QStringLiteral("CM1")).mid(0, 2), eleves.mid(0, 2));
}
