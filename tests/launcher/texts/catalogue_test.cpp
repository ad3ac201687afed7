// Checks the embedded translation catalogues against the string table. The checks that
// name a language and a text are meant for translators as much as for developers.
#include "VarnLocale.h"
#include "qt_app.h"
#include "strtab.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QStringList>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <ostream>
#include <vector>

// Readable failure messages for texts (found by argument-dependent lookup).
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

::testing::Environment *const core_app_env =
    ::testing::AddGlobalTestEnvironment(new tw_test::CoreAppEnvironment);

// ---------------------------------------------------------------------------
// Reading the compiled catalogue format

constexpr unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                      0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

enum SectionTag : unsigned char { SECTION_HASHES = 0x42, SECTION_MESSAGES = 0x69 };

enum MessageTag : unsigned char {
    TAG_END = 0x01,
    TAG_SOURCE_TEXT16 = 0x02,
    TAG_TRANSLATION = 0x03,
    TAG_CONTEXT16 = 0x04,
    TAG_OBSOLETE1 = 0x05,
    TAG_SOURCE_TEXT = 0x06,
    TAG_CONTEXT = 0x07,
    TAG_COMMENT = 0x08,
    TAG_OBSOLETE2 = 0x09,
};

struct QmMessage {
    std::optional<QString> context;
    std::optional<QString> source;
    std::optional<QString> comment;
    QStringList translations;
};

struct QmCatalogue {
    std::vector<unsigned char> sections; // tags in file order
    int hashEntries = 0;
    std::vector<QmMessage> messages;
};

class QmReader {
public:
    explicit QmReader(const QByteArray &data) : m_data(data) {}

    // Returns false with a reason on anything this format does not allow.
    bool read(QmCatalogue &out, QString &error)
    {
        if (m_data.size() < int(sizeof kMagic) || memcmp(m_data.constData(), kMagic, sizeof kMagic) != 0)
            return fail(error, "no catalogue magic");
        int pos = sizeof kMagic;
        while (pos < m_data.size()) {
            quint32 length = 0;
            if (!u32(pos + 1, length) || length > quint32(m_data.size() - pos - 5))
                return fail(error, QString("truncated section at %1").arg(pos));
            const unsigned char tag = byte(pos);
            const int begin = pos + 5;
            const int end = begin + int(length);
            out.sections.push_back(tag);
            if (tag == SECTION_HASHES) {
                if (length % 8 != 0)
                    return fail(error, "hash section not made of 8-byte entries");
                out.hashEntries += int(length / 8);
            } else if (tag == SECTION_MESSAGES) {
                if (!readMessages(begin, end, out.messages, error))
                    return false;
            }
            pos = end;
        }
        return true;
    }

private:
    static bool fail(QString &error, const QString &reason)
    {
        error = reason;
        return false;
    }
    unsigned char byte(int pos) const { return static_cast<unsigned char>(m_data[pos]); }
    bool u32(int pos, quint32 &value) const
    {
        if (pos < 0 || pos + 4 > m_data.size())
            return false;
        value = quint32(byte(pos)) << 24 | quint32(byte(pos + 1)) << 16 | quint32(byte(pos + 2)) << 8 |
                quint32(byte(pos + 3));
        return true;
    }
    // A length-prefixed field; the length 0xffffffff stands for a null string.
    bool field(int &pos, int end, QByteArray &bytes, bool &isNull) const
    {
        quint32 length = 0;
        if (pos + 4 > end || !u32(pos, length))
            return false;
        pos += 4;
        isNull = length == 0xffffffffu;
        if (isNull) {
            bytes.clear();
            return true;
        }
        if (length > quint32(end - pos))
            return false;
        bytes = m_data.mid(pos, int(length));
        pos += int(length);
        return true;
    }

    bool readMessages(int pos, int end, std::vector<QmMessage> &messages, QString &error) const
    {
        while (pos < end) {
            QmMessage message;
            for (bool done = false; !done;) {
                if (pos >= end)
                    return fail(error, "message not ended");
                const unsigned char tag = byte(pos++);
                QByteArray bytes;
                bool isNull = false;
                switch (tag) {
                case TAG_END:
                    done = true;
                    break;
                case TAG_TRANSLATION:
                    if (!field(pos, end, bytes, isNull) || bytes.size() % 2 != 0)
                        return fail(error, "bad translation field");
                    message.translations.append(utf16be(bytes));
                    break;
                case TAG_SOURCE_TEXT:
                case TAG_CONTEXT:
                case TAG_COMMENT:
                    if (!field(pos, end, bytes, isNull))
                        return fail(error, "bad text field");
                    textSlot(message, tag) = QString::fromUtf8(bytes);
                    break;
                case TAG_SOURCE_TEXT16:
                case TAG_CONTEXT16:
                case TAG_OBSOLETE1:
                case TAG_OBSOLETE2:
                    return fail(error, QString("obsolete message tag 0x%1").arg(tag, 2, 16, QChar('0')));
                default:
                    return fail(error, QString("unknown message tag 0x%1").arg(tag, 2, 16, QChar('0')));
                }
            }
            messages.push_back(message);
        }
        return true;
    }

