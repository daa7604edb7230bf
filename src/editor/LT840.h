#pragma once

#include "editor/Controles.h"
#include "editor/Couleur.h"
#include "editor/Format.h"
#include "editor/Historique.h"
#include "editor/Plateforme.h"
#include "editor/Saisie.h"

#include <QByteArray>
#include <QString>
#include <array>

// The outcome of the last exchange with the board.
enum class EtatEchange { Aucun, Repondu, Muet };

// The editor: every field of the program and every handler of the main window. It never
// touches a widget; the window paints `Ctl` after each handler and feeds user edits back
// through the setters below, which run the same notifications a user's action would.
class LT840 {
public:
    using Enregistrement = std::array<qint16, DerniereLigne + 1>;

    explicit LT840(const Plateforme& p);

    // --- Controls model (read by the view, written by handlers and the view's setters) ---
    Controles Ctl;
    const QString& Text3() const { return m_text3; }
    void setText3(const QString& texte); // runs Text3_Change when the text changes
    int HScroll1Max() const { return m_hscrollMax; }
    int HScroll1Value() const { return m_hscrollValue; }
    void setHScroll1Max(int max);     // a maximum below the position moves the position
    void setHScroll1Value(int value); // runs HScroll1_Change when the position changes
    int Timer1Interval() const { return m_timerInterval; }
    bool Timer1Enabled() const { return m_timerEnabled; }
    void setTimer1Interval(int ms);
    void setTimer1Enabled(bool actif);

    // --- Sequence store and the frame being edited ---
    std::array<Enregistrement, DernierEnr + 1> TabTrames{};
    static bool enregistrementValide(int r) { return r >= 0 && r <= DernierEnr; }
    qint16 EnrCours = 0;
    bool Modifie = false; // the sequence holds changes not saved yet

    // --- Colour scheme ---
    TableCouleurs Couleurs{};
    Couleur CouleurOn = 0;
    Couleur CouleurOff = 0;

    // --- Time base ---
    qint16 IndTempo = 0;
    // The time-base button that shows the multiplier in force, -1 when none does (a record
    // without a code, or with one past x20 that only a file brings).
    int boutonTempoMarque() const {
        return IndTempo >= 0 && IndTempo < NombreBoutonsTempo ? IndTempo : -1;
    }
    bool EnLecture = false; // the simulator is playing

    // --- Files ---
    QString NomFichier;
    qint16 PortCom = 0;
    QString TexteCfg;
    bool CfgSecours = false; // lt840.cfg in use is the user's, not the program folder's

    // --- Board link ---
    EtatEchange EtatCom = EtatEchange::Aucun;
    // A device chosen by its name; when set it is the port in force instead of COM PortCom + 1,
    // which the configuration file keeps all the same.
    QString PortChoisi;
    QByteArray ReponseCarte;

    // --- Start-up, recording and viewing ---
    void Form_Load();
    void CLICK();
    void VISU();
    void HScroll1_Change();
    void Cmd1_MouseDown(Souris Button);
    void Cmd2_Click();
    // The mouse-press handler of every control whose only action is the right-button
    // shortcut (window background, frames, "Mode Auto.").
    void RaccourciDroit_MouseDown(Souris Button);

    // --- Lamp input ---
    void Frame1_MouseDown(Souris Button, float X, float Y);
    void Cmd9_MouseDown(Souris Button);

    // --- Address fields and record deletion ---
    void Text1_KeyPress(int KeyAscii);
    void Text1_LostFocus();
    void Text2_KeyPress(int KeyAscii);
    void Text3_Change();
    void CmdSUPP_Click();

    // --- New and Quit ---
    void Nouveau_Click();
    void Quitter_Click();
    bool Form_QueryUnload();  // true when the window may close
    bool FinDemandee = false; // Quit has ended the program: closing asks nothing more
    bool fermetureAcceptee(); // asks the Quit question; true when the program may end

    // --- Frame transformations and LED colours ---
    void Cmd5_MouseDown(Souris Button);
    void Cmd6_MouseDown(Souris Button);
    void Cmd7_MouseDown(Souris Button);
    void Cmd8_MouseDown(Souris Button);
    void Cmd10_MouseDown(Souris Button);
    void Cmd11_MouseDown(Souris Button);
    void Cmd12_MouseDown(Souris Button);
    void Jaune_Click();
    void Rouge_Click();
    void Vert_Click();

    // --- Time base and playback ---
    void AfficheValTempo();
    void Option1_MouseDown(int Index, Souris Button);
    void List1_Click(); // after the user changed the selected base period
    void Cmd3_MouseDown(Souris Button);
    void Cmd4_MouseDown(Souris Button);
    void Timer1_Timer();

    // --- Sequence file and configuration file ---
    bool Sauvegarde(); // true once the file is safely on disk
    void Sauvegarder_Click();
    void Lecture_Click();
    // Opens `chemin` as "Ouvrir" opens the file the user picks: same question, checks and
    // reports (a file named on the command line, dropped on the window or chosen as recent);
    // true once it is loaded.
    bool OuvrirFichier(const QString& chemin);
    // The last file opened or saved successfully, until the window takes it for its list of
    // recent files.
    QString FichierTraite;
    void LitCfg();
    void SauveCfg();

    // --- Board link ---
    void OuvreCom();
    // `pendantLigne`, when given, runs once while the first sending is on the wire.
    void TxRx(const QByteArray& message1, int Nbre, void (IEventPump::*pendantLigne)() = nullptr);
    void VersionCarte();
    void AfficheMessage(const QString& a);
    void COM_Click(int Index);
    void Peripherique_Click(const QString& peripherique);
    void DemandeVersionCarte();
    void TestCarte_Click();
    void CmdRST_Click();
    void Version_Click();
    void OKButton_Click();
    void transmet_Click();
    void Transmettre();

    // --- Édition: undo history, clipboard and block moves of records ---
    HistoriqueEdition Historique;
    QString PressePapiers; // the records last copied, as the lines the clipboard holds
    void Annuler_Click();
    void Retablir_Click();
    void Couper_Click();
    void Copier_Click();
    void Coller_Click();
    void Inserer_Click();
    void Dupliquer_Click();

    // The platform, for the subsystems' own helpers.
    const Plateforme& plateforme() const { return m_p; }
    int MsgBox(const QString& prompt, int buttons, const QString& title);
    int MsgBoxLiaison(const QString& prompt, int buttons, const QString& title); // the link's

private:
    Plateforme m_p;
    QString m_text3 = QStringLiteral("0");
    int m_hscrollMax = 0;
    int m_hscrollValue = 0;
    int m_timerInterval = 0;
    bool m_timerEnabled = false;
    // A board command lets pending events run once; a second board command arriving then
    // must not start its own dialogue inside the first one.
    bool m_carteOccupee = false;
    friend class ReservationCarte;
};
