#include "qt_app.h"
#include "strtab.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

::testing::Environment *const core_app_env =
    ::testing::AddGlobalTestEnvironment(new tw_test::CoreAppEnvironment);

// Answers only lookups made the way the table must make them: context "global", no
// disambiguation, no plural count.
class MapTranslator : public QTranslator {
public:
    explicit MapTranslator(QHash<QString, QString> map) : m_map(std::move(map)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *disambiguation,
                      int n) const override
    {
        if (qstrcmp(context, "global") != 0 || disambiguation || n != -1) {
            return QString();
        }
        return m_map.value(QString::fromUtf8(source));
    }

private:
    QHash<QString, QString> m_map;
};

// Installs a translator for the lifetime of the object.
class InstalledTranslator {
public:
    explicit InstalledTranslator(QHash<QString, QString> map) : m_tr(std::move(map))
    {
        QCoreApplication::installTranslator(&m_tr);
    }
    ~InstalledTranslator() { QCoreApplication::removeTranslator(&m_tr); }

private:
    MapTranslator m_tr;
};

const char *const expected_keys[StrTable::NUM_STRING_IDS] = {
    "main_desc_last_upload",
    "setting_filter_point_prefix",
    "msg_checkpass",
    "app_name",
    "err_autoconn_invalidid",
    "wizard_invalid_sync_folder_warning",
    "wizard_connection_desc",
    "connection_username",
    "err_sync_direction_mismatch",
    "connection_enter_otp",
    // 10
    "msg_share_quotafull",
    "err_ssl_verify_fail",
    "setting_tab_connection",
    "btn_proxy",
    "btn_done",
    "tray_exit",
    "backup_chooser_desc",
    "main_queue_completed",
    "err_vs_change",
    "err_local_sync_folder_miss",
    // 20
    "connection_server",
    "wizard_welcome_help",
    "btn_wizard_readonly_yes",
    "err_database",
    "wizard_welcome_slogan",
    "setting_option_use_black_white_icon",
    "err_share_not_mounted",
    "main_queue_column_progress",
    "tray_main_app",
    "err_proto",
    // 30
    "err_syncfolder_not_mounted",
    "btn_unlink",
    "err_diskfull",
    "main_status_uptodate",
    "wizard_diskfull_sync_folder_warning",
    "msg_about",
    "err_backup_fail",
    "wizard_summary_table_path",
    "setting_proxy_manual",
    "wizard_summary_table_remote_title",
    // 40
    "err_otp_required",
    "connection_unlink_confirm",
    "btn_resume",
    "setting_proxy_password",
    "desc_tdwl_env_preparing",
    "backup_chooser_no_folder_selected",
    "setting_proxy_sys_proxy",
    "btn_wizard_readonly_no",
    "setting_tab_folder",
    "main_queue_column_file",
    // 50
    "setting_proxy_err_empty_username",
    "setting_tab_filter",
    "msg_ssl_change",
    "connection_unlinking",
    "connection_ssl",
    "version",
    "main_queue_title",
    "btn_pause",
    "wizard_source_readonly_warning",
    "read_only_tooltip",
    // 60
    "msg_error",
    "main_status_pause",
    "tray_upgrade",
    "setting_option_language_restart",
    "setting_proxy_err_invalid_port",
    "main_queue_uploading",
    "wizard_ssl_change_sync_folder_warning",
    "err_ip_not_allowed",
    "connection_password",
    "backup_chooser_destination",
    // 70
    "msg_test_connect",
    "msg_ssl_error",
    "btn_no_need",
    "setting_proxy_port",
    "wizard_connection_title",
    "err_otp_invalid",
    "btn_select",
    "wizard_share_name_duplicate_warning",
    "wizard_welcome_info",
    "main_status_connecting",
    // 80
    "share_enabled",
    "tray_about",
    "wizard_access_deny_sync_folder_warning",
    "err_quotafull",
    "setting_filter_table_editor_tooltip",
    "btn_continue",
    "setting_filter_max_size",
    "main_status_syncing",
    "wizard_quotafull_sync_folder_warning",
    "err_max_tries",
    // 90
    "setting_filter_zero_desc",
    "err_abnormal",
    "err_init_failed",
    "err_vs_not_match",
    "treedialog_server_desc",
    "msg_test_username_fail",
    "setting_option_language_title",
    "setting_option_language_default",
    "btn_ssl_continue",
    "wizard_summary_table_local_title",
    // 100
    "wizard_setsyncfolder_desc",
    "err_otp_enforced",
    "btn_next",
    "btn_apply",
    "setting_proxy_err_ipport_empty",
    "wizard_user_disable_sync_folder_warning",
    "wizard_conflict_backup_warning",
    "err_no_valid_folder",
    "main_queue_locking",
    "setting_proxy_no_proxy",
    // 110
    "tray_help",
    "err_version_server",
    "treedialog_pc_title",
    "setting_filter_size_limit_tooltip",
    "btn_ok",
    "setting_filter_ignore_local_delete",
    "err_network",
    "main_queue_column_status",
    "wizard_ssl_verify_fail_sync_folder_warning",
    "backup_chooser_choose_source",
    // 120
    "wizard_readonly_backup_desc",
    "setting_proxy_ip",
    "title_ssl_warning",
    "setting_tab_proxy",
    "main_queue_waiting",
    "msg_download_downloading",
    "wizard_welcome_desc",
    "setting_proxy_username",
    "connection_use_farreach",
    "wizard_summary_table_account",
    // 130
    "wizard_system_err_sync_folder_warning",
    "wizard_share_nonexist_sync_folder_warning",
    "wizard_summary_title",
    "main_queue_preparing",
    "setting_tab_option",
    "wizard_readonly_sync_folder_warning",
    "main_status_error",
    "tray_click_to_update",
    "read_only",
    "err_autoconn_ctrl",
    // 140
    "wizard_conflict_sync_folder_warning",
    "btn_advanced",
    "main_desc_processing_count",
    "wizard_summary_table_except_path",
    "err_share_perm",
    "setting_filter_table_desc",
    "err_auth",
    "btn_settings",
    "upgrade_failed",
    "local_vs_search",
    // 150
    "btn_back",
    "main_queue_progress",
    "btn_start_now",
    "main_desc_processing_file",
    "setting_proxy_auth",
    "wizard_summary_table_server",
    "wizard_setsyncfolder_title",
    "err_invalid",
    "err_ssl_change",
    "err_create_session_fail",
    // 160
    "desc_tdwl_env_preparation_done",
    "btn_cancel",
    "err_version_client",
    "setting_filter_table_title",
    "manage_setting_applying",
    "tray_updating",
    "wizard_find_local_vs_tooltip",
    "setting_option_start_upon_login",
    "wizard_summary_desc",
    "wizard_network_err_sync_folder_warning",
};

