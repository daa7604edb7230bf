#pragma once

#include "model/Colour.h"
#include "model/Frame.h"

#include <QGroupBox>

#include <array>
#include <optional>

class LampWidget;
class SequenceEditor;

// The frame of the eight lamps: each a filled circle with its highlight dot, bordered with
// the lit colour of the scheme in force. Each lamp is accessible as "LED n" (n from 1),
// described "allumée" or "éteinte". Sized by the design (5295 x 1065 twips) or larger, its
// lamps growing with it in proportion; the caller places it.
//
// A left press (or the second press of a double click) on a lamp's zone asks for that lamp
// to be switched; a right press anywhere on the grid asks for the frame to be recorded, as
// the right button does over most of the window; any other press does nothing. Every press
// stops here, so that the window beneath does not count it a second time.
//
// From the keyboard, Tab reaches the grid; Left and Right (Home, End) move a focus mark among
// the lamps, Space switches the marked lamp, and keys 1 to 8 switch lamps 1 to 8, each as a
// left press on it would.
class LampGrid : public QGroupBox {
    Q_OBJECT

public:
    explicit LampGrid(QWidget* parent = nullptr);

    // Paints the lamps from the editor now and whenever its lamps or its colours change.
    void follow(const SequenceEditor& editor);
    // Paints the lamps given; only the lamps whose colours changed are repainted.
    void showLamps(const LampStates& lamps, const LampColours& colours);

    // The lamp whose zone holds a press at (x, y) in twips of the design from the grid's top
    // left corner:
    // within the band 375 <= y <= 825, x in [240, 690) for lamp 0, ... [4470, 4890) for lamp 7.
    static std::optional<int> lampAt(double xTwips, double yTwips);

    // The widget of lamp `lamp` (0..7), for accessibility and the tests.
    QWidget* lamp(int lamp) const;
    QColor fillColour(int lamp) const;

signals:
    void lampPressed(int lamp);
    void recordRequested();

protected:
    // A double click's second press comes here too, as QWidget delivers it.
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    qreal scale() const; // the grid's size against its design
    void markFocus(int lamp);

    std::array<LampWidget*, Frame::LampCount> m_lamps{};
    int m_focusLamp = 0; // the lamp Space switches
};
