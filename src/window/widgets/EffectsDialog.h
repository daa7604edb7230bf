#pragma once

#include "model/Effects.h"

#include <QDialog>
#include <QTimer>

#include <array>

class Overview;
class QComboBox;
class QFormLayout;
class QLabel;
class QListWidget;
class QPushButton;
class SequenceEditor;

// "Effets…": an effect chosen in a list, its few parameters and the duration of its frames,
// a preview of the frames it will make that can be played at the time base in force, and two
// ways in: before the current record, or in place of the records from "Départ" to "En cours".
// The choices stay from one opening to the next.
class EffectsDialog : public QDialog {
    Q_OBJECT

public:
    EffectsDialog(const SequenceEditor& editor, QWidget* parent);

    // Reads the editor again (its range, colours, time base and room) and shows the dialog.
    void open() override;

signals:
    void insertRequested(const QList<Frame>& frames);
    void replaceRequested(const QList<Frame>& frames);

private:
    effects::Effect effect() const;
    void buildParameters();
    QWidget* addParameter(effects::Parameter parameter, effects::Bounds bounds);
    QWidget* multiplierField(int& code, effects::Bounds bounds);
    QWidget* numberField(int& number, effects::Bounds bounds);
    void take(int& option, int value);
    void makeFrames();
    void togglePlay();
    void step();
    void stopPlaying();
    void showPreview();

    const SequenceEditor& m_editor;
    effects::Options m_options;
    QList<Frame> m_frames;
    QListWidget* m_list;
    QFormLayout* m_parameters;
    Overview* m_preview;
    QLabel* m_count;
    QPushButton* m_play;
    QPushButton* m_insert;
    QPushButton* m_replace;
    QTimer m_timer;
    int m_played = -1; // the frame the preview shows while playing
};
