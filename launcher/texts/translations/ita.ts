<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Ultimo caricamento: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Esegui il backup di file e cartelle con il prefisso %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Inserisci la password per confermare.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Connessione automatica non riuscita: l'ID del server non è valido.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Impossibile eseguire il backup di questa cartella. Scegli un'altra cartella.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Inserisci l'indirizzo del server e i dati dell'account.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>La direzione del backup non corrisponde all'attività esistente sul server.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Inserisci il codice di verifica.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>La cartella condivisa ha raggiunto la quota. Non è possibile caricare file finché non viene liberato spazio.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Impossibile verificare il certificato SSL del server.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Scegli cosa includere nel backup e dove archiviarlo.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Il server è cambiato dall'ultima connessione.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>La cartella locale di cui eseguire il backup non esiste più.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Per assistenza con questi passaggi, consulta la guida online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Si è verificato un errore del database.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>I tuoi file al sicuro e sempre a portata di mano.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Usa un'icona in bianco e nero nell'area di notifica</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>La cartella condivisa non è montata sul server.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Apri Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Si è verificato un errore di protocollo durante la comunicazione con il server.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>L'unità della cartella locale non è montata.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Il disco è pieno.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Il disco di questa cartella è pieno. Libera spazio o scegli un'altra cartella.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Informazioni su Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Backup non riuscito.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Usa impostazioni proxy manuali</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Per accedere è necessario un codice di verifica.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Vuoi davvero scollegare questo computer dal server?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup sta inizializzando...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Seleziona una cartella.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Cambia cartella</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Cartella locale</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Inserisci il nome utente del proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Il certificato SSL del server è cambiato. Vuoi considerare attendibile il nuovo certificato?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Scollegamento in corso...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Usa la crittografia SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Coda di backup</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>La cartella di origine è di sola lettura. È possibile eseguire il backup dei file in essa contenuti, ma non ripristinarli al suo interno.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Questa cartella è di sola lettura.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>La nuova lingua verrà applicata al riavvio di Tidewell Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Inserisci un numero di porta compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Caricamento in corso...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Il certificato SSL del server è cambiato.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Il server non consente connessioni dal tuo indirizzo IP.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Test di connessione riuscito.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Il certificato SSL del server non è attendibile. Vuoi continuare comunque?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>No, grazie</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Connessione al server</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Il codice di verifica non è corretto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Sul server esiste già una cartella condivisa con questo nome.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Questa procedura guidata ti aiuta a eseguire il backup delle cartelle di questo computer sul tuo server.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Condivisione attivata</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Non hai l'autorizzazione per accedere a questa cartella.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>La tua quota di archiviazione sul server è esaurita.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Fai doppio clic su una voce per modificarla.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Ignora i file più grandi di %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backup in corso...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>La quota della destinazione è esaurita. Libera spazio o scegli un'altra destinazione.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Troppi tentativi non riusciti. Riprova più tardi.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Imposta la dimensione su 0 per non applicare alcun limite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Impossibile inizializzare Tidewell Backup.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Questo non è il server su cui è stata creata l'attività di backup.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Scegli una cartella di destinazione sul server.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Test di connessione non riuscito. Verifica il nome utente e la password.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Impostazione predefinita di sistema</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continua comunque</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Scegli la cartella locale di cui eseguire il backup e la relativa destinazione sul server.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>L'amministratore richiede la verifica in due passaggi. Attivala prima per il tuo account.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Inserisci l'indirizzo e la porta del proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Il tuo account è disattivato sul server.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Se un file esiste già nella destinazione, il file esistente viene conservato come copia.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Non esiste alcuna cartella valida di cui eseguire il backup.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Blocco del file in corso...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>La versione del server non è supportata. Aggiorna il software del server.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Cartelle su questo computer</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>I file che superano questa dimensione non vengono inclusi nel backup.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Mantieni i file sul server quando vengono eliminati da questo computer</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Si è verificato un errore di rete.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Scegli cartella di origine</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Il backup delle cartelle di sola lettura viene eseguito solo da questo computer al server.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Indirizzo proxy</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Avviso certificato SSL</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Download di %1 in corso...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup conserva sul tuo server una copia sempre aggiornata dei tuoi file.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nome utente proxy</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Connetti tramite FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Si è verificato un errore di sistema.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>La cartella condivisa di destinazione non esiste più sul server.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparazione in corso...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Hai accesso in sola lettura alla cartella di destinazione.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Errore di backup</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>È disponibile una nuova versione. Fai clic per aggiornare.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Il server non consente la connessione automatica.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Questa cartella si sovrappone a una cartella già inclusa nel backup.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>File da elaborare: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Cartelle escluse</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Non hai l'autorizzazione di scrittura per la cartella condivisa.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>I file con le seguenti estensioni non vengono inclusi nel backup.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nome utente o password non corretti.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Impossibile aggiornare Tidewell Backup.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Ricerca dei server nella rete locale in corso...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Avvia ora</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Elaborazione: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Il server proxy richiede l'autenticazione</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Seleziona cartelle</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Impossibile creare una sessione con il server.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup pronta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Questa versione di Tidewell Backup non è più supportata dal server. Aggiorna Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Tipi di file esclusi</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applicazione delle impostazioni in corso...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Cerca server nella rete locale.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Avvia Tidewell Backup all'accesso</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Controlla le impostazioni seguenti.</translation>
    </message>
</context>
</TS>
