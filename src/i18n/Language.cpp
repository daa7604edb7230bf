#include "i18n/Language.h"

#include "serial/UserSettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString LanguageKey = QStringLiteral("interface/langue");

} // namespace

Language chosenLanguage() {
    const QString code = userSettings().value(LanguageKey).toString();
    return code == u"fr" ? Language::French : code == u"en" ? Language::English : Language::Desktop;
}

void chooseLanguage(Language language) {
    QSettings settings = userSettings();
    if (language == Language::Desktop)
        settings.remove(LanguageKey);
    else
        settings.setValue(LanguageKey, interfaceLanguage(language));
}

QString interfaceLanguage(Language chosen, const QLocale& desktop) {
    switch (chosen) {
    case Language::French:
        return QStringLiteral("fr");
    case Language::English:
        return QStringLiteral("en");
    case Language::Desktop:
        break;
    }
    return desktop.language() == QLocale::English ? QStringLiteral("en") : QStringLiteral("fr");
}

// French is the source: only Qt's own texts need a translation for it.
void installTranslations(QCoreApplication& application, const QString& language) {
    auto* qt = new QTranslator(&application);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    if (language == u"fr")
        return;
    auto* ours = new QTranslator(&application);
    if (ours->load(QStringLiteral(":/i18n/lt840_%1.qm").arg(language)))
        QCoreApplication::installTranslator(ours);
}
