#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// One row of the language table.
struct LanguageRow
{
    int langNo;
    quint16 winLangId;
    const char* langCode;
    const char* langName;
    const char* locale;
    const char* fontFile;
};

// The user-interface language chosen once at start-up: locale, application
// font, translator and the date-time format of the signature and monitoring
// pages. A new choice (menu bar) takes effect at the next start.
class LanguageSetting
{
public:
    static const LanguageRow* rows(int* count = nullptr);
    static const LanguageRow& englishRow() { return rows()[0]; }

    static void chooseLanguage(const QString& wanted);
    static void setLanguage(const LanguageRow* row);
    static void setDateTimeFormat();

    // The chosen row for a wanted language text (name, code or locale name);
    // the English row when nothing matches.
    static const LanguageRow& findRow(const QString& wanted);

    static QString dateTimeFormat();
    static int languageNo();
    static quint16 winLangId();
    static QLocale locale();
    static QTranslator* translator();
    static const LanguageRow& current();

    // The per-user store of the chosen language (the menu bar writes it).
    static QString registryLanguage();
    static void setRegistryLanguage(const QString& langCode);
};