const std::set<std::pair<int, int>> shared_pairs = {
    {11, 118}, {13, 123}, {22, 114}, {39, 69}, {43, 68}, {48, 99}, {66, 158}, {116, 169}, {130, 157},
};

// Distinct texts in id order, each at its first id: the catalogues' message list.
std::vector<std::string> DistinctTexts()
{
    std::vector<std::string> texts;
    std::set<std::string> seen;
    for (int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        if (seen.insert(StrTable::stab[id]).second) {
            texts.push_back(StrTable::stab[id]);
        }
    }
    return texts;
}

class StrTableTest : public ::testing::Test {
protected:
    void SetUp() override { StrTable::InitStrTable(); }
};

// Must stay first: later tests fill the table for the rest of the process.
TEST(StrTableBeforeInit, LoadStrFindsNoText)
{
    if (StrTable::stab[3]) {
        GTEST_SKIP() << "table already filled in this process";
    }
    EXPECT_TRUE(StrTable::LoadStr(3).isEmpty());
    EXPECT_EQ(StrTable::LookupStrID("app_name"), -1);
}

TEST_F(StrTableTest, KeysAreUniqueAndInIdOrder)
{
    const QRegularExpression key_form("^[a-z]+(_[a-z]+)*$");
    std::set<std::string> keys;
    for (int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        ASSERT_NE(StrTable::ktab[id], nullptr) << id;
        EXPECT_STREQ(StrTable::ktab[id], expected_keys[id]) << "id " << id;
        EXPECT_TRUE(key_form.match(StrTable::ktab[id]).hasMatch()) << StrTable::ktab[id];
        keys.insert(StrTable::ktab[id]);
    }
    EXPECT_EQ(keys.size(), 170u);
}

