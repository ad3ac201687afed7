<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Poslední nahrání: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Zálohovat soubory a složky s předponou %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Pro potvrzení zadejte heslo.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Automatické připojení se nezdařilo, protože ID serveru je neplatné.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Tuto složku nelze zálohovat. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Zadejte adresu serveru a údaje o účtu.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>Směr zálohování neodpovídá existující úloze na serveru.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Zadejte ověřovací kód.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>Sdílená složka dosáhla své kvóty. Soubory nelze nahrávat, dokud se neuvolní místo.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Certifikát SSL serveru nelze ověřit.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Vyberte, co chcete zálohovat a kam zálohu uložit.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Server se od posledního připojení změnil.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>Místní složka určená k zálohování již neexistuje.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresa serveru</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Nápovědu k těmto krokům najdete v online nápovědě.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Došlo k chybě databáze.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Vaše soubory v bezpečí a vždy po ruce.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Použít černobílou ikonu v oznamovací oblasti</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Sdílená složka není na serveru připojena.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Otevřít Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Při komunikaci se serverem došlo k chybě protokolu.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Jednotka s místní složkou není připojena.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk je plný.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Disk s touto složkou je plný. Uvolněte místo nebo vyberte jinou složku.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>O aplikaci Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Zálohování se nezdařilo.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Použít ruční nastavení proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>K přihlášení je vyžadován ověřovací kód.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Opravdu chcete odpojit tento počítač od serveru?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup se inicializuje...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Vyberte složku.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Použít systémové nastavení proxy</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Změnit složku</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Místní složka</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Zadejte uživatelské jméno pro proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Certifikát SSL serveru se změnil. Chcete novému certifikátu důvěřovat?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odpojování...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Použít šifrování SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Fronta zálohování</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>Zdrojová složka je jen pro čtení. Soubory z ní lze zálohovat, ale nelze je do ní obnovit.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Tato složka je jen pro čtení.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>Nový jazyk se projeví po restartování aplikace Tidewell Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Zadejte číslo portu v rozsahu 1 až 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Nahrávání...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Certifikát SSL serveru se změnil.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Server nepovoluje připojení z vaší IP adresy.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Test připojení byl úspěšný.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Certifikát SSL serveru není důvěryhodný. Chcete přesto pokračovat?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Ne, děkuji</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Připojení k serveru</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Ověřovací kód je nesprávný.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Sdílená složka s tímto názvem již na serveru existuje.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Tento průvodce vám pomůže zálohovat složky z tohoto počítače na váš server.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Sdílení povoleno</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Nemáte oprávnění k přístupu k této složce.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Vaše kvóta úložiště na serveru je vyčerpána.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Poklepáním na položku ji upravíte.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Přeskakovat soubory větší než %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Zálohování...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>Cíl nemá žádnou volnou kvótu. Uvolněte místo nebo vyberte jiný cíl.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Příliš mnoho neúspěšných pokusů. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Chcete-li velikost neomezovat, nastavte 0.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Došlo k neočekávané chybě.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Aplikaci Tidewell Backup nelze inicializovat.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Toto není server, na kterém byla úloha zálohování vytvořena.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Vyberte cílovou složku na serveru.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Test připojení se nezdařil. Zkontrolujte uživatelské jméno a heslo.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Výchozí nastavení systému</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Přesto pokračovat</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Vyberte místní složku k zálohování a její cíl na serveru.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Správce vyžaduje dvoufázové ověření. Nejprve ho pro svůj účet zapněte.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Zadejte adresu a port proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Váš účet je na serveru zakázán.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Pokud soubor v cíli již existuje, stávající soubor se zachová jako kopie.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Neexistuje žádná platná složka k zálohování.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Zamykání souboru...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>Verze serveru není podporována. Aktualizujte software serveru.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Složky v tomto počítači</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Soubory větší než tato velikost se nezálohují.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Ponechat soubory na serveru, když jsou odstraněny z tohoto počítače</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Došlo k chybě sítě.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Vybrat zdrojovou složku</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Složky jen pro čtení se zálohují pouze z tohoto počítače na server.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Adresa proxy</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Upozornění na certifikát SSL</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Stahování: %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup uchovává na vašem serveru vždy aktuální kopii vašich souborů.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Uživatelské jméno pro proxy</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Připojit přes FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Došlo k systémové chybě.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>Cílová sdílená složka již na serveru neexistuje.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Příprava...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>K cílové složce máte přístup jen pro čtení.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Chyba zálohování</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Je k dispozici nová verze. Klikněte pro aktualizaci.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Jen pro čtení</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Server nepovoluje automatické připojení.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Tato složka se překrývá se složkou, která se již zálohuje.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Upřesnit</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Souborů ke zpracování: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Vyloučené složky</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Nemáte oprávnění k zápisu do sdílené složky.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Soubory s následujícími příponami se nezálohují.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nesprávné uživatelské jméno nebo heslo.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Aplikaci Tidewell Backup nelze aktualizovat.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Hledání serverů v místní síti...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Spustit nyní</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Zpracování: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Proxy server vyžaduje ověření</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Výběr složek</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Relaci se serverem nelze vytvořit.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup je připravena.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Server již tuto verzi aplikace Tidewell Backup nepodporuje. Aktualizujte aplikaci Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Vyloučené typy souborů</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Použití nastavení...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizace...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Vyhledat servery v místní síti.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Spouštět Tidewell Backup po přihlášení</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Zkontrolujte následující nastavení.</translation>
    </message>
</context>
</TS>
