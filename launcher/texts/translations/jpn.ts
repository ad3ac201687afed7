<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>最終アップロード：%1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>名前が %1 で始まるファイルとフォルダーをバックアップします。</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>確認のため、パスワードを入力してください。</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>サーバー ID が無効なため、自動接続に失敗しました。</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>このフォルダーはバックアップできません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>サーバーのアドレスとアカウント情報を入力してください。</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>バックアップの方向がサーバー上の既存のタスクと一致しません。</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>確認コードを入力してください。</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>共有フォルダーがクォータの上限に達しました。空き容量を確保するまでファイルをアップロードできません。</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>サーバーの SSL 証明書を検証できませんでした。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>バックアップする対象と保存先を選択してください。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>前回の接続以降、サーバーが変更されています。</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>バックアップ対象のローカルフォルダーはもう存在しません。</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>サーバーアドレス</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>各手順のヘルプについては、オンラインヘルプを参照してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>データベースエラーが発生しました。</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>大切なファイルを安全に、いつでも手の届くところに。</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>白黒のトレイアイコンを使用する</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>共有フォルダーがサーバー上でマウントされていません。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Tidewell Backup を開く</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>サーバーとの通信中にプロトコルエラーが発生しました。</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>ローカルフォルダーのドライブがマウントされていません。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>リンク解除</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>このフォルダーのディスクがいっぱいです。空き容量を確保するか、別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Tidewell Backup について</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>バックアップに失敗しました。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>プロキシを手動で設定する</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>バックアップ先</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>サインインには確認コードが必要です。</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>このコンピューターとサーバーのリンクを解除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup は初期化中です。</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>システムのプロキシ設定を使用する</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>フォルダーを変更</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>ローカルフォルダー</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>プロキシのユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>サーバーの SSL 証明書が変更されました。新しい証明書を信頼しますか？</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>リンクを解除しています...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL 暗号化を使用する</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>バックアップキュー</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>バックアップ元フォルダーは読み取り専用です。このフォルダーからファイルをバックアップすることはできますが、このフォルダーに復元することはできません。</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>このフォルダーは読み取り専用です。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>新しい言語は Tidewell Backup の再起動後に適用されます。</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>1 から 65535 までのポート番号を入力してください。</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>アップロード中...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>サーバーの SSL 証明書が変更されました。</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>サーバーはお使いの IP アドレスからの接続を許可していません。</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>接続テストに成功しました。</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>サーバーの SSL 証明書は信頼されていません。このまま続行しますか？</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>今はしない</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>サーバーに接続</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>確認コードが正しくありません。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>この名前の共有フォルダーはサーバー上に既に存在します。</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>このウィザードを使用して、このコンピューター上のフォルダーをサーバーにバックアップできます。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続中...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>共有が有効</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>このフォルダーにアクセスする権限がありません。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>サーバー上のストレージクォータを使い切りました。</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>項目をダブルクリックすると編集できます。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>%1 MB を超えるファイルをスキップする</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>バックアップ中...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>バックアップ先のクォータが残っていません。空き容量を確保するか、別のバックアップ先を選択してください。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>失敗した試行の回数が多すぎます。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>サイズを 0 に設定すると無制限になります。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>予期しないエラーが発生しました。</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Tidewell Backup を初期化できませんでした。</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>このサーバーは、バックアップタスクを作成したサーバーではありません。</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>サーバー上のバックアップ先フォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>接続テストに失敗しました。ユーザー名とパスワードを確認してください。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定値</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>このまま続行</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>バックアップするローカルフォルダーと、サーバー上のバックアップ先を選択してください。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>管理者により 2 段階認証が必須とされています。先にお使いのアカウントで 2 段階認証を有効にしてください。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>プロキシのアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>お使いのアカウントはサーバー上で無効になっています。</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>バックアップ先にファイルが既に存在する場合、既存のファイルはコピーとして保持されます。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>バックアップできる有効なフォルダーがありません。</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>ファイルをロックしています...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>このサーバーのバージョンはサポートされていません。サーバーソフトウェアを更新してください。</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>このコンピューター上のフォルダー</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>このサイズを超えるファイルはバックアップされません。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>このコンピューターでファイルを削除しても、サーバー上のファイルを保持する</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>ネットワークエラーが発生しました。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>バックアップ元フォルダーの選択</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>読み取り専用フォルダーは、このコンピューターからサーバーへの一方向にのみバックアップされます。</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>プロキシアドレス</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL 証明書の警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 をダウンロードしています...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup は、ファイルのコピーをサーバー上に常に最新の状態で保持します。</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>プロキシのユーザー名</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>FarReach 経由で接続</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>システムエラーが発生しました。</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>バックアップ先の共有フォルダーはサーバー上にもう存在しません。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>準備中...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>バックアップ先フォルダーへのアクセス権は読み取り専用です。</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>バックアップエラー</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>新しいバージョンが利用可能です。クリックして更新してください。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>サーバーで自動接続が許可されていません。</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>このフォルダーは、既にバックアップされているフォルダーと重複しています。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>処理待ちのファイル：%1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>除外フォルダー</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>共有フォルダーへの書き込み権限がありません。</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>次の拡張子のファイルはバックアップされません。</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Tidewell Backup をアップグレードできませんでした。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>ローカルネットワーク上のサーバーを検索しています...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>処理中：%1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>プロキシサーバーで認証が必要</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>サーバーとのセッションを作成できませんでした。</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup は準備完了です。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>このバージョンの Tidewell Backup は、サーバーでサポートされなくなりました。Tidewell Backup を更新してください。</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>除外するファイルの種類</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>設定を適用しています...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>更新中...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>ローカルネットワーク上のサーバーを検索します。</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>サインイン時に Tidewell Backup を起動する</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>次の設定内容を確認してください。</translation>
    </message>
</context>
</TS>
