#pragma once

#include "model/TimeBase.h"

#include <QGroupBox>

#include <array>

class PressRouter;
class QComboBox;
class QLineEdit;
class QRadioButton;
class SequenceEditor;

// "Base de temps": the base periods, the period of one frame that results, and the six
// multiplier buttons (x1 x2 x5 on the left, x10 x15 x20 on the right). A press chooses the
// multiplier; a button checked from the keyboard is put back. Text typed into the period
// lasts until the period is computed again.
class TimeBasePanel : public QGroupBox {
    Q_OBJECT

public:
    TimeBasePanel(SequenceEditor& editor, PressRouter& presses, QWidget* background);

    QComboBox* basePeriodList() const { return m_basePeriods; }
    QLineEdit* framePeriodField() const { return m_framePeriod; }
    QRadioButton* multiplierButton(int index) const { return m_multipliers.at(index); }

private:
    void build();
    void bind(PressRouter& presses);
    void showPeriod(double seconds);
    void markMultiplier();

    SequenceEditor& m_editor;
    QComboBox* m_basePeriods = nullptr;
    QLineEdit* m_framePeriod = nullptr;
    std::array<QRadioButton*, timebase::ButtonCount> m_multipliers{};
};