    static std::optional<QString> &textSlot(QmMessage &message, unsigned char tag)
    {
        if (tag == TAG_SOURCE_TEXT)
            return message.source;
        if (tag == TAG_CONTEXT)
            return message.context;
        return message.comment;
    }

    static QString utf16be(const QByteArray &bytes)
    {
        QString text;
        for (int i = 0; i + 1 < bytes.size(); i += 2)
            text.append(QChar(ushort(uchar(bytes[i]) << 8 | uchar(bytes[i + 1]))));
        return text;
    }

    const QByteArray m_data;
};

// ---------------------------------------------------------------------------
// What the catalogues must hold

constexpr int kDistinctTexts = 161;
constexpr int kProductNameId = 3;
constexpr int kInitializingId = 44;
constexpr int kReadyId = 160;

const QString kProductName = "Tidewell Backup";

// Names that stay as they are inside every translation.
const QStringList kProductNames = {"Tidewell Backup", "FarReach"};

struct LauncherTexts {
    const char *initializing;
    const char *ready;
};

const std::map<QString, LauncherTexts> kLauncherTexts = {
    {"chs", {"Tidewell Backup 正在初始化...", "Tidewell Backup 已就绪。"}},
    {"cht", {"Tidewell Backup 準備中...", "Tidewell Backup 準備完成"}},
    {"csy", {"Tidewell Backup se inicializuje...", "Tidewell Backup je připravena."}},
    {"dan", {"Tidewell Backup initialiserer...", "Tidewell Backup er klar."}},
    {"deu", {"Tidewell Backup wird initialisiert ...", "Tidewell Backup ist bereit."}},
    {"enu", {"Tidewell Backup is initializing...", "Tidewell Backup is ready."}},
    {"esn", {"Tidewell Backup se está inicializando...", "Tidewell Backup está lista."}},
    {"fra", {"Tidewell Backup est en cours d'initialisation...", "Tidewell Backup est prêt."}},
    {"hun", {"A Tidewell Backup inicializálása folyamatban...", "Tidewell Backup készen áll."}},
    {"ita", {"Tidewell Backup sta inizializzando...", "Tidewell Backup pronta."}},
    {"jpn", {"Tidewell Backup は初期化中です。", "Tidewell Backup は準備完了です。"}},
    {"krn", {"Tidewell Backup 초기화 중...", "Tidewell Backup 사용 준비가 되었습니다."}},
    {"nld", {"Tidewell Backup is bezig met initialisatie...", "Tidewell Backup is gereed."}},
    {"nor", {"Tidewell Backup starter opp...", "Tidewell Backup er klar."}},
    {"plk", {"Aplikacja Tidewell Backup jest inicjowana...", "Aplikacja Tidewell Backup jest gotowa."}},
    {"ptb", {"O Tidewell Backup está sendo inicializado...", "O Tidewell Backup está pronto."}},
    {"ptg", {"Tidewell Backup a iniciar...", "Tidewell Backup pronta."}},
    {"rus", {"Tidewell Backup выполняет инициализацию...", "Tidewell Backup готов."}},
    {"sve", {"Tidewell Backup initialiserar...", "Tidewell Backup är klar."}},
    {"trk", {"Tidewell Backup başlıyor...", "Tidewell Backup hazır."}},
};

// English words that are also the usual word in these languages; anything else
// identical to the English text counts as untranslated. Extend it when a translator
// confirms a word.
const QSet<QString> kLatinScript = {"csy", "dan", "deu", "esn", "fra", "hun", "ita",
                                    "nld", "nor", "plk", "ptb", "ptg", "sve", "trk"};
const std::map<QString, QSet<QString>> kMayStayEnglish = {
    {"Tidewell Backup", {}}, // empty: every language
    {"OK", kLatinScript + QSet<QString>{"jpn"}},
    {"Proxy", kLatinScript},
    {"Port", {"csy", "dan", "deu", "fra", "hun", "nld", "nor", "plk", "sve", "trk"}},
    {"Server", {"csy", "dan", "deu", "ita", "nld", "nor", "sve"}},
    {"Status", {"dan", "deu", "nld", "nor", "plk", "ptb", "sve"}},
    {"Filter", {"dan", "deu", "nld", "nor", "sve"}},
    {"Version %1", {"dan", "deu", "fra", "nor", "sve"}},
    {"Pause", {"dan", "deu", "fra", "nor"}},
    {"Upgrade", {"deu", "nld"}},
    {"Options", {"fra"}},
    {"Destination", {"fra"}},
    {"Account", {"ita", "nld"}},
    {"Password", {"ita"}},
    {"File", {"ita"}},
    {"Error", {"esn"}},
};

