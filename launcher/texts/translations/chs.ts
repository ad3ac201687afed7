<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>上次上传：%1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>备份名称以 %1 开头的文件和文件夹。</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>请输入密码以确认。</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>服务器 ID 无效，自动连接失败。</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>无法备份此文件夹。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>请输入服务器地址和账户信息。</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>备份方向与服务器上现有的任务不一致。</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>请输入验证码。</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>共享文件夹已达到配额上限。释放空间之前无法上传文件。</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>无法验证服务器的 SSL 证书。</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理服务器</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>选择要备份的内容及其存储位置。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>自上次连接以来，服务器已发生变化。</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>要备份的本地文件夹已不存在。</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>服务器地址</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>如需这些步骤的帮助，请参阅在线帮助。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>发生数据库错误。</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>让文件安全无忧，随时触手可及。</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>使用黑白托盘图标</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>共享文件夹未在服务器上挂载。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>打开 Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>与服务器通信时发生协议错误。</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>本地文件夹所在的驱动器未挂载。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除关联</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>磁盘已满。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>此文件夹所在的磁盘已满。请释放空间或选择其他文件夹。</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>关于 Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>备份失败。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>使用手动代理设置</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>目标位置</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>登录需要验证码。</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>确定要解除此计算机与服务器的关联吗？</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup 正在初始化...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>请选择文件夹。</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>使用系统代理设置</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>更改文件夹</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>本地文件夹</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>请输入代理用户名。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>过滤器</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>服务器的 SSL 证书已更改。是否信任新证书？</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除关联...</translation>
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
        <translation>备份队列</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>源文件夹为只读。可以从中备份文件，但无法将文件还原到此文件夹。</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>此文件夹为只读。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>新语言将在 Tidewell Backup 重新启动后生效。</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>请输入 1 到 65535 之间的端口号。</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>正在上传...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>服务器的 SSL 证书已更改。</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>服务器不允许来自您的 IP 地址的连接。</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>连接测试成功。</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>服务器的 SSL 证书不受信任。是否仍要继续？</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>不用了，谢谢</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>连接到服务器</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>验证码不正确。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>服务器上已存在同名的共享文件夹。</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>此向导将帮助您将此计算机上的文件夹备份到服务器。</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>已启用共享</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>您无权访问此文件夹。</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>您在服务器上的存储配额已用完。</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>双击条目即可进行编辑。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>跳过大于 %1 MB 的文件</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在备份...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>目标位置的配额已用完。请释放空间或选择其他目标位置。</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>失败次数过多。请稍后重试。</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>将大小设为 0 表示不限制。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>发生意外错误。</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>无法初始化 Tidewell Backup。</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>此服务器不是创建该备份任务的服务器。</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>请选择服务器上的目标文件夹。</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>连接测试失败。请检查用户名和密码。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>仍然继续</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>请选择要备份的本地文件夹及其在服务器上的目标位置。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>管理员要求使用两步验证。请先为您的账户启用两步验证。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>请输入代理服务器地址和端口。</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>您的账户已在服务器上被停用。</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>如果目标位置已存在该文件，现有文件将保留为副本。</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>没有可备份的有效文件夹。</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>正在锁定文件...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理服务器</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>不支持此服务器版本。请更新服务器软件。</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>此计算机上的文件夹</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>大于此大小的文件不会备份。</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>从此计算机删除文件时，在服务器上保留这些文件</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>发生网络错误。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>选择源文件夹</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>只读文件夹仅从此计算机单向备份到服务器。</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>代理服务器地址</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL 证书警告</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>正在下载 %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup 会在您的服务器上保存文件副本，并始终保持最新。</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>代理用户名</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>通过 FarReach 连接</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>发生系统错误。</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>服务器上的目标共享文件夹已不存在。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>正在准备...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>您对目标文件夹只有只读权限。</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>备份错误</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>有新版本可用。单击以更新。</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>服务器不允许自动连接。</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>此文件夹与已备份的文件夹重叠。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>待处理文件：%1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>排除的文件夹</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>您没有写入该共享文件夹的权限。</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>具有以下扩展名的文件不会备份。</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>用户名或密码不正确。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>无法升级 Tidewell Backup。</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>正在搜索局域网中的服务器...</translation>
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
        <translation>立即开始</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>正在处理：%1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>代理服务器需要身份验证</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>无法与服务器建立会话。</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup 已就绪。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>服务器已不再支持此版本的 Tidewell Backup。请更新 Tidewell Backup。</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>排除的文件类型</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在应用设置...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>在局域网中搜索服务器。</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>登录时启动 Tidewell Backup</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>请确认以下设置。</translation>
    </message>
</context>
</TS>
