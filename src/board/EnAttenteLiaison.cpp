#include "editor/LT840.h"

// Placeholders: these commands do nothing until the board link lands.
void LT840::OuvreCom() {}
void LT840::TxRx(const QByteArray&, int) {}
void LT840::VersionCarte() {}
void LT840::AfficheMessage(const QString&) {}
void LT840::COM_Click(int) {}
void LT840::DemandeVersionCarte() {}
void LT840::TestCarte_Click() {}
void LT840::CmdRST_Click() {}
void LT840::Version_Click() {}
void LT840::OKButton_Click() {}