bool mayStayEnglish(const QString &code, const QString &text)
{
    QString letters = text;
    letters.remove(QRegularExpression("%\\d"));
    if (!letters.contains(QRegularExpression("\\p{L}")))
        return true; // markers and punctuation only, such as "%1 / %2"
    const auto it = kMayStayEnglish.find(text);
    return it != kMayStayEnglish.end() && (it->second.isEmpty() || it->second.contains(code));
}

QStringList markers(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("%\\d+").globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

// The distinct English texts of the string table, in id order.
QStringList distinctTexts()
{
    StrTable::InitStrTable();
    QStringList texts;
    for (int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        const QString text = QString::fromUtf8(StrTable::stab[id]);
        if (!texts.contains(text))
            texts.append(text);
    }
    return texts;
}

QString englishText(int id)
{
    StrTable::InitStrTable();
    return QString::fromUtf8(StrTable::stab[id]);
}

QString resourcePath(const QString &code)
{
    return ":/" + code + ".qm";
}

QString quoted(const QStringList &texts)
{
    QString out;
    for (const QString &text : texts)
        out += "\n    \"" + text + "\"";
    return out;
}

// ---------------------------------------------------------------------------
// The resource collection as a whole

TEST(CatalogueResources, StringTableHasTheExpectedNumberOfDistinctTexts)
{
    EXPECT_EQ(distinctTexts().size(), kDistinctTexts);
}

TEST(CatalogueResources, HoldExactlyOneCataloguePerSupportedLanguage)
{
    QStringList expected;
    for (const QString &code : VarnLocale::getSupportedLanguages())
        expected.append(code + ".qm");
    expected.sort();
    EXPECT_EQ(QDir(":/").entryList({"*.qm"}, QDir::Files, QDir::Name), expected);
}

TEST(CatalogueResources, AreStoredUncompressed)
{
    for (const QString &code : VarnLocale::getSupportedLanguages()) {
        const QResource resource(resourcePath(code));
        ASSERT_TRUE(resource.isValid()) << qPrintable(code);
        EXPECT_EQ(resource.compressionAlgorithm(), QResource::NoCompression) << qPrintable(code);
    }
}

// ---------------------------------------------------------------------------
// Each catalogue

class Catalogue : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        QFile file(resourcePath(code()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(resourcePath(code()));
        m_data = file.readAll();
        QString error;
        ASSERT_TRUE(QmReader(m_data).read(m_catalogue, error)) << GetParam() << ": " << qPrintable(error);
        for (const QmMessage &message : m_catalogue.messages)
            m_bySource.insert(message.source.value_or(QString()), &message);
    }

    QString code() const { return QString::fromLatin1(GetParam()); }
    bool isEnglish() const { return code() == VarnLocale::getStrLanguageFallSafe(); }
    // The one translation of `source`, or nothing when the catalogue lacks it.
    std::optional<QString> translationOf(const QString &source) const
    {
        const QmMessage *message = m_bySource.value(source);
        if (!message || message->translations.size() != 1)
            return std::nullopt;
        return message->translations.first();
    }

    QByteArray m_data;
    QmCatalogue m_catalogue;
    QHash<QString, const QmMessage *> m_bySource;
};

TEST_P(Catalogue, HasOnlyHashAndMessageSections)
{
    const std::vector<unsigned char> expected = {SECTION_HASHES, SECTION_MESSAGES};
    std::vector<unsigned char> sorted = m_catalogue.sections;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(m_catalogue.hashEntries, int(m_catalogue.messages.size()));
}

TEST_P(Catalogue, MessagesAreGlobalUncommentedAndSingular)
{
    for (const QmMessage &message : m_catalogue.messages) {
        const QString source = message.source.value_or("<no source>");
        EXPECT_TRUE(message.source.has_value()) << GetParam();
        EXPECT_EQ(message.context.value_or("<no context>"), QString("global")) << qPrintable(source);
        EXPECT_EQ(message.comment.value_or(QString()), QString()) << qPrintable(source);
        EXPECT_EQ(message.translations.size(), 1) << qPrintable(source);
    }
}

TEST_P(Catalogue, CoversEveryTextOfTheStringTable)
{
    const QStringList expected = distinctTexts();
    QStringList missing;
    for (const QString &text : expected) {
        if (!m_bySource.contains(text))
            missing.append(text);
    }
    QStringList unknown;
    for (const QmMessage &message : m_catalogue.messages) {
        const QString source = message.source.value_or(QString());
        if (!expected.contains(source))
            unknown.append(source);
    }
    EXPECT_EQ(int(m_catalogue.messages.size()), kDistinctTexts) << GetParam();
    EXPECT_EQ(m_bySource.size(), int(m_catalogue.messages.size())) << GetParam() << ": duplicate messages";
    EXPECT_TRUE(missing.isEmpty()) << GetParam() << ": " << missing.size()
                                   << " texts without translation:" << qPrintable(quoted(missing));
    EXPECT_TRUE(unknown.isEmpty()) << GetParam()
                                   << ": texts not in the string table:" << qPrintable(quoted(unknown));
}

TEST_P(Catalogue, TranslatesEveryText)
{
    QStringList untranslated;
    for (const QString &text : distinctTexts()) {
        const std::optional<QString> translation = translationOf(text);
        bool translated = false;
        if (translation && !translation->isEmpty()) {
            const bool same = *translation == text;
            // English maps every text to itself; elsewhere only allowed words may stay.
            translated = isEnglish() ? same : !same || mayStayEnglish(code(), text);
        }
        if (!translated)
            untranslated.append(text);
    }
    EXPECT_TRUE(untranslated.isEmpty())
        << GetParam() << ": " << untranslated.size()
        << (isEnglish() ? " texts not identical to the source:" : " texts not translated:")
        << qPrintable(quoted(untranslated));
}

TEST_P(Catalogue, KeepsArgumentMarkersProductNamesAndNoEscapes)
{
    for (const QmMessage &message : m_catalogue.messages) {
        const QString source = message.source.value_or(QString());
        for (const QString &translation : message.translations) {
            if (translation.isEmpty())
                continue; // reported as untranslated
            EXPECT_EQ(markers(translation), markers(source))
                << GetParam() << ": \"" << qPrintable(source) << "\" -> \"" << qPrintable(translation) << '"';
            for (const QString &name : kProductNames) {
                if (source.contains(name)) {
                    EXPECT_TRUE(translation.contains(name))
                        << GetParam() << ": \"" << qPrintable(translation) << "\" lost " << qPrintable(name);
                }
            }
            EXPECT_FALSE(translation.contains('\\'))
                << GetParam() << ": escape in \"" << qPrintable(translation) << '"';
        }
    }
}

TEST_P(Catalogue, HoldsTheLauncherTextsExactly)
{
    const LauncherTexts &expected = kLauncherTexts.at(code());
    EXPECT_EQ(translationOf(englishText(kProductNameId)), kProductName);
    EXPECT_EQ(translationOf(englishText(kInitializingId)), QString(expected.initializing));
    EXPECT_EQ(translationOf(englishText(kReadyId)), QString(expected.ready));
}

// The hash table is what lookups go through: every message must be found by its source.
TEST_P(Catalogue, TranslatorFindsEveryMessage)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(resourcePath(code()), QString(), QString(), QString()));
    EXPECT_FALSE(translator.isEmpty());
    EXPECT_TRUE(translator.language().isEmpty());
    for (const QmMessage &message : m_catalogue.messages) {
        const QByteArray source = message.source.value_or(QString()).toUtf8();
        EXPECT_EQ(translator.translate("global", source.constData(), nullptr, -1),
                  message.translations.value(0))
            << qPrintable(source);
    }
}

