#include "window/VueEnsemble.h"

#include "editor/LT840.h"
#include "editor/ValeurNumerique.h"
#include "playback/IntervalleSimulateur.h"
#include "window/CouleurQt.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

// In pixels from the top of the strip: the playback mark, the record numbers, the lamps,
// then the duration bars, x20 being the tallest.
constexpr int HauteurMarque = 5;
// The strip starts a little off the left edge, and ends with room for the last column's
// number, which is drawn across the columns after its own.
constexpr int MargeGauche = 4;
constexpr int HautNumeros = 3;
constexpr int HautLampes = 17;
constexpr int PasLampes = 10;
constexpr int DiametreLampe = 8;
constexpr int BasBarres = 126;
constexpr int PixelsParFacteur = 6; // per 5 units of multiplier: x20 is 24 pixels high
constexpr int NumeroTous = 10;
// A number is drawn from its own column across the next ones.
constexpr int ColonnesNumero = 4;

const QColor CouleurJouee(255, 0, 0);
constexpr qreal OpaciteTravail = 0.3;

int hauteurBarre(qint16 code) {
    return (facteurDuCode(code) * PixelsParFacteur + 2) / 5;
}

} // namespace

ImageSequence imageSequence(const LT840& ed, const QPalette& palette) {
    ImageSequence image;
    image.allumee = couleurQt(ed.CouleurOn, palette);
    image.eteinte = couleurQt(ed.CouleurOff, palette);
    const std::optional<int> depart = numeroEnregistrement(ed.Ctl.Text1);
    const std::optional<int> enCours = numeroEnregistrement(ed.Ctl.Text2);
    const int debutPlage = depart && enCours ? qMin(*depart, *enCours) : 0;
    const int finPlage = depart && enCours ? qMax(*depart, *enCours) : -1;
    image.colonnes.resize(ed.HScroll1Max() + 1);
    for (int r = 0; r < image.colonnes.size(); ++r) {
        ColonneVue& c = image.colonnes[r];
        for (int i = 0; i < NombreLampes; ++i)
            if (ed.TabTrames[r][i] == 1)
                c.lampes |= quint8(1u << i);
        c.code = ed.TabTrames[r][LigneCode];
        c.courante = r == ed.EnrCours;
        c.dansPlage = r >= debutPlage && r <= finPlage;
        c.jouee = c.courante && ed.EnLecture;
    }
    image.colonnes.last().travail = true;
    return image;
}

// The drawn strip, as wide as the records need; the scroll area around it moves it.
class ToileVueEnsemble : public QWidget {
public:
    explicit ToileVueEnsemble(VueEnsemble* vue) : QWidget(vue), m_vue(vue) {
        setObjectName(QStringLiteral("ToileVueEnsemble"));
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(QStringLiteral("Vue d'ensemble"));
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        m_vue->peindre(p, e->rect());
    }
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        if (m_vue->surPression)
            m_vue->surPression(
                VueEnsemble::colonneEn(int(e->position().x()), int(colonnes().size())), e->button(),
                e->modifiers());
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override { repeindreCourante(); }
    void focusOutEvent(QFocusEvent*) override { repeindreCourante(); }

private:
    const QList<ColonneVue>& colonnes() const { return m_vue->image().colonnes; }
    int courante() const {
        for (int c = 0; c < colonnes().size(); ++c)
            if (colonnes()[c].courante)
                return c;
        return -1;
    }
    void repeindreCourante() { update(VueEnsemble::rectColonne(courante())); }

    VueEnsemble* m_vue;
};

