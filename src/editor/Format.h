#pragma once

#include <QString>
#include <array>

// The fixed format of the LT840, written once for the editor, its files, the board link, the
// virtual board and the tests.

// --- The sequence store: records 0..DernierEnr, each of rows 0..DerniereLigne ---
inline constexpr int DernierEnr = 1024;
inline constexpr int DerniereLigne = 16;
inline constexpr int NombreLampes = 8;             // rows 0..7, lamp 0 leftmost
inline constexpr int LedMax = NombreLampes - 1;    // the loops over the lamps run from 0 to LedMax
inline constexpr int LigneCode = NombreLampes;     // row 8: the record's time-base code
inline constexpr int LignesUtiles = LigneCode + 1; // the rows a record carries; 9..16 hold nothing

// --- The time base ---
// A record's code is the index of its time-base button plus 1; the multiplier of a code.
inline constexpr std::array<qint16, 9> TabVitesse{0, 1, 2, 5, 10, 15, 20, 0, 0};
inline constexpr int NombreBoutonsTempo = 6; // x1, x2, x5, x10, x15, x20: codes 1..6

// --- The board ---
inline constexpr int NombrePorts = 4;              // COM 1 to COM 4
inline constexpr char SignatureCarte[] = "LT840:"; // how the board's identification begins
inline constexpr char IdentificationCarte[] = "LT840:V1.02 "; // what a board of this version says
inline constexpr int LongueurIdentification = sizeof(IdentificationCarte) - 1;
// The upload stream: a start byte, the time-base byte, then a duration byte and a lamp byte
// for each record the board holds, in blocks of 32 bytes.
inline constexpr int DernierEnrCarte = 250; // recording never goes past it either
inline constexpr int TailleFlux = 2 + 2 * (DernierEnrCarte + 1); // 504
inline constexpr int TailleBloc = 32;
inline constexpr char OctetDebut = char(0xA5);

// --- Titles of the windows and the message boxes ---
inline const QString Titre = QStringLiteral("* LT840 *"); // most boxes; the window at start
inline const QString TitreFichier = QStringLiteral("* LT840  V1.02 *");  // a file not opened
inline const QString TitreCouleurs = QStringLiteral(" * LT840 V1.02 *"); // yellow LEDs
inline const QString TitreApplication = QStringLiteral("LT840");         // the serial line's
inline const QString TitreDialogueTest = QStringLiteral("TEST CARTE");
inline const QString PrefixeTitreFichier = QStringLiteral("FICHIER = "); // then the file name