// The way the launcher uses a catalogue: installed translator, then the string table.
TEST_P(Catalogue, StringTableShowsTheLauncherTexts)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(resourcePath(code()), QString(), QString(), QString()));
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    StrTable::InitStrTable();
    const LauncherTexts &expected = kLauncherTexts.at(code());
    EXPECT_EQ(StrTable::LoadStr(kProductNameId), kProductName);
    EXPECT_EQ(StrTable::LoadStr(kInitializingId), QString(expected.initializing));
    EXPECT_EQ(StrTable::LoadStr(kReadyId), QString(expected.ready));
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(StrTable::LoadStr(kInitializingId), englishText(kInitializingId));
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogue,
                         ::testing::Values("enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn",
                                           "ptb", "rus", "dan", "nor", "sve", "nld", "plk", "hun", "ptg",
                                           "trk", "csy"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return info.param; });

TEST(EnglishCatalogue, StringTableIsUnchangedThroughIt)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(resourcePath("enu"), QString(), QString(), QString()));
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    StrTable::InitStrTable();
    for (int id = 0; id < StrTable::NUM_STRING_IDS; ++id)
        EXPECT_EQ(StrTable::LoadStr(id), QString::fromUtf8(StrTable::stab[id])) << "id " << id;
    QCoreApplication::removeTranslator(&translator);
}

} // namespace
