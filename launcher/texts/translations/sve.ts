<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Senaste uppladdning: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Säkerhetskopiera filer och mappar med prefixet %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Ange ditt lösenord för att bekräfta.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Den automatiska anslutningen misslyckades eftersom serverns ID är ogiltigt.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Den här mappen kan inte säkerhetskopieras. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Ange serveradressen och dina kontouppgifter.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>Säkerhetskopieringens riktning stämmer inte med den befintliga uppgiften på servern.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Ange verifieringskoden.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>Den delade mappen har nått sin kvot. Filer kan inte laddas upp förrän utrymme har frigjorts.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Serverns SSL-certifikat kunde inte verifieras.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Anslutning</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Välj vad som ska säkerhetskopieras och var det ska lagras.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Slutförd</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Servern har ändrats sedan den senaste anslutningen.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>Den lokala mappen som ska säkerhetskopieras finns inte längre.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradress</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Mer information om de här stegen finns i onlinehjälpen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Ett databasfel uppstod.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Håll dina filer säkra och inom räckhåll.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Använd en svartvit ikon i meddelandefältet</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Den delade mappen är inte monterad på servern.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Öppna Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Ett protokollfel uppstod vid kommunikationen med servern.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Enheten med den lokala mappen är inte monterad.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koppla bort</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disken är full.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Uppdaterad</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Disken med den här mappen är full. Frigör utrymme eller välj en annan mapp.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Om Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Säkerhetskopieringen misslyckades.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sökväg</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Använd manuella proxyinställningar</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>En verifieringskod krävs för att logga in.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Är du säker på att du vill koppla bort den här datorn från servern?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup initialiserar...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Välj en mapp.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Använd systemets proxyinställningar</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Byt mapp</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokal mapp</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Ange användarnamnet för proxyn.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Serverns SSL-certifikat har ändrats. Vill du lita på det nya certifikatet?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kopplar bort...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Använd SSL-kryptering</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Kö för säkerhetskopiering</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>Källmappen är skrivskyddad. Filer kan säkerhetskopieras från den men inte återställas till den.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Den här mappen är skrivskyddad.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uppgradera</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>Det nya språket börjar gälla när Tidewell Backup har startats om.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Ange ett portnummer mellan 1 och 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Laddar upp...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Serverns SSL-certifikat har ändrats.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Servern tillåter inte anslutningar från din IP-adress.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Anslutningstestet lyckades.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Serverns SSL-certifikat är inte betrott. Vill du fortsätta ändå?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nej tack</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Anslut till server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Verifieringskoden är felaktig.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Det finns redan en delad mapp med det här namnet på servern.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Den här guiden hjälper dig att säkerhetskopiera mapparna på den här datorn till din server.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Delning aktiverad</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Du har inte behörighet att komma åt den här mappen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Din lagringskvot på servern är förbrukad.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Dubbelklicka på en post för att redigera den.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Hoppa över filer som är större än %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Säkerhetskopierar...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>Målet har ingen kvot kvar. Frigör utrymme eller välj ett annat mål.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>För många misslyckade försök. Försök igen senare.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Ange 0 för obegränsad storlek.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ett oväntat fel uppstod.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Tidewell Backup kunde inte initialiseras.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Det här är inte servern som säkerhetskopieringsuppgiften skapades på.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Välj en målmapp på servern.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Anslutningstestet misslyckades. Kontrollera användarnamnet och lösenordet.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Fortsätt ändå</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Välj den lokala mapp som ska säkerhetskopieras och dess mål på servern.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Administratören kräver tvåstegsverifiering. Aktivera den för ditt konto först.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Ange proxyadressen och porten.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Ditt konto är inaktiverat på servern.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Om en fil redan finns i målet behålls den befintliga filen som en kopia.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Det finns ingen giltig mapp att säkerhetskopiera.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Låser fil...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>Serverversionen stöds inte. Uppdatera serverprogramvaran.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Mappar på den här datorn</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Filer som är större än den här storleken säkerhetskopieras inte.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Behåll filer på servern när de tas bort från den här datorn</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Ett nätverksfel uppstod.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Välj källmapp</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Skrivskyddade mappar säkerhetskopieras endast från den här datorn till servern.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Proxyadress</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Varning om SSL-certifikat</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Väntar</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Laddar ned %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup sparar en kopia av dina filer på din server – alltid uppdaterad.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Användarnamn för proxy</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Anslut via FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Ett systemfel uppstod.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>Den delade målmappen finns inte längre på servern.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Förbereder...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Du har endast läsbehörighet till målmappen.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Fel vid säkerhetskopiering</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>En ny version är tillgänglig. Klicka för att uppdatera.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivskyddad</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Servern tillåter inte automatisk anslutning.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Den här mappen överlappar en mapp som redan säkerhetskopieras.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Filer att bearbeta: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Exkluderade mappar</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Du har inte behörighet att skriva till den delade mappen.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Filer med följande filnamnstillägg säkerhetskopieras inte.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Felaktigt användarnamn eller lösenord.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Tidewell Backup kunde inte uppgraderas.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Söker efter servrar i det lokala nätverket...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Starta nu</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Bearbetar: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Proxyservern kräver autentisering</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Välj mappar</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Det gick inte att skapa en session med servern.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup är klar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Den här versionen av Tidewell Backup stöds inte längre av servern. Uppdatera Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Exkluderade filtyper</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Verkställer inställningar...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Uppdaterar...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Sök efter servrar i det lokala nätverket.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Starta Tidewell Backup när jag loggar in</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Granska följande inställningar.</translation>
    </message>
</context>
</TS>
