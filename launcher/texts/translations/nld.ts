<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Laatste upload: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Back-up maken van bestanden en mappen met het voorvoegsel %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Voer uw wachtwoord in om te bevestigen.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Automatisch verbinden is mislukt omdat het server-ID ongeldig is.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Van deze map kan geen back-up worden gemaakt. Kies een andere map.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Voer het serveradres en uw accountgegevens in.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>De back-uprichting komt niet overeen met de bestaande taak op de server.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Voer de verificatiecode in.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>De gedeelde map heeft het quotum bereikt. Er kunnen geen bestanden worden geüpload totdat er ruimte is vrijgemaakt.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Het SSL-certificaat van de server kan niet worden geverifieerd.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Kies waarvan een back-up moet worden gemaakt en waar deze moet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>De server is gewijzigd sinds de laatste verbinding.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>De lokale map waarvan een back-up moet worden gemaakt, bestaat niet meer.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradres</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Raadpleeg de onlinehelp voor hulp bij deze stappen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Er is een databasefout opgetreden.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Houd uw bestanden veilig en binnen handbereik.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Zwart-wit pictogram in het systeemvak gebruiken</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>De gedeelde map is niet aangekoppeld op de server.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Tidewell Backup openen</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Er is een protocolfout opgetreden tijdens de communicatie met de server.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Het station van de lokale map is niet aangekoppeld.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Ontkoppelen</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>De schijf is vol.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Bijgewerkt</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>De schijf van deze map is vol. Maak ruimte vrij of kies een andere map.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Over Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>De back-up is mislukt.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Handmatige proxyinstellingen gebruiken</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Bestemming</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Er is een verificatiecode vereist om u aan te melden.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Weet u zeker dat u deze computer wilt ontkoppelen van de server?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup is bezig met initialisatie...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Selecteer een map.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Proxyinstellingen van het systeem gebruiken</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Map wijzigen</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokale map</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Voer de gebruikersnaam voor de proxy in.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Het SSL-certificaat van de server is gewijzigd. Wilt u het nieuwe certificaat vertrouwen?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Bezig met ontkoppelen...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL-versleuteling gebruiken</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Back-upwachtrij</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Onderbreken</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>De bronmap is alleen-lezen. Van de bestanden kan een back-up worden gemaakt, maar ze kunnen er niet naartoe worden teruggezet.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Deze map is alleen-lezen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Onderbroken</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgraden</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>De nieuwe taal wordt van kracht nadat Tidewell Backup opnieuw is gestart.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Voer een poortnummer tussen 1 en 65535 in.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Bezig met uploaden...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Het SSL-certificaat van de server is gewijzigd.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>De server staat geen verbindingen vanaf uw IP-adres toe.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>De verbindingstest is geslaagd.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Het SSL-certificaat van de server wordt niet vertrouwd. Wilt u toch doorgaan?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nee, bedankt</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Verbinding maken met server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>De verificatiecode is onjuist.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Er bestaat al een gedeelde map met deze naam op de server.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Met deze wizard maakt u een back-up van de mappen op deze computer naar uw server.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bezig met verbinden...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Delen ingeschakeld</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>U hebt geen toegang tot deze map.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Uw opslagquotum op de server is opgebruikt.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Dubbelklik op een item om het te bewerken.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Bestanden groter dan %1 MB overslaan</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Bezig met back-up maken...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>De bestemming heeft geen quotum meer. Maak ruimte vrij of kies een andere bestemming.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Te veel mislukte pogingen. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Stel de grootte in op 0 voor geen limiet.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Er is een onverwachte fout opgetreden.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Tidewell Backup kan niet worden geïnitialiseerd.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Dit is niet de server waarop de back-uptaak is gemaakt.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Kies een doelmap op de server.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>De verbindingstest is mislukt. Controleer de gebruikersnaam en het wachtwoord.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Toch doorgaan</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Kies de lokale map waarvan een back-up moet worden gemaakt en de bestemming ervan op de server.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Uw beheerder vereist verificatie in twee stappen. Schakel deze eerst in voor uw account.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Voer het proxyadres en de poort in.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Uw account is uitgeschakeld op de server.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Als een bestand al in de bestemming bestaat, wordt het bestaande bestand als kopie bewaard.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Er is geen geldige map om een back-up van te maken.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Bezig met vergrendelen van bestand...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Geen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>De serverversie wordt niet ondersteund. Werk de serversoftware bij.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Mappen op deze computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Van bestanden die groter zijn dan deze grootte, wordt geen back-up gemaakt.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Bestanden op de server behouden wanneer ze van deze computer worden verwijderd</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Er is een netwerkfout opgetreden.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Bronmap kiezen</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Van alleen-lezen mappen wordt alleen een back-up gemaakt van deze computer naar de server.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Proxyadres</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Waarschuwing voor SSL-certificaat</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wachten</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Bezig met downloaden van %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup bewaart een kopie van uw bestanden op uw server, altijd up-to-date.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Gebruikersnaam voor proxy</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Verbinden via FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Er is een systeemfout opgetreden.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>De gedeelde doelmap bestaat niet meer op de server.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Bezig met voorbereiden...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>U hebt alleen leestoegang tot de doelmap.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Back-upfout</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Er is een nieuwe versie beschikbaar. Klik om bij te werken.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Alleen-lezen</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>De server staat automatisch verbinden niet toe.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Deze map overlapt met een map waarvan al een back-up wordt gemaakt.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Te verwerken bestanden: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Uitgesloten mappen</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>U hebt geen schrijfrechten voor de gedeelde map.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Van bestanden met de volgende extensies wordt geen back-up gemaakt.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Onjuiste gebruikersnaam of onjuist wachtwoord.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Tidewell Backup kan niet worden geüpgraded.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Bezig met zoeken naar servers in het lokale netwerk...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Nu starten</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Bezig met verwerken: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Proxyserver vereist authenticatie</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Mappen selecteren</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Er kan geen sessie met de server worden gemaakt.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup is gereed.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Deze versie van Tidewell Backup wordt niet meer ondersteund door de server. Werk Tidewell Backup bij.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Uitgesloten bestandstypen</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Bezig met toepassen van instellingen...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Bezig met bijwerken...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Zoeken naar servers in het lokale netwerk.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Tidewell Backup starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Controleer de volgende instellingen.</translation>
    </message>
</context>
</TS>
