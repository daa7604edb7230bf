#pragma once

#include "editor/Plateforme.h"

#include <QList>
#include <QQueue>
#include <QTemporaryDir>
#include <functional>

// Fakes of the platform for unit tests: answers are queued in advance, everything the
// editor asked for is logged for the test to check.

struct BoiteAffichee {
    QString prompt;
    int boutons;
    QString titre;
};

class FakeMessageBox : public IMessageBox {
public:
    QQueue<int> reponses; // answers to give, in order; OK (or No for Yes/No) when empty
    QList<BoiteAffichee> affichees;
    int afficher(const QString& prompt, int buttons, const QString& title) override {
        affichees.append({prompt, buttons, title});
        if (!reponses.isEmpty())
            return reponses.dequeue();
        return (buttons & 7) == Msg::OuiNon ? Msg::RepNon : Msg::RepOK;
    }
};

class FakeFileDialog : public IFileDialog {
public:
    QQueue<QString> chemins; // "" when empty: the user cancelled
    QList<ParametresDialogue> ouvertures;
    QList<ParametresDialogue> sauvegardes;
    QString ouvrir(const ParametresDialogue& p) override {
        ouvertures.append(p);
        return chemins.isEmpty() ? QString() : chemins.dequeue();
    }
    QString sauvegarder(const ParametresDialogue& p) override {
        sauvegardes.append(p);
        return chemins.isEmpty() ? QString() : chemins.dequeue();
    }
};

class FakeTimer : public ITimer {
public:
    int intervalle = -1;
    bool actif = false;
    void configurer(int intervalleMs, bool a) override {
        intervalle = intervalleMs;
        actif = a;
    }
    // Whether a real timer with these settings would deliver a tick at all.
    bool tournerait() const { return actif && intervalle > 0; }
};

class FakeClock : public IClock {
public:
    double heure = 36000.0; // 10:00:00
    qint64 monotone = 1000;
    double heureDuJour() override { return heure; }
    qint64 monotoneMs() override { return monotone; }
    void avancer(double secondes) {
        heure += secondes;
        if (heure >= 86400.0)
            heure -= 86400.0;
        monotone += qint64(secondes * 1000.0);
    }
};

class FakeEventPump : public IEventPump {
public:
    bool termine = false;
    std::function<void()> pendant;  // runs as a pending event would
    std::function<void()> repeinte; // sees the model as a repaint would
    void laisserPasser() override {
        if (pendant)
            pendant();
    }
    void repeindre() override {
        if (repeinte)
            repeinte();
    }
    void terminer() override { termine = true; }
};

class FakeProgramFolder : public IProgramFolder {
public:
    QTemporaryDir programme;
    QTemporaryDir configuration;
    QString dossierProgramme() override { return programme.path(); }
    QString dossierConfiguration() override { return configuration.path(); }
};

class FakeClipboard : public IClipboard {
public:
    QString contenu;
    bool contientTexte() override { return !contenu.isEmpty(); }
    QString texte() override { return contenu; }
    void placer(const QString& texte) override { contenu = texte; }
};
