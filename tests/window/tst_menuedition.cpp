#include "PosteFenetre.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace {

const QStringList Elements{"Annuler", "Retablir", "Couper",   "Copier",
                           "Coller",  "Inserer",  "Dupliquer"};

QAction* action(PosteFenetre& f, const QString& nom) {
    return f.fenetre.findChild<QMenu*>("Edition")->findChild<QAction*>(nom);
}

// The items that can act, in the menu's order.
QStringList actifs(PosteFenetre& f) {
    QStringList l;
    for (const QString& nom : Elements)
        if (action(f, nom)->isEnabled())
            l << nom;
    return l;
}

} // namespace

class TstMenuEdition : public QObject {
    Q_OBJECT
private slots:
    // Between "&Fichier" and "&Option"; a screen reader says each caption as it is shown.
    void legendes() {
        PosteFenetre f;
        QStringList barre;
        for (const QAction* a : f.fenetre.menuBar()->actions())
            barre << a->text();
        QCOMPARE(barre, (QStringList{"&Fichier", "&Édition", "&Option", "&Transfert", "?"}));
        auto* menu = f.fenetre.findChild<QMenu*>("Edition");
        QAccessibleInterface* lu = QAccessible::queryAccessibleInterface(menu);
        QStringList elements;
        for (int i = 0; i < lu->childCount(); ++i) {
            const QString nom = lu->child(i)->text(QAccessible::Name);
            if (!nom.isEmpty())
                elements << nom + u' ' + lu->child(i)->text(QAccessible::Accelerator);
        }
        QCOMPARE(elements,
                 (QStringList{"Annuler Ctrl+Z", "Rétablir Ctrl+Y", "Couper Ctrl+X", "Copier Ctrl+C",
                              "Coller Ctrl+Shift+V", "Insérer un enregistrement Ins",
                              "Dupliquer l'enregistrement Ctrl+D"}));
    }

    // Records 0..2 made, the last one undone, record 1 shown and records 0..1 copied: every
    // item acts, from a text field too; Shift+Insert still pastes the field's own text there.
    void raccourcisDepuisUnChamp_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QKeySequence>("touches");
        const std::pair<const char*, const char*> raccourcis[] = {
            {"Annuler", "Ctrl+Z"}, {"Retablir", "Ctrl+Y"}, {"Retablir", "Ctrl+Shift+Z"},
            {"Couper", "Ctrl+X"},  {"Copier", "Ctrl+C"},   {"Coller", "Ctrl+Shift+V"},
            {"Inserer", "Ins"},    {"Dupliquer", "Ctrl+D"}};
        for (const auto& [element, touches] : raccourcis)
            QTest::newRow(touches) << element << QKeySequence(QString::fromLatin1(touches));
    }
    void raccourcisDepuisUnChamp() {
        QFETCH(QString, element);
        QFETCH(QKeySequence, touches);
        PosteFenetre f;
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
        QCOMPARE(actifs(f), QStringList{"Inserer"});
        for (int k = 0; k < 3; ++k)
            f.presser("Cmd1", Qt::LeftButton);
        action(f, "Annuler")->trigger();
        QTest::mouseClick(f.controle("Cmd2"), Qt::LeftButton);
        action(f, "Copier")->trigger();
        QCOMPARE(actifs(f), Elements);
        auto* depart = f.controle<QLineEdit>("Text1");
        depart->setFocus();
        QSignalSpy declenche(action(f, element), &QAction::triggered);
        QTest::keySequence(depart, touches);
        QCOMPARE(declenche.count(), 1);
        QCOMPARE(depart->text(), u"0");
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        depart->setCursorPosition(0);
        QTest::keyClick(depart, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(depart->text(), u"x0");
        QVERIFY(!actifs(f).contains(u"Copier")); // the start address names no record now
    }
};

QTEST_MAIN(TstMenuEdition)
#include "tst_menuedition.moc"
