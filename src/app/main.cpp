#include "editor/LT840.h"
#include "window/FenetrePrincipale.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LT840 editeur(Plateforme{});
    editeur.Form_Load();
    FenetrePrincipale fenetre(editeur);
    fenetre.show();
    return app.exec();
}
