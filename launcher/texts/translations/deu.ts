<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Zuletzt hochgeladen: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Dateien und Ordner mit dem Präfix %1 sichern.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Bitte geben Sie zur Bestätigung Ihr Passwort ein.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Die automatische Verbindung ist fehlgeschlagen, da die Server-ID ungültig ist.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Dieser Ordner kann nicht gesichert werden. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Geben Sie die Serveradresse und Ihre Kontoinformationen ein.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>Die Sicherungsrichtung stimmt nicht mit der vorhandenen Aufgabe auf dem Server überein.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Bitte geben Sie den Bestätigungscode ein.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>Der freigegebene Ordner hat sein Kontingent erreicht. Dateien können erst hochgeladen werden, wenn wieder Speicherplatz frei ist.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Das SSL-Zertifikat des Servers konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Wählen Sie aus, was gesichert und wo es gespeichert werden soll.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Der Server hat sich seit der letzten Verbindung geändert.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>Der zu sichernde lokale Ordner ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Hilfe zu diesen Schritten finden Sie in der Onlinehilfe.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Ein Datenbankfehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Ihre Dateien – sicher und immer griffbereit.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Schwarz-weißes Symbol im Infobereich verwenden</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Der freigegebene Ordner ist auf dem Server nicht eingebunden.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Tidewell Backup öffnen</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Bei der Kommunikation mit dem Server ist ein Protokollfehler aufgetreten.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Das Laufwerk des lokalen Ordners ist nicht eingebunden.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Verknüpfung aufheben</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Der Datenträger dieses Ordners ist voll. Bitte geben Sie Speicherplatz frei oder wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Über Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Die Sicherung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Manuelle Proxy-Einstellungen verwenden</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Für die Anmeldung ist ein Bestätigungscode erforderlich.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Möchten Sie die Verknüpfung dieses Computers mit dem Server wirklich aufheben?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup wird initialisiert ...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Bitte wählen Sie einen Ordner aus.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Proxy-Einstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Ordner ändern</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokaler Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Bitte geben Sie den Proxy-Benutzernamen ein.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert. Möchten Sie dem neuen Zertifikat vertrauen?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Verknüpfung wird aufgehoben ...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL-Verschlüsselung verwenden</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Sicherungswarteschlange</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>Der Quellordner ist schreibgeschützt. Dateien können daraus gesichert, aber nicht dorthin wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Dieser Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>Die neue Sprache wird nach dem Neustart von Tidewell Backup wirksam.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Bitte geben Sie eine Portnummer zwischen 1 und 65535 ein.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Wird hochgeladen ...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Der Server lässt keine Verbindungen von Ihrer IP-Adresse zu.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Der Verbindungstest war erfolgreich.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Das SSL-Zertifikat des Servers ist nicht vertrauenswürdig. Möchten Sie trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Mit Server verbinden</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Der Bestätigungscode ist falsch.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Auf dem Server ist bereits ein freigegebener Ordner mit diesem Namen vorhanden.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Dieser Assistent hilft Ihnen, die Ordner auf diesem Computer auf Ihrem Server zu sichern.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt ...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Freigabe aktiviert</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Sie haben keine Berechtigung für den Zugriff auf diesen Ordner.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist aufgebraucht.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Doppelklicken Sie auf einen Eintrag, um ihn zu bearbeiten.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Dateien größer als %1 MB überspringen</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Wird gesichert ...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>Am Ziel ist kein Kontingent mehr verfügbar. Bitte geben Sie Speicherplatz frei oder wählen Sie ein anderes Ziel.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Zu viele fehlgeschlagene Versuche. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Legen Sie als Größe 0 fest, wenn keine Begrenzung gelten soll.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Tidewell Backup konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Dies ist nicht der Server, auf dem die Sicherungsaufgabe erstellt wurde.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Wählen Sie einen Zielordner auf dem Server aus.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Der Verbindungstest ist fehlgeschlagen. Bitte überprüfen Sie Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Trotzdem fortfahren</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Wählen Sie den zu sichernden lokalen Ordner und sein Ziel auf dem Server aus.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Ihr Administrator verlangt die Bestätigung in zwei Schritten. Bitte aktivieren Sie sie zuerst für Ihr Konto.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Bitte geben Sie die Proxy-Adresse und den Port ein.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Ihr Konto ist auf dem Server deaktiviert.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Ist eine Datei am Ziel bereits vorhanden, wird die vorhandene Datei als Kopie beibehalten.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Es ist kein gültiger Ordner zum Sichern vorhanden.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Datei wird gesperrt ...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>Die Serverversion wird nicht unterstützt. Bitte aktualisieren Sie die Serversoftware.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Ordner auf diesem Computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Dateien, die größer als dieser Wert sind, werden nicht gesichert.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Dateien auf dem Server behalten, wenn sie auf diesem Computer gelöscht werden</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Ein Netzwerkfehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Quellordner auswählen</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Schreibgeschützte Ordner werden nur von diesem Computer auf den Server gesichert.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Proxy-Adresse</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL-Zertifikatswarnung</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 wird heruntergeladen ...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup bewahrt eine stets aktuelle Kopie Ihrer Dateien auf Ihrem Server auf.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Proxy-Benutzername</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Über FarReach verbinden</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Ein Systemfehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>Der freigegebene Zielordner ist auf dem Server nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Wird vorbereitet ...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Sie haben nur Lesezugriff auf den Zielordner.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Sicherungsfehler</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Eine neue Version ist verfügbar. Klicken Sie hier, um zu aktualisieren.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Der Server lässt keine automatische Verbindung zu.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Dieser Ordner überschneidet sich mit einem Ordner, der bereits gesichert wird.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Zu verarbeitende Dateien: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Ausgeschlossene Ordner</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Sie haben keine Schreibberechtigung für den freigegebenen Ordner.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Dateien mit den folgenden Erweiterungen werden nicht gesichert.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Benutzername oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Tidewell Backup konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Server im lokalen Netzwerk werden gesucht ...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Wird verarbeitet: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Proxy-Server erfordert Authentifizierung</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Es konnte keine Sitzung mit dem Server erstellt werden.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup ist bereit.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Diese Version von Tidewell Backup wird vom Server nicht mehr unterstützt. Bitte aktualisieren Sie Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Ausgeschlossene Dateitypen</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Einstellungen werden übernommen ...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Wird aktualisiert ...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Im lokalen Netzwerk nach Servern suchen.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Tidewell Backup bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Bitte überprüfen Sie die folgenden Einstellungen.</translation>
    </message>
</context>
</TS>
