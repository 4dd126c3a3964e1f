#include "languagesetting.h"

#include "constants.h"
#include "interfaceutilities.h"
#include "setting.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QtDebug>

namespace {

const LanguageRow languageTable[] = {
    {1, 0x0409, "en", "English", "en_US", "NotoSans-Regular.ttf"},
    {0, 0x0411, "ja", "Japanese", "ja_JP", "NotoSansCJKjp-Regular.otf"},
    {6, 0x0412, "ko", "Korean", "ko_KR", "NotoSansKR-Regular.otf"},
    {5, 0x0804, "zh", "Chinese", "zh_CN", "NotoSansSC-Regular.otf"},
};

struct State
{
    QTranslator translator; // no parent: lives for the whole process
    QLocale locale;
    QString dateTimeFormat;
    const LanguageRow* row = &languageTable[0];
};

State& state()
{
    static State* s = new State;
    return *s;
}

QSettings& registryStore()
{
    static QSettings* store =
        new QSettings(QSettings::NativeFormat, QSettings::UserScope, Constants::organizationName,
                      Constants::applicationRegistryName);
    return *store;
}

// A locale's date-time format without its time-zone element "t".
QString withoutTimeZone(const QString& format)
{
    static const QRegularExpression zone(QStringLiteral("^(.*)\\bt\\b(.*)$"));
    const auto match = zone.match(format);
    if (!match.hasMatch())
        return format;
    const QString before = match.captured(1).trimmed();
    const QString after = match.captured(2).trimmed();
    return before + (before.isEmpty() || after.isEmpty() ? QString() : QStringLiteral(" ")) + after;
}

} // namespace

const LanguageRow* LanguageSetting::rows(int* count)
{
    if (count)
        *count = int(std::size(languageTable));
    return languageTable;
}

QString LanguageSetting::registryLanguage()
{
    QSettings& store = registryStore();
    store.sync();
    return store.value(Constants::languageRegistryKey).toString();
}

void LanguageSetting::setRegistryLanguage(const QString& langCode)
{
    QSettings& store = registryStore();
    store.setValue(Constants::languageRegistryKey, langCode);
    store.sync();
}

const LanguageRow& LanguageSetting::findRow(const QString& wanted)
{
    for (const LanguageRow& row : languageTable) {
        if (wanted == QLatin1String(row.langName) || wanted == QLatin1String(row.langCode) ||
            wanted == QLatin1String(row.locale))
            return row;
    }
    return languageTable[0];
}

void LanguageSetting::chooseLanguage(const QString& requested)
{
    QString wanted = requested;
    if (wanted.isEmpty()) {
        const QString stored = registryLanguage();
        for (const LanguageRow& row : languageTable) {
            if (!stored.isEmpty() && stored == QLatin1String(row.langCode)) {
                wanted = QLatin1String(row.langName);
                break;
            }
        }
    }
    if (wanted.isEmpty())
        wanted = Setting::instance()->value(QStringLiteral("Language"));
    if (wanted.isEmpty()) {
        wanted = QLocale().name();
        qInfo().noquote() << "Language not specified. Default locale" << wanted << "used.";
    }
    setLanguage(&findRow(wanted));
}

void LanguageSetting::setLanguage(const LanguageRow* row)
{
    State& s = state();
    s.row = row ? row : &languageTable[0];
    qInfo().noquote() << QStringLiteral(
                             "LanguageSetting::setLanguage[LangNo:%1 LangCode:%2 LangName:%3 "
                             "Locale:%4 WinLangID:0x%5]")
                             .arg(s.row->langNo)
                             .arg(QLatin1String(s.row->langCode), QLatin1String(s.row->langName),
                                  QLatin1String(s.row->locale))
                             .arg(s.row->winLangId, 4, 16, QLatin1Char('0'));

    s.locale = QLocale(QLatin1String(s.row->locale));
    QLocale::setDefault(s.locale);
    const QLocale defaultLocale;
    const QLocale systemLocale = QLocale::system();
    qInfo().noquote() << "DefaultLocale:" << defaultLocale.name()
                      << QLocale::languageToString(defaultLocale.language()) + "/" +
                             QLocale::countryToString(defaultLocale.country());
    qInfo().noquote() << "SystemLocale:" << systemLocale.name()
                      << QLocale::languageToString(systemLocale.language()) + "/" +
                             QLocale::countryToString(systemLocale.country());

    const QString fontFile =
        expandEnvironment(Setting::instance()->value(QStringLiteral("FontPath"))) +
        QLatin1Char('/') + QLatin1String(s.row->fontFile);
    qInfo().noquote() << "FontFile:" << fontFile;
    if (!QFileInfo::exists(fontFile)) {
        qCritical().noquote() << "Error: font file not found:" << fontFile;
    } else {
        const int id = QFontDatabase::addApplicationFont(fontFile);
        const QStringList families =
            id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            qCritical().noquote() << QStringLiteral("addApplicationFont(%1) failed.").arg(fontFile);
        } else {
            QApplication::setFont(QFont(families.first(), 11, 50, false));
        }
    }
    logFontInfo(QFontInfo(QApplication::font()));

    const QString catalogue =
        QStringLiteral("%1/%2.qm")
            .arg(QStringLiteral(":/config/i18n"), QLatin1String(s.row->langCode));
    qInfo().noquote() << "Loading" << catalogue;
    QCoreApplication::removeTranslator(&s.translator);
    if (s.translator.load(QLatin1String(s.row->langCode), QStringLiteral(":/config/i18n"))) {
        QCoreApplication::installTranslator(&s.translator);
    } else {
        qCritical().noquote() << "Failed to load" << catalogue;
    }
    setDateTimeFormat();
}

void LanguageSetting::setDateTimeFormat()
{
    State& s = state();
    QString format;
    switch (s.row->langNo) {
    case 0:
        format = QStringLiteral("yyyy/M/d(ddd) H:mm:ss");
        break;
    case 5:
    case 6:
        format = withoutTimeZone(s.locale.dateTimeFormat(QLocale::LongFormat));
        break;
    default:
        format = QStringLiteral("ddd, MMM d, yyyy h:mm:ss AP");
        break;
    }
    s.dateTimeFormat = format;
    qInfo().noquote() << "LanguageSetting::setDateTimeFormat ->" << format;
}

QString LanguageSetting::dateTimeFormat()
{
    return state().dateTimeFormat;
}
int LanguageSetting::languageNo()
{
    return state().row->langNo;
}
quint16 LanguageSetting::winLangId()
{
    return state().row->winLangId;
}
QLocale LanguageSetting::locale()
{
    return state().locale;
}
QTranslator* LanguageSetting::translator()
{
    return &state().translator;
}
const LanguageRow& LanguageSetting::current()
{
    return *state().row;
}
