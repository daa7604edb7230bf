#pragma once

#include <QList>
#include <QWidget>

#include <utility>

class LampGrid;
class OptionsPanel;
class Overview;
class PressRouter;
class QProgressBar;
class QScrollBar;
class SequencePanel;
class SimulatorPanel;
class TimeBasePanel;
class TransformPanel;
class UploadProgress;
class WindowCommands;
struct EditorServices;

// The window's background and the controls on it, each at its designed place, with the
// overview under them across the window: the area grows by the overview's height. Made larger
// than designed, the lamps and the overview take the room; the other controls keep their size
// and their places to one another, centred across the window.
class ClientArea : public QWidget {
    Q_OBJECT

public:
    ClientArea(const EditorServices& services, WindowCommands& commands, PressRouter& presses,
               QWidget* parent);

    SequencePanel* sequencePanel() const { return m_sequence; }
    TransformPanel* transformPanel() const { return m_transforms; }
    LampGrid* lampGrid() const { return m_lamps; }
    QScrollBar* recordNavigator() const { return m_navigator; }
    QProgressBar* uploadProgressBar() const;
    UploadProgress* uploadProgress() const { return m_progress; }
    OptionsPanel* optionsPanel() const { return m_options; }
    SimulatorPanel* simulatorPanel() const { return m_simulator; }
    TimeBasePanel* timeBasePanel() const { return m_timeBase; }
    Overview* overview() const { return m_overview; }

    QSize sizeHint() const override { return m_design; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildLampsAndNavigator(const EditorServices& services);
    void buildOverview(const EditorServices& services);
    void followNavigation(const EditorServices& services);
    void showRecordRange(int length);
    void showCurrentRecord(int record);
    void showUploading(bool uploading);
    void arrange();

    SequencePanel* m_sequence = nullptr;
    TransformPanel* m_transforms = nullptr;
    LampGrid* m_lamps = nullptr;
    QScrollBar* m_navigator = nullptr;
    UploadProgress* m_progress = nullptr;
    OptionsPanel* m_options = nullptr;
    SimulatorPanel* m_simulator = nullptr;
    TimeBasePanel* m_timeBase = nullptr;
    Overview* m_overview = nullptr;
    QSize m_design;
    QList<std::pair<QWidget*, QRect>> m_placed; // every control at its designed place
    QRect m_designedGrid;
};
