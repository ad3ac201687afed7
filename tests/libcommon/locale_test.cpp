#include "VarnLocale.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>

#include <climits>
#include <cstdlib>
#include <vector>

// The embedded catalogue collection (rcc --name texts).
int qInitResources_texts();
int qCleanupResources_texts();

namespace {

// Qt reads the system locale from the environment on first use; fixing it before
// main makes the system-locale test independent of the machine's settings.
const bool g_germanSystemLocale = [] {
    setenv("LC_ALL", "de_AT.UTF-8", 1);
    unsetenv("LANGUAGE");
    return true;
}();

const QStringList kCodesInIdOrder = {"enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",
                                     "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy"};

// ---------------------------------------------------------------------------
// Locale name to code

struct LocaleCase {
    const char *locale;
    const char *code;
};

class LocaleMapping : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleMapping, ChoosesCode)
{
    EXPECT_EQ(VarnLocale::getLanguageForLocaleName(GetParam().locale), QString(GetParam().code));
}

INSTANTIATE_TEST_SUITE_P(WholeNames, LocaleMapping,
                         ::testing::Values(LocaleCase{"zh_TW", "cht"}, LocaleCase{"zh_HK", "cht"},
                                           LocaleCase{"zh_MO", "cht"}, LocaleCase{"ZH_tw", "cht"},
                                           LocaleCase{"pt", "ptg"}, LocaleCase{"pt_PT", "ptg"},
                                           LocaleCase{"PT_pt", "ptg"}));

INSTANTIATE_TEST_SUITE_P(
    LanguageParts, LocaleMapping,
    ::testing::Values(LocaleCase{"zh_CN", "chs"}, LocaleCase{"zh_SG", "chs"}, LocaleCase{"zh", "chs"},
                      LocaleCase{"pt_BR", "ptb"}, LocaleCase{"pt_AO", "ptb"}, LocaleCase{"nb_NO", "nor"},
                      LocaleCase{"nn_NO", "nor"}, LocaleCase{"no", "nor"}, LocaleCase{"en_GB", "enu"},
                      LocaleCase{"en_US", "enu"}, LocaleCase{"de_DE", "deu"}, LocaleCase{"de_AT", "deu"},
                      LocaleCase{"de_CH", "deu"}, LocaleCase{"ja_JP", "jpn"}, LocaleCase{"ko_KR", "krn"},
                      LocaleCase{"fr_CA", "fra"}, LocaleCase{"it_IT", "ita"}, LocaleCase{"es_MX", "esn"},
                      LocaleCase{"ru_RU", "rus"}, LocaleCase{"da_DK", "dan"}, LocaleCase{"sv_FI", "sve"},
                      LocaleCase{"nl_BE", "nld"}, LocaleCase{"pl_PL", "plk"}, LocaleCase{"hu_HU", "hun"},
                      LocaleCase{"tr_TR", "trk"}, LocaleCase{"cs_CZ", "csy"}));

// Whole-name matches need the whole name; anything else falls to English.
INSTANTIATE_TEST_SUITE_P(Unknown, LocaleMapping,
                         ::testing::Values(LocaleCase{"C", "enu"}, LocaleCase{"c", "enu"},
                                           LocaleCase{"fi_FI", "enu"}, LocaleCase{"", "enu"},
                                           LocaleCase{"_TW", "enu"}, LocaleCase{"zhtw", "enu"},
                                           LocaleCase{"zh_tw_x", "chs"}, LocaleCase{"deu", "enu"},
                                           LocaleCase{"de-DE", "enu"}));

TEST(DefaultLanguage, FollowsSystemLocale)
{
    ASSERT_TRUE(g_germanSystemLocale);
    ASSERT_EQ(QLocale::system().name(), QString("de_AT"));
    EXPECT_EQ(VarnLocale::getDefaultLanguage(), QString("deu"));
}

// ---------------------------------------------------------------------------
// Tables

TEST(LanguageTable, SupportedLanguagesInIdOrder)
{
    const QStringList languages = VarnLocale::getSupportedLanguages();
    ASSERT_EQ(languages.size(), 20);
    EXPECT_EQ(languages.first(), QString("enu"));
    EXPECT_EQ(languages.last(), QString("csy"));
    EXPECT_EQ(languages, kCodesInIdOrder);
}

TEST(LanguageTable, AbbrByIdMatchesSupportedList)
{
    const QStringList languages = VarnLocale::getSupportedLanguages();
    for (int id = 0; id < languages.size(); ++id)
        EXPECT_EQ(VarnLocale::getLanguageAbbrByID(id), languages[id]) << "id " << id;
}

struct IdCase {
    int id;
    const char *code;
};

class AbbrById : public ::testing::TestWithParam<IdCase> {};

TEST_P(AbbrById, GivesCodeOrEmpty)
{
    const QString abbr = VarnLocale::getLanguageAbbrByID(GetParam().id);
    EXPECT_EQ(abbr, QString(GetParam().code));
    EXPECT_EQ(abbr.isEmpty(), *GetParam().code == '\0');
}

INSTANTIATE_TEST_SUITE_P(Ids, AbbrById,
                         ::testing::Values(IdCase{0, "enu"}, IdCase{4, "deu"}, IdCase{17, "ptg"},
                                           IdCase{19, "csy"}, IdCase{20, ""}, IdCase{21, ""}, IdCase{-1, ""},
                                           IdCase{INT_MAX, ""}, IdCase{INT_MIN, ""}));

