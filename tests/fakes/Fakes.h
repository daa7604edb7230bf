#pragma once

#include "editor/Format.h"
#include "editor/Plateforme.h"

#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <functional>

// Fakes of the platform: answers are queued in advance, what the editor asked for is logged.

struct BoiteAffichee {
    QString prompt;
    int boutons;
    QString titre;
};

// A box as "title|buttons and icon|text"; unanswered, the fake says OK, or No to a Yes/No box.
inline QString boite(const QString& prompt, int boutons, const QString& titre = Titre) {
    return titre + u'|' + QString::number(boutons) + u'|' + prompt;
}

struct FakeMessageBox : IMessageBox {
    QQueue<int> reponses;
    QList<BoiteAffichee> affichees;
    int afficher(const QString& prompt, int buttons, const QString& title) override {
        affichees.append({prompt, buttons, title});
        if (!reponses.isEmpty())
            return reponses.dequeue();
        return (buttons & 7) == Msg::OuiNon ? Msg::RepNon : Msg::RepOK;
    }
};

// With no path queued the user cancels.
struct FakeFileDialog : IFileDialog {
    QQueue<QString> chemins;
    QList<ParametresDialogue> sauvegardes;
    QString ouvrir(const ParametresDialogue&) override { return suivant(); }
    QString sauvegarder(const ParametresDialogue& p) override {
        return sauvegardes.append(p), suivant();
    }
    QString suivant() { return chemins.isEmpty() ? QString() : chemins.dequeue(); }
};

struct FakeTimer : ITimer {
    int intervalle = -1;
    bool actif = false;
    void configurer(int intervalleMs, bool a) override { intervalle = intervalleMs, actif = a; }
    // Whether a real timer with these settings would deliver a tick at all.
    bool tournerait() const { return actif && intervalle > 0; }
};

struct FakeClock : IClock {
    double heure = 36000.0; // 10:00:00
    qint64 monotone = 1000;
    double heureDuJour() override { return heure; }
    qint64 monotoneMs() override { return monotone; }
    // Both faces move together, the time of day wrapping at midnight.
    void avancer(qint64 ms) {
        monotone += ms;
        heure = std::fmod(heure + double(ms) / 1000.0, 86400.0);
    }
};

struct FakeEventPump : IEventPump {
    bool termine = false;
    std::function<void()> pendant;  // runs as a pending event would
    std::function<void()> repeinte; // sees the model as a repaint would
    void laisserPasser() override { pendant ? pendant() : void(); }
    void repeindre() override { repeinte ? repeinte() : void(); }
    void terminer() override { termine = true; }
};

struct FakeProgramFolder : IProgramFolder {
    QTemporaryDir programme, configuration;
    QString dossierProgramme() override { return programme.path(); }
    QString dossierConfiguration() override { return configuration.path(); }
};

struct FakeClipboard : IClipboard {
    QString contenu;
    bool contientTexte() override { return !contenu.isEmpty(); }
    QString texte() override { return contenu; }
    void placer(const QString& texte) override { contenu = texte; }
};

// The fakes that every editor of the tests has, whatever its clock and its port.
struct Dialogues {
    FakeMessageBox messages;
    FakeFileDialog fichiers;
    FakeTimer minuterie;
    FakeEventPump evenements;
    FakeProgramFolder dossiers;
    FakeClipboard pressePapiers;

    // Every box shown, in order, as boite() writes it, or their texts.
    QStringList boites(bool texteSeul = false) const {
        QStringList l;
        for (const BoiteAffichee& b : messages.affichees)
            l << (texteSeul ? b.prompt : boite(b.prompt, b.boutons, b.titre));
        return l;
    }
};