// The arrows step through the records, Home and End go to the first and the last.
void ToileVueEnsemble::keyPressEvent(QKeyEvent* e) {
    const int dernier = int(colonnes().size()) - 1;
    int cible = courante();
    switch (e->key()) {
    case Qt::Key_Left:
        --cible;
        break;
    case Qt::Key_Right:
        ++cible;
        break;
    case Qt::Key_Home:
        cible = 0;
        break;
    case Qt::Key_End:
        cible = dernier;
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    if (m_vue->surTouche)
        m_vue->surTouche(qBound(0, cible, dernier));
}

VueEnsemble::VueEnsemble(QWidget* parent)
    : QScrollArea(parent), m_toile(new ToileVueEnsemble(this)) {
    setObjectName(QStringLiteral("VueEnsemble"));
    setAccessibleName(QStringLiteral("Vue d'ensemble"));
    setToolTip(QStringLiteral("Cliquer : afficher l'enregistrement ; Maj+clic : « Départ » ; "
                              "clic droit : enregistrer"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(true);
    setWidget(m_toile);
    setFixedHeight(Hauteur + horizontalScrollBar()->sizeHint().height() + 2 * frameWidth());
}

QWidget* VueEnsemble::toile() const {
    return m_toile;
}

int VueEnsemble::colonneEn(int x, int nombreColonnes) {
    const int c = x >= MargeGauche ? (x - MargeGauche) / LargeurColonne : -1;
    return c < nombreColonnes ? c : -1;
}

QRect VueEnsemble::rectColonne(int colonne) {
    return colonne < 0 ? QRect()
                       : QRect(MargeGauche + colonne * LargeurColonne, 0, LargeurColonne, Hauteur);
}

void VueEnsemble::montrer(const ImageSequence& image) {
    if (image == m_image)
        return;
    const ImageSequence avant = std::exchange(m_image, image);
    if (avant.allumee != m_image.allumee || avant.eteinte != m_image.eteinte)
        preparerLampes();
    const int colonnes = int(m_image.colonnes.size()) + ColonnesNumero - 1;
    m_toile->setMinimumSize(MargeGauche + colonnes * LargeurColonne, Hauteur);
    repeindreChangements(avant);
    suivreCourante(avant);
}

// A new colour scheme changes every column; otherwise only the columns whose record, marks
// or existence changed are painted again.
void VueEnsemble::repeindreChangements(const ImageSequence& avant) {
    if (avant.allumee != m_image.allumee || avant.eteinte != m_image.eteinte) {
        m_toile->update();
        return;
    }
    const qsizetype communes = qMin(avant.colonnes.size(), m_image.colonnes.size());
    for (qsizetype c = 0; c < communes; ++c)
        if (avant.colonnes[c] != m_image.colonnes[c])
            m_toile->update(rectColonne(int(c)));
    const qsizetype plus = qMax(avant.colonnes.size(), m_image.colonnes.size());
    if (plus > communes)
        m_toile->update(rectColonne(int(communes)).united(rectColonne(int(plus - 1))));
}

void VueEnsemble::preparerLampes() {
    const qreal ratio = devicePixelRatioF();
    const auto lampe = [&](const QColor& remplissage) {
        QPixmap pixmap(QSize(DiametreLampe, DiametreLampe) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(m_image.allumee, 1));
        p.setBrush(remplissage);
        p.drawEllipse(QRectF(0.5, 0.5, DiametreLampe - 1, DiametreLampe - 1));
        return pixmap;
    };
    m_lampeAllumee = lampe(m_image.allumee);
    m_lampeEteinte = lampe(m_image.eteinte);
}

void VueEnsemble::suivreCourante(const ImageSequence& avant) {
    const auto estCourante = [](const ColonneVue& c) { return c.courante; };
    const auto it = std::find_if(m_image.colonnes.cbegin(), m_image.colonnes.cend(), estCourante);
    if (it == m_image.colonnes.cend())
        return;
    const int c = int(it - m_image.colonnes.cbegin());
    if (c < avant.colonnes.size() && avant.colonnes[c].courante)
        return;
    ensureVisible(rectColonne(c).center().x(), Hauteur / 2, 3 * LargeurColonne, 0);
}

// The working record after the last one made is drawn faint: it is not part of the sequence.
void VueEnsemble::peindreEnregistrement(QPainter& p, const QRect& r, const ColonneVue& col) const {
    p.setOpacity(col.travail ? OpaciteTravail : 1.0);
    for (int i = 0; i < NombreLampes; ++i)
        p.drawPixmap(r.x() + 2, HautLampes + i * PasLampes,
                     (col.lampes >> i) & 1 ? m_lampeAllumee : m_lampeEteinte);
    const int h = hauteurBarre(col.code);
    p.fillRect(r.x() + 3, BasBarres - h, LargeurColonne - 6, h, palette().color(QPalette::Mid));
    p.setOpacity(1.0);
}

void VueEnsemble::peindre(QPainter& p, const QRect& zone) const {
    const QPalette& pal = palette();
    p.fillRect(zone, pal.color(QPalette::Base));
    const int n = int(m_image.colonnes.size());
    const int premiere = qMax(0, (zone.left() - MargeGauche) / LargeurColonne);
    const int derniere = qMin(n - 1, (zone.right() - MargeGauche) / LargeurColonne);
    QColor plage = pal.color(QPalette::Highlight);
    plage.setAlpha(70);
    const QColor cadre =
        m_toile->hasFocus() ? pal.color(QPalette::Highlight) : pal.color(QPalette::Text);
    for (int c = premiere; c <= derniere; ++c) {
        const ColonneVue& col = m_image.colonnes[c];
        const QRect r = rectColonne(c);
        if (col.dansPlage)
            p.fillRect(r, plage);
        if (col.jouee)
            p.fillRect(r.x(), 0, LargeurColonne, HauteurMarque, CouleurJouee);
        peindreEnregistrement(p, r, col);
        if (col.courante) {
            p.setPen(QPen(col.jouee ? CouleurJouee : cadre, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(r).adjusted(1, HautLampes - 2, -1, -1));
        }
    }
    p.setPen(pal.color(QPalette::Text));
    QFont police = p.font();
    police.setPixelSize(10);
    p.setFont(police);
    for (int c = premiere - premiere % NumeroTous; c <= derniere; c += NumeroTous)
        if (c + ColonnesNumero > premiere)
            p.drawText(QRect(rectColonne(c).x() + 1, HautNumeros, ColonnesNumero * LargeurColonne,
                             HautLampes - HautNumeros),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::number(c));
}
