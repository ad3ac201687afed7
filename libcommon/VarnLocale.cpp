#include "VarnLocale.h"

#include <QFile>
#include <QLocale>
#include <QtGlobal>

#include <iterator>

// Diagnostics go to Qt's debug channel, not to the launcher log: the language is
// chosen before anything else is known about the run. The expression is printed
// both as source text and as value.
#define VARN_DEBUG_VALUE(expr) qDebug("%s:%d %s=[%s] ", "libcommon/VarnLocale", __LINE__, #expr, expr)
#define VARN_DEBUG_VALUE_NL(expr) qDebug("%s:%d %s=[%s\n] ", "libcommon/VarnLocale", __LINE__, #expr, expr)

// Position is the language id; the null entry ends the table.
// clang-format off
const char *const VarnLocale::grgszLanguages[] = {
    "enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",  //  0 to  9
    "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy",  // 10 to 19
    nullptr,
};
// clang-format on

const QString VarnLocale::qstrLanguageFallSafe = QStringLiteral("enu");

namespace {

struct LocaleCode {
    const char *name;
    const char *code;
};

// Locale names that must be matched whole because their language part alone
// would choose the other script or variant. Checked before the language parts.
constexpr LocaleCode kWholeNames[] = {
    {"zh_tw", "cht"}, {"zh_hk", "cht"}, {"zh_mo", "cht"}, {"pt", "ptg"}, {"pt_pt", "ptg"},
};

constexpr LocaleCode kLanguageParts[] = {
    {"en", "enu"}, {"zh", "chs"}, {"ja", "jpn"}, {"de", "deu"}, {"ko", "krn"}, {"fr", "fra"}, {"it", "ita"},
    {"es", "esn"}, {"pt", "ptb"}, {"ru", "rus"}, {"da", "dan"}, {"no", "nor"}, {"nb", "nor"}, {"nn", "nor"},
    {"sv", "sve"}, {"nl", "nld"}, {"pl", "plk"}, {"hu", "hun"}, {"tr", "trk"}, {"cs", "csy"},
};

template <std::size_t N> const char *findCode(const LocaleCode (&table)[N], const QString &name)
{
    for (const LocaleCode &entry : table) {
        if (name == QLatin1String(entry.name))
            return entry.code;
    }
    return nullptr;
}

} // namespace

QString VarnLocale::getDefaultLanguage()
{
    return getLanguageForLocaleName(QLocale::system().name());
}

QString VarnLocale::getLanguageForLocaleName(const QString &qstrLocale)
{
    const QString qstrLocaleLower = qstrLocale.toLower();
    VARN_DEBUG_VALUE_NL(qPrintable(qstrLocaleLower));
    VARN_DEBUG_VALUE(qPrintable(qstrLocaleLower));

    const char *code = findCode(kWholeNames, qstrLocaleLower);
    if (!code) {
        const QString qstrLanguagePart = qstrLocaleLower.section(QLatin1Char('_'), 0, 0);
        code = findCode(kLanguageParts, qstrLanguagePart);
        if (!code)
            code = findCode(kLanguageParts, QStringLiteral("en"));
    }

    QString qstrDef = QString::fromLatin1(code);
    if (!isLanguageInstalled(qstrDef))
        qstrDef = qstrLanguageFallSafe;

    VARN_DEBUG_VALUE_NL(qPrintable(qstrDef));
    return qstrDef;
}

bool VarnLocale::isLanguageInstalled(const QString &qstrLang)
{
    const QString qstrLangFileName = QStringLiteral(":/") + qstrLang + QStringLiteral(".qm");
    if (!QFile::exists(qstrLangFileName))
        return false;
    VARN_DEBUG_VALUE(qPrintable(qstrLangFileName));
    return true;
}

QString VarnLocale::getStrLanguageFallSafe()
{
    return qstrLanguageFallSafe;
}

QStringList VarnLocale::getSupportedLanguages()
{
    QStringList languages;
    for (const char *const *lang = grgszLanguages; *lang; ++lang)
        languages.append(QString::fromLatin1(*lang));
    return languages;
}

QString VarnLocale::getLanguageAbbrByID(int id)
{
    // The unsigned comparison rejects negative ids together with the too large ones.
    if (static_cast<unsigned>(id) >= std::size(grgszLanguages) || !grgszLanguages[id])
        return QString();
    return QString::fromLatin1(grgszLanguages[id]);
}
