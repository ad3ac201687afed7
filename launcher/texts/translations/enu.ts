<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Last upload: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Back up files and folders with the prefix %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Please enter your password to confirm.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Automatic connection failed because the server ID is invalid.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>This folder cannot be backed up. Please choose another folder.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Enter your server address and account information.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>The backup direction does not match the existing task on the server.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Please enter the verification code.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>The server's SSL certificate could not be verified.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Choose what to back up and where to store it.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>The server has changed since the last connection.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>The local folder to back up no longer exists.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Server address</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>For help with these steps, see the online help.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>A database error occurred.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Keep your files safe and within reach.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Use a black-and-white tray icon</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>The shared folder is not mounted on the server.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Open Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>A protocol error occurred while communicating with the server.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>The drive of the local folder is not mounted.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Unlink</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>The disk of this folder is full. Please free up space or choose another folder.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>About Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>The backup failed.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Use manual proxy settings</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>A verification code is required to sign in.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Are you sure you want to unlink this computer from the server?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup is initializing...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Please select a folder.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Use system proxy settings</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Change Folder</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Local Folder</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Please enter the proxy user name.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>The server's SSL certificate has changed. Do you want to trust the new certificate?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Unlinking...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Use SSL encryption</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Backup Queue</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>The source folder is read-only. Files can be backed up from it but not restored to it.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>This folder is read-only.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>The new language takes effect after Tidewell Backup restarts.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Please enter a port number between 1 and 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Uploading...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>The server's SSL certificate has changed.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>The server does not allow connections from your IP address.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>The connection test was successful.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>The server's SSL certificate is not trusted. Do you want to continue anyway?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>No, Thanks</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Connect to Server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>The verification code is incorrect.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>A shared folder with this name already exists on the server.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>This wizard helps you back up the folders on this computer to your server.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Sharing enabled</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>You do not have permission to access this folder.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Your storage quota on the server is full.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Double-click an entry to edit it.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Skip files larger than %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backing up...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>The destination has no quota left. Please free up space or choose another destination.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Too many failed attempts. Please try again later.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Set the size to 0 for no limit.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Tidewell Backup could not be initialized.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>This server is not the one the backup task was created on.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Choose a destination folder on the server.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>The connection test failed. Please check the user name and password.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continue Anyway</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Choose the local folder to back up and its destination on the server.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Your administrator requires 2-step verification. Please enable it for your account first.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Please enter the proxy address and port.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Your account is disabled on the server.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>If a file already exists in the destination, the existing file is kept as a copy.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>There is no valid folder to back up.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Locking file...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>The server version is not supported. Please update the server software.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Folders on This Computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Files larger than this size are not backed up.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Keep files on the server when they are deleted from this computer</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>A network error occurred.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Choose Source Folder</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Read-only folders are backed up from this computer to the server only.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Proxy address</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL Certificate Warning</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Downloading %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup keeps a copy of your files on your server, always up to date.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Proxy user name</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Connect via FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>A system error occurred.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>The destination shared folder no longer exists on the server.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparing...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>You have read-only access to the destination folder.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Backup error</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>A new version is available. Click to update.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Automatic connection is not allowed by the server.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>This folder overlaps with a folder that is already backed up.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Files to process: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Excluded folders</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>You do not have permission to write to the shared folder.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Files with the following extensions are not backed up.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Incorrect user name or password.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Tidewell Backup could not be upgraded.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Searching for servers on the local network...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start Now</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Processing: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Proxy server requires authentication</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Select Folders</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>A session with the server could not be created.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup is ready.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Excluded File Types</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applying settings...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Updating...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Search the local network for servers.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Start Tidewell Backup when I sign in</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Please review the following settings.</translation>
    </message>
</context>
</TS>
