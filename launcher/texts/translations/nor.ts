<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Siste opplasting: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Sikkerhetskopier filer og mapper med prefikset %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Skriv inn passordet ditt for å bekrefte.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Automatisk tilkobling mislyktes fordi serverens ID er ugyldig.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Denne mappen kan ikke sikkerhetskopieres. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Skriv inn serveradressen og kontoopplysningene dine.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>Retningen for sikkerhetskopieringen samsvarer ikke med den eksisterende oppgaven på serveren.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Skriv inn bekreftelseskoden.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>Den delte mappen har nådd kvoten sin. Filer kan ikke lastes opp før det er frigjort plass.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Serverens SSL-sertifikat kunne ikke bekreftes.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Velg hva som skal sikkerhetskopieres, og hvor det skal lagres.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fullført</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Serveren er endret siden forrige tilkobling.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>Den lokale mappen som skal sikkerhetskopieres, finnes ikke lenger.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Se den nettbaserte hjelpen for å få hjelp med disse trinnene.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Det oppstod en databasefeil.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Hold filene dine trygge og innen rekkevidde.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Bruk et svart-hvitt ikon i systemstatusfeltet</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Den delte mappen er ikke montert på serveren.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Åpne Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Det oppstod en protokollfeil under kommunikasjonen med serveren.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Stasjonen med den lokale mappen er ikke montert.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disken er full.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Disken med denne mappen er full. Frigjør plass eller velg en annen mappe.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Om Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Sikkerhetskopieringen mislyktes.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Bane</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Bruk manuelle proxyinnstillinger</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Det kreves en bekreftelseskode for å logge på.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Er du sikker på at du vil koble denne datamaskinen fra serveren?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup starter opp...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Velg en mappe.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Bruk systemets proxyinnstillinger</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Bytt mappe</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Lokal mappe</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Skriv inn brukernavnet for proxyen.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Serverens SSL-sertifikat er endret. Vil du stole på det nye sertifikatet?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kobler fra...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Bruk SSL-kryptering</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Sikkerhetskopieringskø</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>Kildemappen er skrivebeskyttet. Filer kan sikkerhetskopieres fra den, men ikke gjenopprettes til den.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Denne mappen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Satt på pause</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>Det nye språket trer i kraft når Tidewell Backup er startet på nytt.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Skriv inn et portnummer mellom 1 og 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Laster opp...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Serverens SSL-sertifikat er endret.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Serveren tillater ikke tilkoblinger fra IP-adressen din.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Tilkoblingstesten var vellykket.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Serverens SSL-sertifikat er ikke klarert. Vil du fortsette likevel?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nei takk</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Koble til server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekreftelseskoden er feil.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Det finnes allerede en delt mappe med dette navnet på serveren.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Denne veiviseren hjelper deg med å sikkerhetskopiere mappene på denne datamaskinen til serveren din.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Deling aktivert</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Du har ikke tillatelse til å få tilgang til denne mappen.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Lagringskvoten din på serveren er brukt opp.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Dobbeltklikk på en oppføring for å redigere den.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Hopp over filer som er større enn %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhetskopierer...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>Målet har ingen kvote igjen. Frigjør plass eller velg et annet mål.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>For mange mislykkede forsøk. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Angi 0 for ubegrenset størrelse.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Det oppstod en uventet feil.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Tidewell Backup kunne ikke startes opp.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Dette er ikke serveren som sikkerhetskopieringsoppgaven ble opprettet på.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Velg en målmappe på serveren.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Tilkoblingstesten mislyktes. Kontroller brukernavnet og passordet.</translation>
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
        <translation>Fortsett likevel</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Velg den lokale mappen som skal sikkerhetskopieres, og målet for den på serveren.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Administratoren din krever totrinnsbekreftelse. Aktiver den for kontoen din først.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Skriv inn proxyadressen og porten.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Kontoen din er deaktivert på serveren.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Hvis en fil allerede finnes i målet, beholdes den eksisterende filen som en kopi.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Det finnes ingen gyldig mappe å sikkerhetskopiere.</translation>
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
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>Serverversjonen støttes ikke. Oppdater serverprogramvaren.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Mapper på denne datamaskinen</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Filer som er større enn denne størrelsen, blir ikke sikkerhetskopiert.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Behold filer på serveren når de slettes fra denne datamaskinen</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Det oppstod en nettverksfeil.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Velg kildemappe</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Skrivebeskyttede mapper sikkerhetskopieres bare fra denne datamaskinen til serveren.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Proxyadresse</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Advarsel om SSL-sertifikat</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Laster ned %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup lagrer en kopi av filene dine på serveren din – alltid oppdatert.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Brukernavn for proxy</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Koble til via FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Det oppstod en systemfeil.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>Den delte målmappen finnes ikke lenger på serveren.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Forbereder...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Du har bare lesetilgang til målmappen.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Feil under sikkerhetskopiering</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>En ny versjon er tilgjengelig. Klikk for å oppdatere.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Serveren tillater ikke automatisk tilkobling.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Denne mappen overlapper en mappe som allerede sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Filer som skal behandles: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Ekskluderte mapper</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Du har ikke tillatelse til å skrive til den delte mappen.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Filer med følgende filendelser blir ikke sikkerhetskopiert.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Feil brukernavn eller passord.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Tidewell Backup kunne ikke oppgraderes.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Søker etter servere på det lokale nettverket...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start nå</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Behandler: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Proxyserveren krever godkjenning</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Velg mapper</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Kunne ikke opprette en økt med serveren.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup er klar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Denne versjonen av Tidewell Backup støttes ikke lenger av serveren. Oppdater Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Ekskluderte filtyper</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tar i bruk innstillinger...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Oppdaterer...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Søk etter servere på det lokale nettverket.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Start Tidewell Backup når jeg logger på</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Se gjennom følgende innstillinger.</translation>
    </message>
</context>
</TS>
