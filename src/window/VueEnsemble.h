#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QScrollArea>
#include <functional>

class LT840;
class ToileVueEnsemble;

// How one record is drawn in the overview.
struct ColonneVue {
    quint8 lampes = 0; // bit i set: lamp i lit
    qint16 code = 0;   // the time-base code, for the duration bar
    bool courante = false;
    bool dansPlage = false; // between "Départ" and "En cours"
    bool jouee = false;     // being played by the simulator
    bool travail = false;   // the record after the last one made
    bool operator==(const ColonneVue&) const = default;
};

// Everything the overview draws: one column per record 0..N-1 and the working record N after
// them, and the colour scheme.
struct ImageSequence {
    QList<ColonneVue> colonnes;
    QColor allumee;
    QColor eteinte;
    bool operator==(const ImageSequence&) const = default;
};

ImageSequence imageSequence(const LT840& ed, const QPalette& palette);

// "Vue d'ensemble": every record of the sequence at a glance, as a strip of columns of eight
// lamps with the record number every ten columns and a bar for each record's duration. It
// scrolls sideways, follows the current record and repaints only the columns that changed.
class VueEnsemble : public QScrollArea {
public:
    static constexpr int LargeurColonne = 12;
    static constexpr int Hauteur = 130;

    explicit VueEnsemble(QWidget* parent);

    // What to do for a press on column `colonne` (-1: beyond the last record) or for a key
    // that moves to it.
    std::function<void(int colonne, Qt::MouseButton, Qt::KeyboardModifiers)> surPression;
    std::function<void(int colonne)> surTouche;

    void montrer(const ImageSequence& image);
    const ImageSequence& image() const { return m_image; }
    QWidget* toile() const;
    // Draws the part `zone` of the strip; the widget paints with it, the benchmark too.
    void peindre(QPainter& p, const QRect& zone) const;
    static int colonneEn(int x, int nombreColonnes);
    static QRect rectColonne(int colonne);

private:
    void repeindreChangements(const ImageSequence& avant);
    void preparerLampes();
    void suivreCourante(const ImageSequence& avant);
    void peindreEnregistrement(QPainter& p, const QRect& r, const ColonneVue& col) const;

    ToileVueEnsemble* m_toile;
    ImageSequence m_image;
    // A lit and an unlit lamp drawn once for the scheme in force: thousands of lamps are
    // then copied, not drawn.
    QPixmap m_lampeAllumee;
    QPixmap m_lampeEteinte;
};
