#pragma once

#include <QString>

class LT840;
class QLabel;
class QStatusBar;

// The status bar: the record count, the length of one run through the sequence, the port
// and whether there are unsaved changes, each shown again as soon as it changes.
class BarreEtat {
public:
    explicit BarreEtat(QStatusBar* barre);
    void montrer(const LT840& ed);

private:
    QLabel* m_enregistrements;
    QLabel* m_duree;
    QLabel* m_port;
    QLabel* m_modifie;
};

// The four texts, in their order on the bar; the last is empty without unsaved changes.
struct TextesEtat {
    QString enregistrements;
    QString duree;
    QString port;
    QString modifie;
};
TextesEtat textesEtat(const LT840& ed);
