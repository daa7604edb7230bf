#include "window/MessageBoxQt.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int MasqueIcone = 0x70;

QMessageBox::Icon icone(int buttons) {
    switch (buttons & MasqueIcone) {
    case Msg::Critique:
        return QMessageBox::Critical;
    case Msg::Question:
        return QMessageBox::Question;
    case Msg::Exclamation:
        return QMessageBox::Warning;
    case Msg::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

// The button texts are set here so that the answers read in French whatever translations
// the desktop provides.
int MessageBoxQt::afficher(const QString& prompt, int buttons, const QString& title) {
    QMessageBox boite(icone(buttons), title, prompt, QMessageBox::NoButton, m_fenetre);
    if ((buttons & Msg::MasqueBoutons) != Msg::OuiNon) {
        boite.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        boite.exec();
        return Msg::RepOK;
    }
    QPushButton* oui = boite.addButton(QMessageBox::Yes);
    QPushButton* non = boite.addButton(QMessageBox::No);
    oui->setText(QStringLiteral("Oui"));
    non->setText(QStringLiteral("Non"));
    boite.setDefaultButton(oui);
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui ? Msg::RepOui : Msg::RepNon;
}
