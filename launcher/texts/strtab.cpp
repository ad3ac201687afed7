#include "strtab.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLatin1String>

#include <cstring>

const char *StrTable::stab[StrTable::NUM_STRING_IDS];
const char *StrTable::ktab[StrTable::NUM_STRING_IDS];

namespace {

struct StrEntry {
    const char *key;
    const char *text;
};

// One entry per line, in id order. scripts/strtab-texts reads this block to list the source
// texts for the translation catalogues, so keep the form `{ "key", "text" },` and plain ASCII
// texts without escapes. Entries that share a text share one catalogue message.
// clang-format off
const StrEntry str_entries[] = {
    // 0 to 9
    { "main_desc_last_upload", "Last upload: %1" },
    { "setting_filter_point_prefix", "Back up files and folders with the prefix %1." },
    { "msg_checkpass", "Please enter your password to confirm." },
    { "app_name", "Tidewell Backup" },
    { "err_autoconn_invalidid", "Automatic connection failed because the server ID is invalid." },
    { "wizard_invalid_sync_folder_warning", "This folder cannot be backed up. Please choose another folder." },
    { "wizard_connection_desc", "Enter your server address and account information." },
    { "connection_username", "User name" },
    { "err_sync_direction_mismatch", "The backup direction does not match the existing task on the server." },
    { "connection_enter_otp", "Please enter the verification code." },
    // 10 to 19
    { "msg_share_quotafull", "The shared folder has reached its quota. Files cannot be uploaded until space is freed." },
    { "err_ssl_verify_fail", "The server's SSL certificate could not be verified." },
    { "setting_tab_connection", "Connection" },
    { "btn_proxy", "Proxy" },
    { "btn_done", "Done" },
    { "tray_exit", "Exit" },
    { "backup_chooser_desc", "Choose what to back up and where to store it." },
    { "main_queue_completed", "Completed" },
    { "err_vs_change", "The server has changed since the last connection." },
    { "err_local_sync_folder_miss", "The local folder to back up no longer exists." },
    // 20 to 29
    { "connection_server", "Server address" },
    { "wizard_welcome_help", "For help with these steps, see the online help." },
    { "btn_wizard_readonly_yes", "OK" },
    { "err_database", "A database error occurred." },
    { "wizard_welcome_slogan", "Keep your files safe and within reach." },
    { "setting_option_use_black_white_icon", "Use a black-and-white tray icon" },
    { "err_share_not_mounted", "The shared folder is not mounted on the server." },
    { "main_queue_column_progress", "Progress" },
    { "tray_main_app", "Open Tidewell Backup" },
    { "err_proto", "A protocol error occurred while communicating with the server." },
    // 30 to 39
    { "err_syncfolder_not_mounted", "The drive of the local folder is not mounted." },
    { "btn_unlink", "Unlink" },
    { "err_diskfull", "The disk is full." },
    { "main_status_uptodate", "Up to date" },
    { "wizard_diskfull_sync_folder_warning", "The disk of this folder is full. Please free up space or choose another folder." },
    { "msg_about", "About Tidewell Backup" },
    { "err_backup_fail", "The backup failed." },
    { "wizard_summary_table_path", "Path" },
    { "setting_proxy_manual", "Use manual proxy settings" },
    { "wizard_summary_table_remote_title", "Destination" },
    // 40 to 49
    { "err_otp_required", "A verification code is required to sign in." },
    { "connection_unlink_confirm", "Are you sure you want to unlink this computer from the server?" },
    { "btn_resume", "Resume" },
    { "setting_proxy_password", "Password" },
    { "desc_tdwl_env_preparing", "Tidewell Backup is initializing..." },
    { "backup_chooser_no_folder_selected", "Please select a folder." },
    { "setting_proxy_sys_proxy", "Use system proxy settings" },
    { "btn_wizard_readonly_no", "Change Folder" },
    { "setting_tab_folder", "Local Folder" },
    { "main_queue_column_file", "File" },
    // 50 to 59
    { "setting_proxy_err_empty_username", "Please enter the proxy user name." },
    { "setting_tab_filter", "Filter" },
    { "msg_ssl_change", "The server's SSL certificate has changed. Do you want to trust the new certificate?" },
    { "connection_unlinking", "Unlinking..." },
    { "connection_ssl", "Use SSL encryption" },
    { "version", "Version %1" },
    { "main_queue_title", "Backup Queue" },
    { "btn_pause", "Pause" },
    { "wizard_source_readonly_warning", "The source folder is read-only. Files can be backed up from it but not restored to it." },
    { "read_only_tooltip", "This folder is read-only." },
    // 60 to 69
    { "msg_error", "Error" },
    { "main_status_pause", "Paused" },
    { "tray_upgrade", "Upgrade" },
    { "setting_option_language_restart", "The new language takes effect after Tidewell Backup restarts." },
    { "setting_proxy_err_invalid_port", "Please enter a port number between 1 and 65535." },
    { "main_queue_uploading", "Uploading..." },
    { "wizard_ssl_change_sync_folder_warning", "The server's SSL certificate has changed." },
    { "err_ip_not_allowed", "The server does not allow connections from your IP address." },
    { "connection_password", "Password" },
    { "backup_chooser_destination", "Destination" },
    // 70 to 79
    { "msg_test_connect", "The connection test was successful." },
    { "msg_ssl_error", "The server's SSL certificate is not trusted. Do you want to continue anyway?" },
    { "btn_no_need", "No, Thanks" },
    { "setting_proxy_port", "Port" },
    { "wizard_connection_title", "Connect to Server" },
    { "err_otp_invalid", "The verification code is incorrect." },
    { "btn_select", "Select" },
    { "wizard_share_name_duplicate_warning", "A shared folder with this name already exists on the server." },
    { "wizard_welcome_info", "This wizard helps you back up the folders on this computer to your server." },
    { "main_status_connecting", "Connecting..." },
    // 80 to 89
    { "share_enabled", "Sharing enabled" },
    { "tray_about", "About" },
    { "wizard_access_deny_sync_folder_warning", "You do not have permission to access this folder." },
    { "err_quotafull", "Your storage quota on the server is full." },
    { "setting_filter_table_editor_tooltip", "Double-click an entry to edit it." },
    { "btn_continue", "Continue" },
    { "setting_filter_max_size", "Skip files larger than %1 MB" },
    { "main_status_syncing", "Backing up..." },
    { "wizard_quotafull_sync_folder_warning", "The destination has no quota left. Please free up space or choose another destination." },
    { "err_max_tries", "Too many failed attempts. Please try again later." },
    // 90 to 99
    { "setting_filter_zero_desc", "Set the size to 0 for no limit." },
    { "err_abnormal", "An unexpected error occurred." },
    { "err_init_failed", "Tidewell Backup could not be initialized." },
    { "err_vs_not_match", "This server is not the one the backup task was created on." },
    { "treedialog_server_desc", "Choose a destination folder on the server." },
    { "msg_test_username_fail", "The connection test failed. Please check the user name and password." },
    { "setting_option_language_title", "Language" },
    { "setting_option_language_default", "System default" },
    { "btn_ssl_continue", "Continue Anyway" },
    { "wizard_summary_table_local_title", "Local Folder" },
    // 100 to 109
    { "wizard_setsyncfolder_desc", "Choose the local folder to back up and its destination on the server." },
    { "err_otp_enforced", "Your administrator requires 2-step verification. Please enable it for your account first." },
    { "btn_next", "Next" },
    { "btn_apply", "Apply" },
    { "setting_proxy_err_ipport_empty", "Please enter the proxy address and port." },
    { "wizard_user_disable_sync_folder_warning", "Your account is disabled on the server." },
    { "wizard_conflict_backup_warning", "If a file already exists in the destination, the existing file is kept as a copy." },
    { "err_no_valid_folder", "There is no valid folder to back up." },
    { "main_queue_locking", "Locking file..." },
    { "setting_proxy_no_proxy", "No proxy" },
    // 110 to 119
    { "tray_help", "Help" },
    { "err_version_server", "The server version is not supported. Please update the server software." },
    { "treedialog_pc_title", "Folders on This Computer" },
    { "setting_filter_size_limit_tooltip", "Files larger than this size are not backed up." },
    { "btn_ok", "OK" },
    { "setting_filter_ignore_local_delete", "Keep files on the server when they are deleted from this computer" },
    { "err_network", "A network error occurred." },
    { "main_queue_column_status", "Status" },
    { "wizard_ssl_verify_fail_sync_folder_warning", "The server's SSL certificate could not be verified." },
    { "backup_chooser_choose_source", "Choose Source Folder" },
    // 120 to 129
    { "wizard_readonly_backup_desc", "Read-only folders are backed up from this computer to the server only." },
    { "setting_proxy_ip", "Proxy address" },
    { "title_ssl_warning", "SSL Certificate Warning" },
    { "setting_tab_proxy", "Proxy" },
    { "main_queue_waiting", "Waiting" },
    { "msg_download_downloading", "Downloading %1..." },
    { "wizard_welcome_desc", "Tidewell Backup keeps a copy of your files on your server, always up to date." },
    { "setting_proxy_username", "Proxy user name" },
    { "connection_use_farreach", "Connect via FarReach" },
    { "wizard_summary_table_account", "Account" },
    // 130 to 139
    { "wizard_system_err_sync_folder_warning", "A system error occurred." },
    { "wizard_share_nonexist_sync_folder_warning", "The destination shared folder no longer exists on the server." },
    { "wizard_summary_title", "Summary" },
    { "main_queue_preparing", "Preparing..." },
    { "setting_tab_option", "Options" },
    { "wizard_readonly_sync_folder_warning", "You have read-only access to the destination folder." },
    { "main_status_error", "Backup error" },
    { "tray_click_to_update", "A new version is available. Click to update." },
    { "read_only", "Read-only" },
    { "err_autoconn_ctrl", "Automatic connection is not allowed by the server." },
    // 140 to 149
    { "wizard_conflict_sync_folder_warning", "This folder overlaps with a folder that is already backed up." },
    { "btn_advanced", "Advanced" },
    { "main_desc_processing_count", "Files to process: %1" },
    { "wizard_summary_table_except_path", "Excluded folders" },
    { "err_share_perm", "You do not have permission to write to the shared folder." },
    { "setting_filter_table_desc", "Files with the following extensions are not backed up." },
    { "err_auth", "Incorrect user name or password." },
    { "btn_settings", "Settings" },
    { "upgrade_failed", "Tidewell Backup could not be upgraded." },
    { "local_vs_search", "Searching for servers on the local network..." },
    // 150 to 159
    { "btn_back", "Back" },
    { "main_queue_progress", "%1 / %2" },
    { "btn_start_now", "Start Now" },
    { "main_desc_processing_file", "Processing: %1" },
    { "setting_proxy_auth", "Proxy server requires authentication" },
    { "wizard_summary_table_server", "Server" },
    { "wizard_setsyncfolder_title", "Select Folders" },
    { "err_invalid", "A system error occurred." },
    { "err_ssl_change", "The server's SSL certificate has changed." },
    { "err_create_session_fail", "A session with the server could not be created." },
    // 160 to 169
    { "desc_tdwl_env_preparation_done", "Tidewell Backup is ready." },
    { "btn_cancel", "Cancel" },
    { "err_version_client", "This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup." },
    { "setting_filter_table_title", "Excluded File Types" },
    { "manage_setting_applying", "Applying settings..." },
    { "tray_updating", "Updating..." },
    { "wizard_find_local_vs_tooltip", "Search the local network for servers." },
    { "setting_option_start_upon_login", "Start Tidewell Backup when I sign in" },
    { "wizard_summary_desc", "Please review the following settings." },
    { "wizard_network_err_sync_folder_warning", "A network error occurred." },
};
// clang-format on

static_assert(sizeof(str_entries) / sizeof(str_entries[0]) == StrTable::NUM_STRING_IDS,
              "one entry per string id");

} // namespace

void StrTable::InitStrTable()
{
    for (int id = 0; id < NUM_STRING_IDS; ++id) {
        ktab[id] = str_entries[id].key;
        stab[id] = str_entries[id].text;
    }
}

QString StrTable::LoadStr(int id)
{
    // An id outside the table would read past both arrays; answer with no text instead.
    if (id < 0 || id >= NUM_STRING_IDS || !stab[id]) {
        return QString();
    }
    QString text = QCoreApplication::translate("global", stab[id], nullptr, -1);
    // Catalogue texts may carry line breaks and tabs written as escapes.
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return text;
}

int StrTable::LookupStrID(const QString &strKey)
{
    const QByteArray key = strKey.toLocal8Bit();
    // qstricmp stops at a NUL, so compare lengths too: "app_name\0x" is not "app_name".
    const size_t key_len = static_cast<size_t>(key.size());
    for (int id = 0; id < NUM_STRING_IDS; ++id) {
        if (ktab[id] && std::strlen(ktab[id]) == key_len && qstricmp(ktab[id], key.constData()) == 0) {
            return id;
        }
    }
    return -1;
}
