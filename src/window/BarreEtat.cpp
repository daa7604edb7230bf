#include "window/BarreEtat.h"

#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"
#include "playback/DureeTour.h"
#include "window/TextePort.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStatusBar>

namespace {

// The board holds records 0 to 250.
constexpr int CapaciteCarte = DernierEnrCarte + 1;

// A text that may not fit the designed width, such as a long device path, gives way first:
// it is shortened in the middle, and its tooltip keeps it whole.
class TexteAbrege : public QLabel {
public:
    using QLabel::QLabel;

protected:
    QSize minimumSizeHint() const override { return {fontMetrics().height(), 0}; }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width()));
    }
};

QLabel* element(QStatusBar* barre, const char* nom, QLabel* l = nullptr, int etirement = 0) {
    if (!l)
        l = new QLabel(barre);
    l->setObjectName(QLatin1String(nom));
    barre->addWidget(l, etirement);
    return l;
}

void afficher(QLabel* l, const QString& texte) {
    if (l->text() != texte) {
        l->setText(texte);
        l->setToolTip(texte);
    }
    l->setAccessibleName(texte);
    l->setVisible(!texte.isEmpty());
}

} // namespace

TextesEtat textesEtat(const LT840& ed) {
    const double secondes =
        dureeTour(ed.TabTrames, ed.HScroll1Max(), valeurNumerique(ed.Ctl.List1Text()));
    return {QStringLiteral("Enregistrements : %1 / %2")
                .arg(nombreEnregistrements(ed.TabTrames, ed.HScroll1Max()))
                .arg(CapaciteCarte),
            QStringLiteral("Durée d'un tour : %1 s").arg(QLocale().toString(secondes, 'f', 2)),
            QStringLiteral("Port : ") + textePort(ed),
            ed.Modifie ? QStringLiteral("Modifié") : QString()};
}

BarreEtat::BarreEtat(QStatusBar* barre)
    : m_enregistrements(element(barre, "EtatEnregistrements")),
      m_duree(element(barre, "EtatDuree")),
      m_port(element(barre, "EtatPort", new TexteAbrege(barre), 1)),
      m_modifie(element(barre, "EtatModifie")) {
    barre->setSizeGripEnabled(false);
    // The last text keeps clear of the window's edge.
    barre->setContentsMargins(0, 0, barre->fontMetrics().averageCharWidth(), 0);
}

void BarreEtat::montrer(const LT840& ed) {
    const TextesEtat t = textesEtat(ed);
    afficher(m_enregistrements, t.enregistrements);
    afficher(m_duree, t.duree);
    afficher(m_port, t.port);
    afficher(m_modifie, t.modifie);
}
