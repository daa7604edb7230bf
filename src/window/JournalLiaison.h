#pragma once

#include "serial/TraceLiaison.h"

#include <QWidget>

#include <optional>

class QAction;
class QMainWindow;
class QPlainTextEdit;

// "Option › Journal de la liaison": a window listing every exchange with the board, each
// board command starting its own count of milliseconds. The trace stands in front of the
// port only while this window is open.
class JournalLiaison : public QWidget {
public:
    JournalLiaison(QMainWindow* fenetre, AiguillageSerie& aiguillage, ISerialPort& port,
                   IClock& horloge, MessagesTraces& messages);
    ~JournalLiaison() override;

protected:
    void closeEvent(QCloseEvent* evenement) override;

private:
    void basculer(bool actif);

    AiguillageSerie& m_aiguillage;
    ISerialPort& m_port;
    IClock& m_horloge;
    MessagesTraces& m_messages;
    QAction* m_element;
    QPlainTextEdit* m_lignes;
    std::optional<TraceLiaison> m_trace;
};
