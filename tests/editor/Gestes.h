#pragma once

#include "Motifs.h"

#include <QHash>

using namespace Qt::StringLiterals;

// What a user does, as blank-separated words "name:arguments": a control's handler by its
// name (Cmd5 left press, Cmd5:d right, Cmd5:m middle; Focus1 is Text1 losing the focus);
// lampe:x,y[,b] presses the grid (twips), x:i[,b] multiplier button i; R2:1,0,… sets rows 0..
// of record 2 as a file may; terne:3 paints lamp 3 in a colour of no scheme; auto ticks
// "Mode Auto."; the other words set a field or call a helper of Motifs.h.
inline void gestes(LT840& ed, const QString& script) {
    const QStringList clics{"Cmd1", "Raccourci", "Cmd3", "Cmd4",  "Cmd5",  "Cmd6",
                            "Cmd7", "Cmd8",      "Cmd9", "Cmd10", "Cmd11", "Cmd12"};
    void (LT840::*const clic[])(Souris) = {
        &LT840::Cmd1_MouseDown,  &LT840::RaccourciDroit_MouseDown, &LT840::Cmd3_MouseDown,
        &LT840::Cmd4_MouseDown,  &LT840::Cmd5_MouseDown,           &LT840::Cmd6_MouseDown,
        &LT840::Cmd7_MouseDown,  &LT840::Cmd8_MouseDown,           &LT840::Cmd9_MouseDown,
        &LT840::Cmd10_MouseDown, &LT840::Cmd11_MouseDown,          &LT840::Cmd12_MouseDown};
    const QStringList menus{"CLICK",  "Cmd2",   "SUPP",    "Timer1",    "Copier",
                            "Couper", "Coller", "Inserer", "Dupliquer", "Focus1",
                            "Jaune",  "Rouge",  "Vert"};
    void (LT840::*const menu[])() = {
        &LT840::CLICK,           &LT840::Cmd2_Click,    &LT840::CmdSUPP_Click,
        &LT840::Timer1_Timer,    &LT840::Copier_Click,  &LT840::Couper_Click,
        &LT840::Coller_Click,    &LT840::Inserer_Click, &LT840::Dupliquer_Click,
        &LT840::Text1_LostFocus, &LT840::Jaune_Click,   &LT840::Rouge_Click,
        &LT840::Vert_Click};
    const auto souris = [](const QString& b) {
        return b == u"d" ? Souris::Droit : b == u"m" ? Souris::Milieu : Souris::Gauche;
    };
    using G = std::function<void(LT840&, const QString&, const QStringList&)>;
    const QHash<QString, G> valeurs{
        {"lampe",
         [&](LT840& e, auto&, auto& v) {
             e.Frame1_MouseDown(souris(v.value(2)), v[0].toFloat(), v.value(1).toFloat());
         }},
        {"x",
         [&](LT840& e, auto&, auto& v) { e.Option1_MouseDown(v[0].toInt(), souris(v.value(1))); }},
        {"peindre", [](LT840& e, auto& a, auto&) { peindre(e, a); }},
        {"suite", [](LT840& e, auto& a, auto&) { suite(e, a.toInt()); }},
        {"Text1", [](LT840& e, auto& a, auto&) { e.Ctl.Text1 = a; }},
        {"Text2", [](LT840& e, auto& a, auto&) { e.Ctl.Text2 = a; }},
        {"Text3", [](LT840& e, auto& a, auto&) { e.setText3(a); }},
        {"HScroll1", [](LT840& e, auto& a, auto&) { e.setHScroll1Value(a.toInt()); }},
        {"EnrCours", [](LT840& e, auto& a, auto&) { e.EnrCours = qint16(a.toInt()); }},
        {"List1", [](LT840& e, auto& a, auto&) { e.Ctl.List1Index = a.toInt(), e.List1_Click(); }},
        {"Touche1", [](LT840& e, auto& a, auto&) { e.Text1_KeyPress(a.toInt()); }},
        {"Touche2", [](LT840& e, auto& a, auto&) { e.Text2_KeyPress(a.toInt()); }},
        {"auto", [](LT840& e, auto&, auto&) { e.Ctl.Check1 = 1; }},
        {"langue", [](LT840&, auto& a, auto&) { QLocale::setDefault(QLocale(a)); }},
        {"terne", [](LT840& e, auto& a, auto&) { e.Ctl.Shape1[a.toInt()].FillColor = 0x0000C000; }},
    };
    for (const QString& mot : script.split(u' ', Qt::SkipEmptyParts)) {
        const QString nom = mot.section(u':', 0, 0), a = mot.section(u':', 1);
        const QStringList v = a.split(u',');
        if (clics.contains(nom))
            (ed.*clic[clics.indexOf(nom)])(souris(a));
        else if (menus.contains(nom))
            (ed.*menu[menus.indexOf(nom)])();
        else if (valeurs.contains(nom))
            valeurs[nom](ed, a, v);
        else if (nom.size() > 1 && nom[0] == u'R' && nom[1].isDigit())
            for (int i = 0; i < v.size(); ++i)
                ed.TabTrames[nom.mid(1).toInt()][i] = qint16(v[i].toInt());
        else
            QFAIL(qPrintable(u"no such gesture: "_s + nom));
    }
}

// A row of an editor table whose action is a script of gestures.
inline void geste(const char* nom, const QString& script, const QString& vue,
                  const QString& magasin = {}) {
    QTest::newRow(nom) << Scenario{0, [script](LT840& ed) { gestes(ed, script); }, vue, magasin};
}
