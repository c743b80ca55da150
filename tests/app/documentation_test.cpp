#include "app/documentation.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>

#include "ui/colour.h"
#include "widget_fixture.h"
#include "window_shot.h"

using namespace tandarel;
using tandarel::testing::WidgetTest;

namespace {

// The guide as the office knows it, typed here independently of the window's copy.
const char* const kGuide[] = {
    "  Documentation de Tandarel (une documentation plus explicite et illustrée se trouve en téléchargement sur le "
    "site de l'auteur)",
    "     ",
    "   Cet utilitaire  est destiné  à faciliter  la gestion des remplacements dans une  circonscription d' I.E.N.  Il "
    " crée des fichiers d'extension .pln",
    "   (les fichiers de gestion des remplacements sont enregistrés dans des sous-dossiers, par année scolaire). "
    "Tandarel a été testé",
    "   sous Windows 98 et Windows XP, avec des moniteurs de 15 pouces.",
    " ",
    "   Prise en main",
    "      Au départ, il est demandé de définir la semaine des jours ouvrés (une semaine de  5  jours ouvrés utilise  "
    "toute  la largeur  d'un moniteur ",
    "       de 15 pouces). ",
    "      - Le menu \"Liste des Rattachements\" permet de gérer la liste des écoles de la circonscription (ajout, "
    "suppression, modification).",
    "      - Le menu \"Personnels Remplaçants\" permet de gérer la liste des remplaçants de la circoncription.",
    "      - Le menu \"Gestion des Remplacements\"  propose  l'affichage  d'un  tableau  dont  les colonnes  "
    "représentent  les  jours  ouvrés  de la ",
    "         semaine précédemment définie et dont les lignes représentent les plages (1/4 de journées) de "
    "remplacement possible. La saisie (sauf",
    "         celle des noms des enseignants remplacés) se fait par simples clics :  un clic dans une ligne repérée  "
    "par les mentions  M1, M2, AM1,",
    "          AM2  (pour Matin plage 1, Matin plage 2, Après-midi plage 1, Après-midi plage 2) permet  d'accéder à la "
    " liste déroulante  des écoles",
    "         de la circonscription, un clic sur une ligne repérée par la mention  Nom permet de choisir  (dans un "
    "groupe de boutons radio)  le motif",
    "         de l'absence, puis de saisir le nom  de l'enseignant remplacé.  Dans le groupe  des boutons radio de "
    "saisie de motif d'absence,  HTS",
    "         (Hors Temps Scolaire) permet de rendre une plage non ouvrée. Un double-clic dans la première ligne "
    "repérée par M1 remplit toute la",
    "         journée avec des mentions HTS (pratique pour définir un jour férié par exemple).  Des boutons permettent "
    " d'étendre  la saisie  d'une ",
    "         plage à toute la journée du remplaçant, de recopier la saisie vers la droite, de vider une journée "
    "entière ou une simple plage...",
    "         Un calendrier permet de choisir de travailler sur une autre semaine (double-clic sur le calendrier pour "
    "le refermer), des boutons \"<\" et",
    "         \">\" permettent d'aacéder  à la semaine précédente ou à la suivante...  Bien que Tandarel  ait été "
    "conçu  pour être utilisé",
    "         essentiellement à l'écran, un bouton \"Imprimer\" permet l'impression de la semaine.",
    "      - Le menu \"Quitter\" : sans commentaire.",
    "      - Le menu \"?\" :",
    "                \"A propos de...\" et de \"Documentation\" : sans commentaire.",
    "                \"Analyse statistique\" : elle affiche, par motif de remplacement,  le nombre  de 1/4 de journées "
    " remplacées et les pourcentages ",
    "                    correspondant. Il est possible d'analyser une année scolaire, un trimestre, un mois ou un "
    "intervalle entre deux dates.",
    "                \"Définition de la semaine\" : permet de choisir la composition de la semaine. Une modification, "
    "même en cours d'année scolaire,",
    "                    n'affecte pas le fonctionnement de Tandarel.",
};

class DocumentationTest : public WidgetTest {
protected:
    QStringList shownLines() { return window.guide().toPlainText().split(QLatin1Char('\n')); }

    documentation window{context, nullptr};
};

TEST_F(DocumentationTest, ShowsTheThirtyLinesCharacterForCharacter) {
    window.show();
    const QStringList shown = shownLines();
    ASSERT_EQ(shown.size(), 30);
    for (int i = 0; i < 30; ++i) EXPECT_EQ(shown[i], QString::fromUtf8(kGuide[i])) << "line " << i + 1;
    settle();
    tandarel::testing::saveWindowShot(window, QStringLiteral("documentation"));
}

TEST_F(DocumentationTest, CaptionGeometryAndColour) {
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tandarel - Documentation succincte "));
    EXPECT_EQ(window.frameGeometry(), QRect(640 - 345, 100, 690, 450));
    EXPECT_EQ(window.guide().size(), QSize(665, 400));
    EXPECT_EQ(window.guide().y(), 10);
    EXPECT_TRUE(window.guide().isVisible());
    EXPECT_EQ(window.guide().palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xEA));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    window.hide();

    ui::setScreenSizeForTests(QSize(1024, 768));
    window.show();
    EXPECT_EQ(window.frameGeometry().x(), 167);
}

TEST_F(DocumentationTest, TypingChangesNothingOnDiskAndReopeningShowsTheGuide) {
    window.show();
    const QString guide = window.guide().toPlainText();
    window.guide().setFocus();
    QTest::keyClicks(&window.guide(), QStringLiteral("texte en plus"));
    EXPECT_NE(window.guide().toPlainText(), guide);
    window.hide();
    window.show();

    EXPECT_EQ(window.guide().toPlainText(), guide);
    EXPECT_EQ(folder.entries(), std::vector<std::string>());
}

}  // namespace
