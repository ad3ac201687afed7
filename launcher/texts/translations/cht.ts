<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>上次上傳：%1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>備份名稱以 %1 開頭的檔案和資料夾。</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>請輸入密碼以確認。</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>伺服器 ID 無效，自動連線失敗。</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>無法備份此資料夾。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>請輸入伺服器位址和帳號資訊。</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>備份方向與伺服器上現有的任務不一致。</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>請輸入驗證碼。</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>共用資料夾已達配額上限。釋放空間之前無法上傳檔案。</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>無法驗證伺服器的 SSL 憑證。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>選擇要備份的內容及其儲存位置。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>自上次連線後，伺服器已變更。</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>要備份的本機資料夾已不存在。</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>伺服器位址</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>如需這些步驟的相關說明，請參閱線上說明。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>發生資料庫錯誤。</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>讓檔案安全無虞，隨時觸手可及。</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>使用黑白系統匣圖示</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>共用資料夾未在伺服器上掛載。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>開啟 Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>與伺服器通訊時發生通訊協定錯誤。</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>本機資料夾所在的磁碟機未掛載。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除連結</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>磁碟已滿。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新狀態</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>此資料夾所在的磁碟已滿。請釋放空間或選擇其他資料夾。</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>關於 Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>備份失敗。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>使用手動代理伺服器設定</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目的地</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>登入需要驗證碼。</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>確定要解除此電腦與伺服器的連結嗎？</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup 準備中...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>請選擇資料夾。</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>使用系統代理伺服器設定</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>變更資料夾</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>本機資料夾</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>請輸入代理伺服器使用者名稱。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選器</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>伺服器的 SSL 憑證已變更。是否要信任新憑證？</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除連結...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>使用 SSL 加密</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>備份佇列</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>來源資料夾為唯讀。可從中備份檔案，但無法將檔案還原至此資料夾。</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>此資料夾為唯讀。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>新語言將在 Tidewell Backup 重新啟動後生效。</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>請輸入介於 1 到 65535 之間的連接埠號碼。</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>正在上傳...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>伺服器的 SSL 憑證已變更。</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>伺服器不允許來自您 IP 位址的連線。</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>連線測試成功。</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>伺服器的 SSL 憑證不受信任。是否仍要繼續？</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>不用了，謝謝</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>連線到伺服器</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>驗證碼不正確。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>伺服器上已有同名的共用資料夾。</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>此精靈將協助您將此電腦上的資料夾備份到伺服器。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>已啟用共用</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>您沒有存取此資料夾的權限。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>您在伺服器上的儲存配額已用完。</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>按兩下項目即可編輯。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>略過大於 %1 MB 的檔案</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在備份...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>目的地的配額已用完。請釋放空間或選擇其他目的地。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>失敗次數過多。請稍後再試。</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>將大小設為 0 表示不限制。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>發生未預期的錯誤。</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>無法初始化 Tidewell Backup。</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>此伺服器並非建立此備份任務的伺服器。</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>請選擇伺服器上的目的地資料夾。</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>連線測試失敗。請檢查使用者名稱和密碼。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系統預設</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>仍要繼續</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>請選擇要備份的本機資料夾及其在伺服器上的目的地。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>管理員要求使用兩步驟驗證。請先為您的帳號啟用兩步驟驗證。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>請輸入代理伺服器位址和連接埠。</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>您的帳號已在伺服器上停用。</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>如果目的地已存在該檔案，現有檔案將保留為副本。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>沒有可備份的有效資料夾。</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>正在鎖定檔案...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理伺服器</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>不支援此伺服器版本。請更新伺服器軟體。</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>此電腦上的資料夾</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>大於此大小的檔案不會備份。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>從此電腦刪除檔案時，仍保留伺服器上的檔案</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>發生網路錯誤。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>選擇來源資料夾</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>唯讀資料夾僅會從此電腦單向備份至伺服器。</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>代理伺服器位址</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL 憑證警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>正在下載 %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup 會在您的伺服器上保留一份檔案副本，並隨時保持最新。</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>代理伺服器使用者名稱</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>透過 FarReach 連線</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>發生系統錯誤。</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>伺服器上的目的地共用資料夾已不存在。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>正在準備...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>您對目的地資料夾僅有唯讀權限。</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>備份錯誤</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>有新版本可用。按一下即可更新。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>唯讀</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>伺服器不允許自動連線。</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>此資料夾與已備份的資料夾重疊。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>進階</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>待處理檔案：%1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>排除的資料夾</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>您沒有寫入此共用資料夾的權限。</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>具有下列副檔名的檔案不會備份。</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>使用者名稱或密碼不正確。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>無法升級 Tidewell Backup。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>正在搜尋區域網路中的伺服器...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>立即開始</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>正在處理：%1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>代理伺服器需要驗證</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>無法與伺服器建立工作階段。</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup 準備完成</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>伺服器已不再支援此版本的 Tidewell Backup。請更新 Tidewell Backup。</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>排除的檔案類型</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在套用設定...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>在區域網路中搜尋伺服器。</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>登入時啟動 Tidewell Backup</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>請確認下列設定。</translation>
    </message>
</context>
</TS>