TEST_F(StrTableTest, OnlyTheNinePairsShareATextLeaving161)
{
    std::map<std::string, std::vector<int>> ids_by_text;
    for (int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        ASSERT_NE(StrTable::stab[id], nullptr) << id;
        ids_by_text[StrTable::stab[id]].push_back(id);
    }
    std::set<std::pair<int, int>> shared;
    for (const auto &entry : ids_by_text) {
        ASSERT_LE(entry.second.size(), 2u) << entry.first;
        if (entry.second.size() == 2) {
            shared.insert({entry.second[0], entry.second[1]});
        }
    }
    EXPECT_EQ(shared, shared_pairs);
    EXPECT_EQ(ids_by_text.size(), 161u);
}

TEST_F(StrTableTest, GivenTextsAreExact)
{
    const std::map<int, std::string> given = {
        {3, "Tidewell Backup"},
        {44, "Tidewell Backup is initializing..."},
        {160, "Tidewell Backup is ready."},
        {1, "Back up files and folders with the prefix %1."},
        {151, "%1 / %2"},
    };
    for (const auto &g : given) {
        EXPECT_EQ(StrTable::stab[g.first], g.second) << "id " << g.first;
    }
}

// The texts are catalogue source texts: any stray character or marker would break every
// translation of the entry.
TEST_F(StrTableTest, TextsArePlainAsciiWithBalancedMarkers)
{
    for (int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        const std::string text = StrTable::stab[id];
        ASSERT_FALSE(text.empty()) << id;
        for (unsigned char c : text) {
            EXPECT_TRUE(c >= 0x20 && c <= 0x7e && c != '\\' && c != '"') << "id " << id << ": " << text;
        }
        EXPECT_NE(text.front(), ' ') << text;
        EXPECT_NE(text.back(), ' ') << text;
        EXPECT_EQ(text.find("  "), std::string::npos) << text;

        int markers[3] = {0, 0, 0};
        for (size_t pos = text.find('%'); pos != std::string::npos; pos = text.find('%', pos + 1)) {
            const char next = pos + 1 < text.size() ? text[pos + 1] : '\0';
            ASSERT_TRUE(next == '1' || next == '2') << "id " << id << ": " << text;
            ASSERT_FALSE(pos + 2 < text.size() && std::isdigit(static_cast<unsigned char>(text[pos + 2])))
                << "id " << id << ": " << text;
            ++markers[next - '0'];
        }
        EXPECT_LE(markers[1], 1) << text;
        EXPECT_LE(markers[2], 1) << text;
        EXPECT_TRUE(markers[2] == 0 || markers[1] == 1) << "%2 without %1: " << text;
    }
}

TEST_F(StrTableTest, WithoutTranslatorLoadStrReturnsEnglish)
{
    EXPECT_EQ(StrTable::LoadStr(StrTable::ID_PRODUCT_NAME), QStringLiteral("Tidewell Backup"));
    EXPECT_EQ(StrTable::LoadStr(StrTable::ID_INITIALIZING),
              QStringLiteral("Tidewell Backup is initializing..."));
    EXPECT_EQ(StrTable::LoadStr(StrTable::ID_READY), QStringLiteral("Tidewell Backup is ready."));
    for (int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        EXPECT_EQ(StrTable::LoadStr(id), QString::fromLatin1(StrTable::stab[id])) << id;
    }
}

