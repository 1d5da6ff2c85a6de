// The widget in German and back in English: menus, questions and captions translated, the
// host's own menu items and error texts left as they are.
#include <QLocale>
#include <algorithm>
#include <map>

#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

class Translation : public Widget {
protected:
    void TearDown() override { CRamuloCtrl::removeTranslator(); }
};

const QPoint kBackground{450, 350};

// The German of every built-in item of the three menus.
const std::map<QString, QString> kGerman = {
    {"New Vertex", "Neuer Knoten"},
    {"New Outcoming Edge", "Neue ausgehende Kante"},
    {"New Incoming Edge", "Neue eingehende Kante"},
    {"Delete Vertex", "Knoten l\u00f6schen"},
    {"Delete Edge", "Kante l\u00f6schen"},
    {"Vertex Appearance...", "Knotendarstellung..."},
    {"Vertex Properties...", "Knoteneigenschaften..."},
    {"Center of Radial Layout", "Zentrum des radialen Layouts"},
    {"Edge Appearance...", "Kantendarstellung..."},
    {"Edge Properties...", "Kanteneigenschaften..."},
    {"Tree Appearance...", "Baumdarstellung..."},
    {"Tree Properties...", "Baumeigenschaften..."},
    {"Hierarchical Layout", "Hierarchisches Layout"},
    {"Radial Layout", "Radiales Layout"},
    {"Force-Directed Layout", "Kr\u00e4ftebasiertes Layout"},
    {"Rotate Right 90\u00b0", "90\u00b0 nach rechts drehen"},
    {"Rotate Left 90\u00b0", "90\u00b0 nach links drehen"},
    {"Flip Vertical", "Vertikal spiegeln"},
    {"Flip Horizontal", "Horizontal spiegeln"},
    {"Select All Vertices", "Alle Knoten ausw\u00e4hlen"},
    {"&New", "&Neu"},
    {"&Open...", "\u00d6&ffnen..."},
    {"&Save", "&Speichern"},
    {"Save &As...", "Speichern &unter..."},
};

TEST_F(Translation, MenusAreGermanWithTheTranslatorAndExactlyEnglishWithout) {
    w->setNewEnabled(true);
    w->setFileIOEnabled(true);
    const QPoint at[] = {kBackground, kF, (kA + kB) / 2};
    for (const QPoint& p : at) rightClick(p);
    ASSERT_EQ(menus.size(), 3u);
    const std::vector<std::vector<Item>> english = menus;

    ASSERT_TRUE(CRamuloCtrl::installTranslator(QLocale(QLocale::German, QLocale::Germany)));
    menus.clear();
    for (const QPoint& p : at) rightClick(p);
    ASSERT_EQ(menus.size(), 3u);
    for (std::size_t m = 0; m < english.size(); ++m) {
        ASSERT_EQ(menus[m].size(), english[m].size());
        for (std::size_t i = 0; i < english[m].size(); ++i) {
            const Item& source = english[m][i];
            if (source.text == QStringLiteral("-")) {
                EXPECT_EQ(menus[m][i], source);
                continue;
            }
            const auto german = kGerman.find(source.text);
            ASSERT_NE(german, kGerman.end()) << "no German for " << source.text.toStdString();
            EXPECT_EQ(menus[m][i], (Item{german->second, source.enabled}));
        }
    }

    CRamuloCtrl::removeTranslator();
    menus.clear();
    for (const QPoint& p : at) rightClick(p);
    EXPECT_EQ(menus, english);
}

TEST_F(Translation, QuestionsAndCaptionsAreTranslatedErrorTextsAndHostItemsAreNot) {
    ASSERT_TRUE(CRamuloCtrl::installTranslator(QLocale(QLocale::German)));
    // A host's item keeps its text even where it equals a built-in one.
    w->AddGraphMenuItem(QStringLiteral("Radial Layout"));
    rightClick(kBackground);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].back().text, QStringLiteral("Radial Layout"));
    EXPECT_NE(std::find(menus[0].begin(), menus[0].end(), Item{QStringLiteral("Radiales Layout")}),
              menus[0].end());

    choices = {QStringLiteral("Knoten l\u00f6schen")};
    rightClick(kF);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Knoten l\u00f6schen"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("M\u00f6chten Sie Knoten 6 aus dem Baum entfernen?"));
    EXPECT_EQ(w->VertexCount(0), 11u);  // answered No

    // An error shown to the user keeps its English text; only the caption is translated.
    const std::u16string error = u"Ramulo Control: Vertex 999 cannot be found";
    w->messageBox(error, u"RamuloCtrl Error", MessageButtons::Ok, MessageIcon::Warning);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].caption, QStringLiteral("RamuloCtrl-Fehler"));
    EXPECT_EQ(boxes[1].text, QString::fromStdU16String(error));

    // Back in English the question is the engine's text byte for byte.
    CRamuloCtrl::removeTranslator();
    choices = {QStringLiteral("Delete Vertex")};
    rightClick(kF);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].caption, QStringLiteral("Delete Vertex"));
    EXPECT_EQ(boxes[2].text, QStringLiteral("Do you want to remove vertex 6 from the tree?"));
}

TEST_F(Translation, OnlyLanguagesWithATranslationAreInstalled) {
    EXPECT_FALSE(CRamuloCtrl::installTranslator(QLocale(QLocale::French)));
    EXPECT_TRUE(CRamuloCtrl::installTranslator(QLocale(QLocale::English)));
    rightClick(kBackground);
    ASSERT_FALSE(menus.empty());
    EXPECT_EQ(menus[0].front().text, QStringLiteral("New Vertex"));
    // A language replaces the one installed before.
    ASSERT_TRUE(CRamuloCtrl::installTranslator(QLocale(QLocale::German)));
    EXPECT_FALSE(CRamuloCtrl::installTranslator(QLocale(QLocale::French)));
    rightClick(kBackground);
    EXPECT_EQ(menus.back().front().text, QStringLiteral("New Vertex"));
}

}  // namespace
