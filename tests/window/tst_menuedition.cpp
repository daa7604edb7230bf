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

// The items that can act, in the menu's order.
QStringList actifs(QMenu* menu) {
    QStringList l;
    for (const QString& nom : Elements)
        if (menu->findChild<QAction*>(nom)->isEnabled())
            l << nom;
    return l;
}

} // namespace

class TstMenuEdition : public QObject {
    Q_OBJECT
private slots:
    // Records 0..2 made, the last one undone, record 1 shown and records 0..1 copied: every
    // item acts, from a text field too, where Shift+Insert still pastes the field's own text.
    // A screen reader says each caption as it is shown.
    void elements_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("legende");
        QTest::addColumn<QKeySequence>("touches");
        const char* elements[][3] = {{"Annuler", "Annuler", "Ctrl+Z"},
                                     {"Retablir", "Rétablir", "Ctrl+Y"},
                                     {"Retablir", "Rétablir", "Ctrl+Shift+Z"},
                                     {"Couper", "Couper", "Ctrl+X"},
                                     {"Copier", "Copier", "Ctrl+C"},
                                     {"Coller", "Coller", "Ctrl+Shift+V"},
                                     {"Inserer", "Insérer un enregistrement", "Ins"},
                                     {"Dupliquer", "Dupliquer l'enregistrement", "Ctrl+D"}};
        for (const auto& [element, legende, touches] : elements)
            QTest::newRow(touches) << element << QString::fromUtf8(legende)
                                   << QKeySequence(QString::fromLatin1(touches));
    }
    void elements() {
        QFETCH(QString, element);
        QFETCH(QKeySequence, touches);
        PosteFenetre f;
        f.fenetre.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.fenetre));
        QStringList barre;
        for (const QAction* a : f.fenetre.menuBar()->actions())
            barre << a->text();
        QCOMPARE(barre, (QStringList{"&Fichier", "&Édition", "&Option", "&Transfert", "?"}));
        auto* menu = f.fenetre.findChild<QMenu*>("Edition");
        QCOMPARE(actifs(menu), QStringList{"Inserer"});
        for (int k = 0; k < 3; ++k)
            f.presser("Cmd1", Qt::LeftButton);
        menu->findChild<QAction*>("Annuler")->trigger();
        QTest::mouseClick(f.controle("Cmd2"), Qt::LeftButton);
        menu->findChild<QAction*>("Copier")->trigger();
        QCOMPARE(actifs(menu), Elements);
        QAction* a = menu->findChild<QAction*>(element);
        QAccessibleInterface* lu = QAccessible::queryAccessibleInterface(menu);
        QTEST(lu->child(int(menu->actions().indexOf(a)))->text(QAccessible::Name), "legende");

        auto* depart = f.controle<QLineEdit>("Text1");
        depart->setFocus();
        QSignalSpy declenche(a, &QAction::triggered);
        QTest::keySequence(depart, touches);
        QCOMPARE(declenche.count(), 1);
        QGuiApplication::clipboard()->setText(QStringLiteral("x"));
        depart->setCursorPosition(0);
        QTest::keyClick(depart, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(depart->text(), u"x0");
        QVERIFY(!actifs(menu).contains(u"Copier")); // the start address names no record now
    }
};

QTEST_MAIN(TstMenuEdition)
#include "tst_menuedition.moc"
