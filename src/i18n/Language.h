#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

// The languages the interface speaks: French, in which its texts are written, and the
// languages they are translated into.
enum class Language { Desktop, French, English };

// The choice of Option › Langue, kept in the user's settings; the desktop's language until
// the user chooses one.
Language chosenLanguage();
void chooseLanguage(Language language);

// The interface's language for a choice: French for any French desktop, the desktop's
// language when it is one of the translations, French otherwise. "fr" or "en".
QString interfaceLanguage(Language chosen, const QLocale& desktop = QLocale::system());

// Installs the program's translation for `language` and Qt's own (the standard dialogs' and
// the command-line parser's texts) into `application`.
void installTranslations(QCoreApplication& application, const QString& language);