TEST_F(StrTableTest, IdsOutsideTheTableGiveNoText)
{
    for (int id : {-1, StrTable::NUM_STRING_IDS, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(StrTable::LoadStr(id).isNull()) << id;
    }
}

TEST_F(StrTableTest, EscapesInTranslationsBecomeControlCharacters)
{
    const struct {
        const char *translation;
        const char *expected;
    } cases[] = {
        {"Zeile eins\\nZeile zwei", "Zeile eins\nZeile zwei"},
        {"\\n\\nA\\tB\\t", "\n\nA\tB\t"},
        {"Kein \\N und kein \\T", "Kein \\N und kein \\T"},
        {"Ohne Escape", "Ohne Escape"},
    };
    for (const auto &c : cases) {
        InstalledTranslator tr(
            {{QStringLiteral("Tidewell Backup is ready."), QString::fromUtf8(c.translation)}});
        EXPECT_EQ(StrTable::LoadStr(160), QString::fromUtf8(c.expected)) << c.translation;
    }
}

TEST_F(StrTableTest, TranslationFollowsTheInstalledTranslator)
{
    {
        InstalledTranslator tr({{QStringLiteral("Tidewell Backup is initializing..."),
                                 QString::fromUtf8("Tidewell Backup wird initialisiert ...")}});
        EXPECT_EQ(StrTable::LoadStr(44), QString::fromUtf8("Tidewell Backup wird initialisiert ..."));
        // No translation for the text: the English source comes back.
        EXPECT_EQ(StrTable::LoadStr(160), QStringLiteral("Tidewell Backup is ready."));
    }
    EXPECT_EQ(StrTable::LoadStr(44), QStringLiteral("Tidewell Backup is initializing..."));
}

// A catalogue holds one message per distinct text; it must reach every id, and both ids of a
// pair must come back with the one translation made for the first of them.
TEST_F(StrTableTest, CatalogueOfDistinctTextsCoversEveryId)
{
    QHash<QString, QString> map;
    std::map<std::string, QString> translation_of;
    for (const std::string &text : DistinctTexts()) {
        const QString translated = QStringLiteral("T%1").arg(map.size());
        map.insert(QString::fromStdString(text), translated);
        translation_of[text] = translated;
    }
    ASSERT_EQ(map.size(), 161);
    InstalledTranslator tr(map);
    for (int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        EXPECT_EQ(StrTable::LoadStr(id), translation_of[StrTable::stab[id]]) << id;
    }
    for (const auto &pair : shared_pairs) {
        EXPECT_EQ(StrTable::LoadStr(pair.first), StrTable::LoadStr(pair.second));
    }
    EXPECT_EQ(StrTable::LoadStr(22), StrTable::LoadStr(114));
}

TEST_F(StrTableTest, LookupStrIdIgnoresCaseAndRejectsUnknownKeys)
{
    const struct {
        const char *key;
        int id;
    } cases[] = {
        {"app_name", 3},
        {"APP_NAME", 3},
        {"App_Name", 3},
        {"aPp_nAmE", 3},
        {"main_desc_last_upload", 0},
        {"WIZARD_NETWORK_ERR_SYNC_FOLDER_WARNING", 169},
        {"btn_ok", 114},
        {"app_nam", -1},
        {"app_name ", -1},
        {"app-name", -1},
        {"", -1},
        {"no_such_key", -1},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(c.key)), c.id) << c.key;
    }
    EXPECT_EQ(StrTable::LookupStrID(QString()), -1);
    EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1("app_name\0x", 10)), -1);
    for (int id = 0; id < StrTable::NUM_STRING_IDS; ++id) {
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(expected_keys[id]).toUpper()), id);
    }
}

TEST_F(StrTableTest, InitStrTableCanBeRepeated)
{
    const char *before = StrTable::stab[44];
    StrTable::InitStrTable();
    EXPECT_EQ(StrTable::stab[44], before);
    EXPECT_EQ(StrTable::LoadStr(44), QStringLiteral("Tidewell Backup is initializing..."));
}

std::string JsonString(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

// Catalogues are generated from the script's list; it must match the compiled table exactly.
TEST_F(StrTableTest, TextsScriptListsTheDistinctTextsInIdOrder)
{
    const std::string command = "python3 '" TW_SOURCE_DIR "/scripts/strtab-texts' 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) {
        output.append(buf, n);
    }
    const int status = pclose(pipe);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127) {
        GTEST_SKIP() << "python3 not available";
    }
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;

    std::string expected;
    for (const std::string &text : DistinctTexts()) {
        expected += JsonString(text) + "\n";
    }
    EXPECT_EQ(output, expected);
}

} // namespace
