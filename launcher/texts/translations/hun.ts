<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Utolsó feltöltés: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Biztonsági mentés a következő előtagú fájlokról és mappákról: %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>A megerősítéshez adja meg a jelszavát.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Az automatikus csatlakozás sikertelen, mert a kiszolgáló azonosítója érvénytelen.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Erről a mappáról nem lehet biztonsági mentést készíteni. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Adja meg a kiszolgáló címét és a fiókadatait.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>A biztonsági mentés iránya nem egyezik a kiszolgálón meglévő feladatéval.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Adja meg az ellenőrző kódot.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>A megosztott mappa elérte a kvótáját. Amíg nem szabadul fel hely, nem lehet fájlokat feltölteni.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>A kiszolgáló SSL-tanúsítványát nem sikerült ellenőrizni.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Válassza ki, miről készüljön biztonsági mentés, és hol legyen tárolva.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Befejezve</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>A kiszolgáló megváltozott a legutóbbi kapcsolódás óta.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>A biztonsági mentésre kijelölt helyi mappa már nem létezik.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Kiszolgáló címe</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Az egyes lépésekhez az online súgóban talál segítséget.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Adatbázishiba történt.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Fájljai biztonságban és mindig kéznél.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Fekete-fehér tálcaikon használata</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>A megosztott mappa nincs csatlakoztatva a kiszolgálón.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Előrehaladás</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>A Tidewell Backup megnyitása</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Protokollhiba történt a kiszolgálóval folytatott kommunikáció közben.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>A helyi mappát tartalmazó meghajtó nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>A lemez megtelt.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Naprakész</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>A mappát tartalmazó lemez megtelt. Szabadítson fel helyet, vagy válasszon másik mappát.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>A Tidewell Backup névjegye</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>A biztonsági mentés sikertelen.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Elérési út</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Kézi proxybeállítások használata</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Cél</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>A bejelentkezéshez ellenőrző kód szükséges.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Biztosan leválasztja ezt a számítógépet a kiszolgálóról?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>A Tidewell Backup inicializálása folyamatban...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Válasszon ki egy mappát.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>A rendszer proxybeállításainak használata</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Mappa módosítása</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Helyi mappa</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Adja meg a proxy felhasználónevét.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Szűrő</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott. Megbízik az új tanúsítványban?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Leválasztás...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL-titkosítás használata</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Biztonsági mentési sor</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>A forrásmappa csak olvasható. A benne lévő fájlokról készíthető biztonsági mentés, de fájlok nem állíthatók vissza bele.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Ez a mappa csak olvasható.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>Az új nyelv a Tidewell Backup újraindítása után lép életbe.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Adjon meg 1 és 65535 közötti portszámot.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Feltöltés...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>A kiszolgáló nem engedélyezi a kapcsolódást az Ön IP-címéről.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>A kapcsolat tesztelése sikeres volt.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>A kiszolgáló SSL-tanúsítványa nem megbízható. Mégis folytatja?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nem, köszönöm</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Csatlakozás a kiszolgálóhoz</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Az ellenőrző kód helytelen.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiválasztás</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Már létezik ilyen nevű megosztott mappa a kiszolgálón.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Ez a varázsló segít biztonsági mentést készíteni a számítógép mappáiról a kiszolgálóra.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Csatlakozás...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Megosztás engedélyezve</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Nincs jogosultsága a mappa eléréséhez.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>A kiszolgálón lévő tárhelykvótája betelt.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Kattintson duplán egy bejegyzésre a szerkesztéséhez.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>A következőnél nagyobb fájlok kihagyása: %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Biztonsági mentés...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>A célhelyen elfogyott a kvóta. Szabadítson fel helyet, vagy válasszon másik célt.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Túl sok sikertelen próbálkozás. Próbálkozzon újra később.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Ha nem szeretne korlátot, állítsa a méretet 0-ra.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Váratlan hiba történt.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>A Tidewell Backup inicializálása sikertelen.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Ez nem az a kiszolgáló, amelyen a biztonsági mentési feladat létrejött.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Válasszon célmappát a kiszolgálón.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>A kapcsolat tesztelése sikertelen. Ellenőrizze a felhasználónevet és a jelszót.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Rendszer alapértelmezése</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Folytatás ennek ellenére</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Válassza ki a biztonsági mentésre szánt helyi mappát és a célhelyét a kiszolgálón.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>A rendszergazda kétlépéses ellenőrzést ír elő. Először kapcsolja be a fiókjához.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Adja meg a proxy címét és portját.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>A fiókja le van tiltva a kiszolgálón.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Ha egy fájl már létezik a célhelyen, a meglévő fájl másolatként megmarad.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Nincs érvényes mappa a biztonsági mentéshez.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Fájl zárolása...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nincs proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>A kiszolgáló verziója nem támogatott. Frissítse a kiszolgálószoftvert.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Mappák ezen a számítógépen</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Az ennél nagyobb fájlokról nem készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Fájlok megtartása a kiszolgálón, ha törlődnek erről a számítógépről</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Hálózati hiba történt.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Forrásmappa kiválasztása</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>A csak olvasható mappákról csak erről a számítógépről a kiszolgálóra készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Proxy címe</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL-tanúsítvánnyal kapcsolatos figyelmeztetés</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozás</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Letöltés: %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>A Tidewell Backup mindig naprakész másolatot tárol a fájljairól a kiszolgálón.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Proxy-felhasználónév</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Csatlakozás a FarReach szolgáltatáson keresztül</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Fiók</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Rendszerhiba történt.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>A megosztott célmappa már nem létezik a kiszolgálón.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Előkészítés...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciók</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>A célmappához csak olvasási hozzáféréssel rendelkezik.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Biztonsági mentési hiba</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Új verzió érhető el. Kattintson a frissítéshez.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Csak olvasható</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>A kiszolgáló nem engedélyezi az automatikus csatlakozást.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Ez a mappa átfedésben van egy olyan mappával, amelyről már készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Speciális</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Feldolgozandó fájlok: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Kizárt mappák</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Nincs írási jogosultsága a megosztott mappához.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>A következő kiterjesztésű fájlokról nem készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Helytelen felhasználónév vagy jelszó.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>A Tidewell Backup frissítése sikertelen.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Kiszolgálók keresése a helyi hálózaton...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Indítás most</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Feldolgozás: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>A proxykiszolgáló hitelesítést igényel</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Mappák kiválasztása</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Nem sikerült munkamenetet létrehozni a kiszolgálóval.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup készen áll.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>A kiszolgáló már nem támogatja a Tidewell Backup ezen verzióját. Frissítse a Tidewell Backup alkalmazást.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Kizárt fájltípusok</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Beállítások alkalmazása...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Frissítés folyamatban...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Kiszolgálók keresése a helyi hálózaton.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>A Tidewell Backup indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Tekintse át a következő beállításokat.</translation>
    </message>
</context>
</TS>
