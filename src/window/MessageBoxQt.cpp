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
// the desktop provides. A form feed in a message stands for a line break. Escape and the
// title bar's close button answer neither Yes nor No: a hidden button takes them, so that
// each question can treat them as the answer that loses nothing.
int MessageBoxQt::afficher(const QString& prompt, int buttons, const QString& title) {
    QString texte = prompt;
    texte.replace(QChar(12), u'\n');
    QMessageBox boite(icone(buttons), title, texte, QMessageBox::NoButton, m_fenetre);
    if ((buttons & Msg::MasqueBoutons) != Msg::OuiNon) {
        boite.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        boite.exec();
        return Msg::RepOK;
    }
    QPushButton* oui = boite.addButton(QMessageBox::Yes);
    QPushButton* non = boite.addButton(QMessageBox::No);
    oui->setText(QStringLiteral("Oui"));
    non->setText(QStringLiteral("Non"));
    QPushButton* echap = boite.addButton(QMessageBox::Cancel);
    echap->hide();
    boite.setDefaultButton(oui);
    boite.setEscapeButton(echap);
    boite.exec();
    if (boite.clickedButton() == oui)
        return Msg::RepOui;
    return boite.clickedButton() == non ? Msg::RepNon : Msg::RepAnnuler;
}
