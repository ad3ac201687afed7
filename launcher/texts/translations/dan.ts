<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Seneste upload: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Sikkerhedskopier filer og mapper med præfikset %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Angiv din adgangskode for at bekræfte.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Automatisk forbindelse mislykkedes, fordi server-id'et er ugyldigt.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Denne mappe kan ikke sikkerhedskopieres. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Angiv serveradressen og dine kontooplysninger.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>Sikkerhedskopieringens retning svarer ikke til den eksisterende opgave på serveren.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Angiv bekræftelseskoden.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>Den delte mappe har nået sin kvote. Der kan ikke uploades filer, før der er frigjort plads.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Serverens SSL-certifikat kunne ikke bekræftes.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Forbindelse</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Udført</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Vælg, hvad der skal sikkerhedskopieres, og hvor det skal gemmes.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fuldført</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Serveren er ændret siden sidste forbindelse.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>Den lokale mappe, der skal sikkerhedskopieres, findes ikke længere.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Se onlinehjælpen for at få hjælp til disse trin.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Der opstod en databasefejl.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Hold dine filer sikre og inden for rækkevidde.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Brug et sort-hvidt ikon i meddelelsesområdet</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Den delte mappe er ikke monteret på serveren.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Åbn Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Der opstod en protokolfejl under kommunikationen med serveren.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Drevet med den lokale mappe er ikke monteret.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Fjern tilknytning</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disken er fuld.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Opdateret</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Disken med denne mappe er fuld. Frigør plads, eller vælg en anden mappe.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Om Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Sikkerhedskopieringen mislykkedes.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sti</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Brug manuelle proxyindstillinger</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Der kræves en bekræftelseskode for at logge på.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Er du sikker på, at du vil fjerne denne computers tilknytning til serveren?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup initialiserer...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Vælg en mappe.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Brug systemets proxyindstillinger</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Skift mappe</translation>
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
        <translation>Angiv proxybrugernavnet.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Serverens SSL-certifikat er ændret. Vil du stole på det nye certifikat?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Fjerner tilknytning...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Brug SSL-kryptering</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Sikkerhedskopieringskø</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sæt på pause</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>Kildemappen er skrivebeskyttet. Filer kan sikkerhedskopieres fra den, men ikke gendannes til den.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Denne mappe er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sat på pause</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Opgrader</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>Det nye sprog træder i kraft, når Tidewell Backup er genstartet.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Angiv et portnummer mellem 1 og 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Uploader...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Serverens SSL-certifikat er ændret.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Serveren tillader ikke forbindelser fra din IP-adresse.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Forbindelsestesten lykkedes.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Serverens SSL-certifikat er ikke tillidsværdigt. Vil du fortsætte alligevel?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nej tak</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Opret forbindelse til server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Bekræftelseskoden er forkert.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Der findes allerede en delt mappe med dette navn på serveren.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Denne guide hjælper dig med at sikkerhedskopiere mapperne på denne computer til din server.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Opretter forbindelse...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Deling aktiveret</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Du har ikke tilladelse til at få adgang til denne mappe.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Din lagerkvote på serveren er opbrugt.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Dobbeltklik på en post for at redigere den.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Spring filer over, der er større end %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhedskopierer...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>Der er ingen kvote tilbage på målet. Frigør plads, eller vælg et andet mål.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>For mange mislykkede forsøg. Prøv igen senere.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Angiv 0 for ubegrænset størrelse.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Der opstod en uventet fejl.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Tidewell Backup kunne ikke initialiseres.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Dette er ikke den server, som sikkerhedskopieringsopgaven blev oprettet på.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Vælg en målmappe på serveren.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Forbindelsestesten mislykkedes. Kontroller brugernavnet og adgangskoden.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Fortsæt alligevel</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Vælg den lokale mappe, der skal sikkerhedskopieres, og dens mål på serveren.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Din administrator kræver totrinsbekræftelse. Aktiver den først for din konto.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Angiv proxyadressen og porten.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Din konto er deaktiveret på serveren.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Hvis en fil allerede findes på målet, bevares den eksisterende fil som en kopi.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Der er ingen gyldig mappe at sikkerhedskopiere.</translation>
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
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>Serverversionen understøttes ikke. Opdater serversoftwaren.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Mapper på denne computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Filer, der er større end denne størrelse, sikkerhedskopieres ikke.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Behold filer på serveren, når de slettes fra denne computer</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Der opstod en netværksfejl.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Vælg kildemappe</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Skrivebeskyttede mapper sikkerhedskopieres kun fra denne computer til serveren.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Proxyadresse</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Advarsel om SSL-certifikat</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Downloader %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup gemmer en kopi af dine filer på din server – altid opdateret.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Proxybrugernavn</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Opret forbindelse via FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Der opstod en systemfejl.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>Den delte målmappe findes ikke længere på serveren.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Forbereder...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valgmuligheder</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Du har kun læseadgang til målmappen.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Fejl under sikkerhedskopiering</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Der er en ny version tilgængelig. Klik for at opdatere.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Serveren tillader ikke automatisk forbindelse.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Denne mappe overlapper en mappe, der allerede sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanceret</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Filer, der skal behandles: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Udeladte mapper</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Du har ikke tilladelse til at skrive til den delte mappe.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Filer med følgende filtypenavne sikkerhedskopieres ikke.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Forkert brugernavn eller adgangskode.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Tidewell Backup kunne ikke opgraderes.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Søger efter servere på det lokale netværk...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start nu</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Behandler: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Proxyserveren kræver godkendelse</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Vælg mapper</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Der kunne ikke oprettes en session med serveren.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup er klar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Denne version af Tidewell Backup understøttes ikke længere af serveren. Opdater Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Udeladte filtyper</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Anvender indstillinger...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Opdaterer...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Søg efter servere på det lokale netværk.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Start Tidewell Backup, når jeg logger på</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Gennemgå følgende indstillinger.</translation>
    </message>
</context>
</TS>
