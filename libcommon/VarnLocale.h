#ifndef VARNLOCALE_H
#define VARNLOCALE_H

#include <QString>
#include <QStringList>

// Chooses the interface language: maps a locale name to one of the 20 three-letter
// codes whose translation catalogue is embedded as ":/<code>.qm", with English as
// the fall-back. Static operations only; the tables are constant.
class VarnLocale {
public:
    VarnLocale() = delete;

    // Code for the system locale (QLocale::system().name()).
    static QString getDefaultLanguage();
    // Code for an arbitrary locale name such as "zh_TW" or "pt"; getDefaultLanguage
    // is this applied to the system locale.
    static QString getLanguageForLocaleName(const QString &qstrLocale);

    // Whether ":/<code>.qm" exists in the registered resources.
    static bool isLanguageInstalled(const QString &qstrLang);
    static QString getStrLanguageFallSafe();
    // The 20 codes in id order, "enu" first.
    static QStringList getSupportedLanguages();
    // Code of a language id 0..19; empty for any other id.
    static QString getLanguageAbbrByID(int id);

private:
    static const char *const grgszLanguages[];
    static const QString qstrLanguageFallSafe;
};

#endif // VARNLOCALE_H
