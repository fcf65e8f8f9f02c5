#include "rendu/notation.h"
#include "rendu/xml.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace vestrel;

TEST(Notation, DeviationTexts)
{
    struct Cas {
        double mm;
        const char *virgule, *point;
    };
    const Cas cas[] = {
        {0.021, "+0,021", "+0.021"},   {0, "0", "0"},
        {-0.007, "\u22120,007", "\u22120.007"}, {-0.02, "\u22120,020", "\u22120.020"},
        {0.0125, "+0,0125", "+0.0125"}, {-2.8, "\u22122,800", "\u22122.800"},
        {1, "+1,000", "+1.000"},        {-0.0, "0", "0"},
    };
    for (const Cas &c : cas) {
        EXPECT_EQ(texteEcartNotation(c.mm, ","), c.virgule);
        EXPECT_EQ(texteEcartNotation(c.mm, "."), c.point);
    }
}

TEST(Notation, TheFitInBothSeparators)
{
    const AjustementAffiche a = ajustementClasses(25, "H7", "g6");
    EXPECT_EQ(notationTexte(a, ","),
              "Ajustement \u220525 H7/g6 : avec jeu\n"
              "Alésage \u220525 H7 : ES +0,021 ; EI 0 ; maxi 25,021 ; mini 25\n"
              "Arbre \u220525 g6 : es \u22120,007 ; ei \u22120,020 ; maxi 24,993 ; mini 24,98\n"
              "Jeu maxi 0,0410 ; jeu mini 0,0070 ; jeu moyen 0,0240\n");
    EXPECT_EQ(notationTexte(a, "."),
              "Ajustement \u220525 H7/g6 : avec jeu\n"
              "Alésage \u220525 H7 : ES +0.021 ; EI 0 ; maxi 25.021 ; mini 25\n"
              "Arbre \u220525 g6 : es \u22120.007 ; ei \u22120.020 ; maxi 24.993 ; mini 24.98\n"
              "Jeu maxi 0.0410 ; jeu mini 0.0070 ; jeu moyen 0.0240\n");
}

TEST(Notation, KindsSymmetricZonesAndNegativeClearances)
{
    EXPECT_EQ(notationTexte(ajustementClasses(2, "JS9", "h9"), ","),
              "Ajustement \u22052 JS9/h9 : incertain\n"
              "Alésage \u22052 JS9 : écarts \u00B10,0125 ; maxi 2,0125 ; mini 1,9875\n"
              "Arbre \u22052 h9 : es 0 ; ei \u22120,025 ; maxi 2 ; mini 1,975\n"
              "Jeu maxi 0,0375 ; jeu mini \u22120,0125 ; jeu moyen 0,0125\n");
    const std::string s6 = notationTexte(ajustementClasses(25, "H7", "s6"), ",");
    EXPECT_EQ(s6.rfind("Ajustement \u220525 H7/s6 : avec serrage\n", 0), 0u) << s6;
    EXPECT_NE(s6.find("Jeu maxi \u22120,0140 ; jeu mini \u22120,0480 ; jeu moyen \u22120,0310\n"), std::string::npos)
        << s6;
}

TEST(Notation, OnlyTheSideWithNumbers)
{
    EXPECT_EQ(notationTexte(ajustementClasses(25, "H7", ""), ","),
              "Alésage \u220525 H7 : ES +0,021 ; EI 0 ; maxi 25,021 ; mini 25\n");
    EXPECT_EQ(notationTexte(ajustementClasses(110, "P9", "h6"), ","),
              "Arbre \u2205110 h6 : es 0 ; ei \u22120,022 ; maxi 110 ; mini 109,978\n");
    EXPECT_EQ(notationTexte(ajustementClasses(25, "", ""), ","), "");
    EXPECT_EQ(notationHtml(ajustementClasses(25, "", ""), ","), "");
    const std::string h = notationHtml(ajustementClasses(25, "", "g6"), ",");
    EXPECT_EQ(h.find("Alésage"), std::string::npos);
    EXPECT_EQ(h.find("Jeu"), std::string::npos);
    EXPECT_NE(h.find("<tr><th>Arbre</th><td>25</td><td>g6</td><td>\u22120,007</td><td>\u22120,020</td>"),
              std::string::npos)
        << h;
}

TEST(Notation, FreeSizesAsTyped)
{
    // Jeu maxi 12.33 - 12.19 = 0.14, mini 12.32 - 12.22 = 0.1, moyen 0.12.
    const AjustementAffiche a = ajustementLibre(12.3, 0.03, 0.02, 12.2, 0.02, -0.01);
    EXPECT_EQ(notationTexte(a, ","),
              "Ajustement libre : avec jeu\n"
              "Alésage \u220512,3 : ES +0,030 ; EI +0,020 ; maxi 12,33 ; mini 12,32\n"
              "Arbre \u220512,2 : es +0,020 ; ei \u22120,010 ; maxi 12,22 ; mini 12,19\n"
              "Jeu maxi 0,1400 ; jeu mini 0,1000 ; jeu moyen 0,1200\n");
}

TEST(Notation, ReversedDeviationsGiveNoLine)
{
    // The shaft's upper deviation typed below its lower one: no shaft line,
    // no fit line, no clearances; the bore stays.
    const ResultatAjustement r(ajustementLibre(12.3, 0.03, 0.02, 12.2, -0.01, 0.02));
    EXPECT_EQ(notationTexte(r, ","), "Alésage \u220512,3 : ES +0,030 ; EI +0,020 ; maxi 12,33 ; mini 12,32\n");
    EXPECT_EQ(notationHtml(r, ",").find("Arbre"), std::string::npos);
}

TEST(Notation, HtmlTableHoldsTheSameValues)
{
    const std::string h = notationHtml(ajustementClasses(25, "H7", "g6"), ",");
    EXPECT_NE(h.find("<meta charset=\"utf-8\">"), std::string::npos);
    for (const char *cellule :
         {"<th colspan=\"7\">Ajustement \u220525 H7/g6 : avec jeu</th>",
          "<tr><th>Alésage</th><td>25</td><td>H7</td><td>+0,021</td><td>0</td><td>25,021</td><td>25</td></tr>",
          "<tr><th>Arbre</th><td>25</td><td>g6</td><td>\u22120,007</td><td>\u22120,020</td><td>24,993</td><td>24,98</td></tr>",
          "<td colspan=\"2\">maxi 0,0410</td><td colspan=\"2\">mini 0,0070</td><td colspan=\"2\">moyen 0,0240</td>"})
        EXPECT_NE(h.find(cellule), std::string::npos) << cellule << "\n" << h;
    EXPECT_EQ(h.find("<table"), h.rfind("<table"));
    EXPECT_NE(notationHtml(ajustementClasses(2, "JS9", "h9"), ".").find("<td colspan=\"2\">\u00B10.0125</td>"),
              std::string::npos);
}

// The one escaping of the HTML table and of the diagram's SVG: markup and
// quotes become entities once, other characters (UTF-8) pass unchanged.
TEST(Xml, EscapesMarkupOnce)
{
    EXPECT_EQ(echapperXml("a<b> & \"c\""), "a&lt;b&gt; &amp; &quot;c&quot;");
    EXPECT_EQ(echapperXml("&amp;"), "&amp;amp;");
    EXPECT_EQ(echapperXml("\u2205 25 \u00B5m \u2212"), "\u2205 25 \u00B5m \u2212");
    EXPECT_EQ(echapperXml(""), "");
}

} // namespace
