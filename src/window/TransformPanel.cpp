#include "window/TransformPanel.h"

#include "editing/SequenceEditor.h"
#include "window/DesignedControls.h"
#include "window/PressRouter.h"
#include "window/widgets/Twips.h"

#include <QLabel>
#include <QPushButton>

#include <tuple>

namespace {

struct Row {
    const char* role; // the caption's; the buttons' roles follow from it
    QString caption;
    QString leftTip;
    QString rightTip;
};

} // namespace

TransformPanel::TransformPanel(SequenceEditor& editor, PressRouter& presses, QWidget* background)
    : QGroupBox(background) {
    designed::frame(this, "transformPanel", twipsRect(3960, 120, 2535, 2295), QString(),
                    tr("Transformations"));
    build();
    bind(editor, presses);
}

// Each row: "<" on the left, its caption, ">" on the right.
void TransformPanel::build() {
    const Row rows[] = {
        {"mirror", tr("Symétrie"), tr(" Permet la symétrie gauche "),
         tr(" Permet la symétrie droite ")},
        {"shift", tr("Déplacement"), tr("Permet le deplacement de la matrice vers la gauche."),
         tr("Permet le deplacement de la matrice vers la droite.")},
        {"rotate", tr("Rotation"), tr(" Permet le défilement de la matrice vers la gauche "),
         tr(" Permet le défilement de la matrice vers la droite ")},
    };
    QPushButton** buttons[][2] = {{&m_mirrorLeft, &m_mirrorRight},
                                  {&m_shiftLeft, &m_shiftRight},
                                  {&m_rotateLeft, &m_rotateRight}};
    for (int i = 0; i < 3; ++i) {
        const Row& row = rows[i];
        const int top = 360 + 480 * i;
        const QByteArray role(row.role);
        *buttons[i][0] =
            designed::button(this, (role + "LeftButton").constData(), twipsRect(300, top, 375, 375),
                             QStringLiteral("<"), row.leftTip);
        *buttons[i][1] =
            designed::button(this, (role + "RightButton").constData(),
                             twipsRect(1860, top, 375, 375), QStringLiteral(">"), row.rightTip);
        designed::label(this, (role + "Label").constData(), twipsRect(690, top + 60, 1155, 255),
                        row.caption)
            ->setAlignment(Qt::AlignCenter);
    }
    m_invert = designed::button(this, "invertButton", twipsRect(300, 1740, 855, 375), tr("Inverse"),
                                tr("Inverse la couleur des LED."));
    m_clear = designed::button(this, "clearButton", twipsRect(1380, 1740, 855, 375), tr("CLEAR"),
                               tr("Efface la trame en cours."));
}

void TransformPanel::bind(SequenceEditor& editor, PressRouter& presses) {
    presses.watchContainer(this);
    SequenceEditor* e = &editor;
    using Move = void (SequenceEditor::*)(Side, Press);
    const std::tuple<QPushButton*, Move, Side> moves[] = {
        {m_mirrorLeft, &SequenceEditor::mirror, Side::Left},
        {m_mirrorRight, &SequenceEditor::mirror, Side::Right},
        {m_shiftLeft, &SequenceEditor::shift, Side::Left},
        {m_shiftRight, &SequenceEditor::shift, Side::Right},
        {m_rotateLeft, &SequenceEditor::rotate, Side::Left},
        {m_rotateRight, &SequenceEditor::rotate, Side::Right},
    };
    for (const auto& move : moves) {
        const Move act = std::get<1>(move);
        const Side side = std::get<2>(move);
        presses.watch(std::get<0>(move), [e, act, side](Press press) { (e->*act)(side, press); });
    }
    presses.watch(m_invert, [e](Press press) { e->invert(press); });
    presses.watch(m_clear, [e](Press) { e->clearFrame(); });
}