TEST(LanguageTable, FallSafeIsEnglish)
{
    EXPECT_EQ(VarnLocale::getStrLanguageFallSafe(), QString("enu"));
}

// ---------------------------------------------------------------------------
// Installed catalogues

TEST(InstalledLanguages, EverySupportedCodeIsInstalled)
{
    for (const QString &code : VarnLocale::getSupportedLanguages())
        EXPECT_TRUE(VarnLocale::isLanguageInstalled(code)) << qPrintable(code);
}

TEST(InstalledLanguages, OtherCodesAreNot)
{
    for (const char *code : {"fin", "xyz", "eng", "ENU", "Deu", "en", "", "enu.qm", " enu"})
        EXPECT_FALSE(VarnLocale::isLanguageInstalled(code)) << '"' << code << '"';
}

// Removes the catalogue collection for the test's lifetime and always restores it.
class WithoutCatalogues : public ::testing::Test {
protected:
    void SetUp() override { qCleanupResources_texts(); }
    void TearDown() override
    {
        qInitResources_texts();
        EXPECT_TRUE(VarnLocale::isLanguageInstalled("deu"));
    }
};

TEST_F(WithoutCatalogues, NothingIsInstalled)
{
    for (const QString &code : VarnLocale::getSupportedLanguages())
        EXPECT_FALSE(VarnLocale::isLanguageInstalled(code)) << qPrintable(code);
}

TEST_F(WithoutCatalogues, MissingCatalogueFallsBackToEnglish)
{
    EXPECT_EQ(VarnLocale::getDefaultLanguage(), QString("enu"));
    EXPECT_EQ(VarnLocale::getLanguageForLocaleName("zh_TW"), QString("enu"));
    EXPECT_EQ(VarnLocale::getLanguageForLocaleName("en_US"), QString("enu"));
}

TEST(InstalledLanguages, SecondRegistrationIsHarmless)
{
    qInitResources_texts();
    qInitResources_texts();
    EXPECT_TRUE(VarnLocale::isLanguageInstalled("csy"));
    // A duplicate registration is not counted: one clean-up removes the collection.
    qCleanupResources_texts();
    EXPECT_FALSE(VarnLocale::isLanguageInstalled("csy"));
    qInitResources_texts();
    EXPECT_TRUE(VarnLocale::isLanguageInstalled("csy"));
}

// ---------------------------------------------------------------------------
// Diagnostics on Qt's debug channel

struct Captured {
    QtMsgType type;
    QString category;
    QString message;
};

std::vector<Captured> g_captured;

void captureMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    g_captured.push_back({type, QString::fromLatin1(context.category), message});
}

class LocaleDebugLines : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_captured.clear();
        previous_ = qInstallMessageHandler(captureMessage);
    }
    void TearDown() override { qInstallMessageHandler(previous_); }

    // Checks one captured line against "libcommon/VarnLocale:<line> <expr>=[<value>] " and
    // that <line> really is the line of the source that prints <expr>.
    static void expectLine(const Captured &captured, const QString &expr, const QString &value)
    {
        EXPECT_EQ(captured.type, QtDebugMsg);
        EXPECT_EQ(captured.category, QString("default"));
        const QRegularExpression pattern("^libcommon/VarnLocale:(\\d+) " + QRegularExpression::escape(expr) +
                                         "=\\[" + QRegularExpression::escape(value) + "\\] $");
        const QRegularExpressionMatch match = pattern.match(captured.message);
        ASSERT_TRUE(match.hasMatch()) << qPrintable(captured.message);
        const int line = match.captured(1).toInt();
        EXPECT_TRUE(sourceLine(line).contains(expr))
            << "line " << line << ": " << qPrintable(sourceLine(line));
    }

    static QString sourceLine(int line)
    {
        QFile source(TW_SOURCE_DIR "/libcommon/VarnLocale.cpp");
        if (!source.open(QIODevice::ReadOnly | QIODevice::Text))
            return QString();
        QTextStream in(&source);
        for (int n = 1; !in.atEnd(); ++n) {
            const QString text = in.readLine();
            if (n == line)
                return text;
        }
        return QString();
    }

private:
    QtMessageHandler previous_ = nullptr;
};

TEST_F(LocaleDebugLines, ChoiceIsTraced)
{
    EXPECT_EQ(VarnLocale::getLanguageForLocaleName("de_AT"), QString("deu"));
    ASSERT_EQ(g_captured.size(), 4u);
    expectLine(g_captured[0], "qPrintable(qstrLocaleLower)", "de_at\n");
    expectLine(g_captured[1], "qPrintable(qstrLocaleLower)", "de_at");
    expectLine(g_captured[2], "qPrintable(qstrLangFileName)", ":/deu.qm");
    expectLine(g_captured[3], "qPrintable(qstrDef)", "deu\n");
    EXPECT_NE(g_captured[0].message.section(' ', 0, 0), g_captured[1].message.section(' ', 0, 0));
}

TEST_F(LocaleDebugLines, MissingCatalogueIsSilent)
{
    EXPECT_FALSE(VarnLocale::isLanguageInstalled("fin"));
    EXPECT_TRUE(g_captured.empty());
}

TEST_F(LocaleDebugLines, FallbackAfterMissingCatalogueTracesEnglish)
{
    qCleanupResources_texts();
    const QString code = VarnLocale::getLanguageForLocaleName("ru_RU");
    qInitResources_texts();
    EXPECT_EQ(code, QString("enu"));
    ASSERT_EQ(g_captured.size(), 3u);
    expectLine(g_captured[2], "qPrintable(qstrDef)", "enu\n");
}

} // namespace
