#include "window/TimeBasePanel.h"

#include "editing/SequenceEditor.h"
#include "window/DesignedControls.h"
#include "window/PressRouter.h"
#include "window/widgets/Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

TimeBasePanel::TimeBasePanel(SequenceEditor& editor, PressRouter& presses, QWidget* background)
    : QGroupBox(background), m_editor(editor) {
    designed::frame(this, "timeBasePanel", twipsRect(3900, 4920, 2055, 1935), tr("Base de temps"),
                    tr("Base de temps"));
    build();
    bind(presses);
    m_basePeriods->setCurrentIndex(editor.basePeriodIndex());
    showPeriod(editor.framePeriod());
    markMultiplier();
}

void TimeBasePanel::build() {
    m_basePeriods =
        designed::placed(new QComboBox(this), "basePeriodList", twipsRect(210, 360, 855, 300));
    m_basePeriods->setAccessibleName(tr("Période de base"));
    m_basePeriods->addItems(timebase::basePeriodTexts());
    m_framePeriod = designed::field(this, "framePeriodField", twipsRect(1170, 360, 645, 300),
                                    QString(), tr("Période par trame"));
    static const char* const captions[] = {"x1", "x2", "x5", "x10", "x15", "x20"};
    for (int i = 0; i < timebase::ButtonCount; ++i) {
        const QRect rect = twipsRect(i < 3 ? 330 : 1170, 840 + 330 * (i % 3), 750, 255);
        const QByteArray role = "multiplierButton" + QByteArray::number(i);
        auto* b = designed::placed(new QRadioButton(QLatin1String(captions[i]), this),
                                   role.constData(), rect);
        b->setAccessibleName(b->text());
        m_multipliers[i] = b;
    }
    m_multipliers[4]->setToolTip(tr("Sélection de la base de temps."));
}

void TimeBasePanel::bind(PressRouter& presses) {
    presses.watchContainer(this);
    for (int i = 0; i < timebase::ButtonCount; ++i) {
        presses.watch(m_multipliers[i], [this, i](Press) { m_editor.chooseMultiplier(i); });
        connect(m_multipliers[i], &QRadioButton::clicked, this, [this] { markMultiplier(); });
    }
    connect(m_basePeriods, &QComboBox::activated, &m_editor, &SequenceEditor::chooseBasePeriod);
    connect(&m_editor, &SequenceEditor::basePeriodChanged, m_basePeriods,
            &QComboBox::setCurrentIndex);
    connect(&m_editor, &SequenceEditor::framePeriodComputed, this,
            [this](double seconds) { showPeriod(seconds); });
    connect(&m_editor, &SequenceEditor::multiplierChanged, this, [this] { markMultiplier(); });
}

void TimeBasePanel::showPeriod(double seconds) {
    m_framePeriod->setText(timebase::periodText(seconds));
    m_framePeriod->setCursorPosition(0);
}

// Exclusive buttons cannot all be unmarked; marking none lifts the exclusion for a moment.
void TimeBasePanel::markMultiplier() {
    const int marked = m_editor.markedButton();
    for (int i = 0; i < timebase::ButtonCount; ++i) {
        QRadioButton* b = m_multipliers[i];
        b->setAutoExclusive(false);
        b->setChecked(i == marked);
        b->setAutoExclusive(true);
    }
}
