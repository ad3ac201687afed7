<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Ostatnio przesłano: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Twórz kopie zapasowe plików i folderów z prefiksem %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Aby potwierdzić, wprowadź hasło.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Automatyczne połączenie nie powiodło się, ponieważ identyfikator serwera jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Nie można utworzyć kopii zapasowej tego folderu. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Wprowadź adres serwera i informacje o koncie.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>Kierunek tworzenia kopii zapasowej nie jest zgodny z istniejącym zadaniem na serwerze.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Wprowadź kod weryfikacyjny.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>Folder udostępniony osiągnął limit przydziału. Nie można przesyłać plików, dopóki miejsce nie zostanie zwolnione.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Nie można zweryfikować certyfikatu SSL serwera.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Wybierz, czego kopię zapasową chcesz utworzyć i gdzie ją przechowywać.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Serwer zmienił się od ostatniego połączenia.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>Folder lokalny, którego kopia zapasowa ma zostać utworzona, już nie istnieje.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Aby uzyskać pomoc dotyczącą tych kroków, zobacz pomoc online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Wystąpił błąd bazy danych.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Pliki bezpieczne i zawsze pod ręką.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Używaj czarno-białej ikony w zasobniku systemowym</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Folder udostępniony nie jest zamontowany na serwerze.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Otwórz aplikację Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Podczas komunikacji z serwerem wystąpił błąd protokołu.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Dysk, na którym znajduje się folder lokalny, nie jest zamontowany.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Dysk jest pełny.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktualne</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Dysk, na którym znajduje się ten folder, jest pełny. Zwolnij miejsce lub wybierz inny folder.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Informacje o aplikacji Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Tworzenie kopii zapasowej nie powiodło się.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Użyj ręcznych ustawień proxy</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Miejsce docelowe</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Aby się zalogować, wymagany jest kod weryfikacyjny.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Czy na pewno chcesz odłączyć ten komputer od serwera?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Aplikacja Tidewell Backup jest inicjowana...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Wybierz folder.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Użyj systemowych ustawień proxy</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Zmień folder</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Folder lokalny</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Wprowadź nazwę użytkownika serwera proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Certyfikat SSL serwera zmienił się. Czy chcesz zaufać nowemu certyfikatowi?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odłączanie...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Użyj szyfrowania SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Kolejka kopii zapasowych</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>Folder źródłowy jest tylko do odczytu. Można tworzyć kopie zapasowe znajdujących się w nim plików, ale nie można przywracać do niego plików.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Ten folder jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>Nowy język zostanie zastosowany po ponownym uruchomieniu aplikacji Tidewell Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Wprowadź numer portu z zakresu od 1 do 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Przesyłanie...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Certyfikat SSL serwera zmienił się.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Serwer nie zezwala na połączenia z tego adresu IP.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Test połączenia zakończył się powodzeniem.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Certyfikat SSL serwera nie jest zaufany. Czy mimo to chcesz kontynuować?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Nie, dziękuję</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Połączenie z serwerem</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Kod weryfikacyjny jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Folder udostępniony o tej nazwie już istnieje na serwerze.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Ten kreator pomaga utworzyć na serwerze kopię zapasową folderów z tego komputera.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Udostępnianie włączone</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Nie masz uprawnień dostępu do tego folderu.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Limit przydziału miejsca na serwerze został wyczerpany.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Kliknij dwukrotnie wpis, aby go edytować.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Pomijaj pliki większe niż %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Tworzenie kopii zapasowej...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>W miejscu docelowym wyczerpano limit przydziału. Zwolnij miejsce lub wybierz inne miejsce docelowe.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Zbyt wiele nieudanych prób. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Ustaw rozmiar 0, aby nie stosować limitu.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Nie można zainicjować aplikacji Tidewell Backup.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>To nie jest serwer, na którym utworzono zadanie kopii zapasowej.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Wybierz folder docelowy na serwerze.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Test połączenia nie powiódł się. Sprawdź nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Domyślny systemowy</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Kontynuuj mimo to</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Wybierz folder lokalny, którego kopia zapasowa ma zostać utworzona, oraz miejsce docelowe na serwerze.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Administrator wymaga weryfikacji dwuetapowej. Najpierw włącz ją dla swojego konta.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Wprowadź adres i port serwera proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Konto użytkownika jest wyłączone na serwerze.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Jeśli plik już istnieje w miejscu docelowym, istniejący plik zostanie zachowany jako kopia.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Brak prawidłowego folderu do utworzenia kopii zapasowej.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Blokowanie pliku...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez serwera proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>Wersja serwera nie jest obsługiwana. Zaktualizuj oprogramowanie serwera.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Foldery na tym komputerze</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Kopie zapasowe plików większych niż ten rozmiar nie są tworzone.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Zachowuj pliki na serwerze po ich usunięciu z tego komputera</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Wystąpił błąd sieci.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Wybierz folder źródłowy</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Kopie zapasowe folderów tylko do odczytu są tworzone wyłącznie w kierunku z tego komputera na serwer.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Adres serwera proxy</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Ostrzeżenie dotyczące certyfikatu SSL</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Pobieranie: %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Aplikacja Tidewell Backup przechowuje na serwerze zawsze aktualną kopię plików.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nazwa użytkownika serwera proxy</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Połącz przez FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Wystąpił błąd systemu.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>Docelowy folder udostępniony już nie istnieje na serwerze.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Przygotowywanie...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Masz dostęp tylko do odczytu do folderu docelowego.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Błąd kopii zapasowej</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Dostępna jest nowa wersja. Kliknij, aby zaktualizować.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Serwer nie zezwala na automatyczne połączenie.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Ten folder pokrywa się z folderem, którego kopia zapasowa jest już tworzona.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Pliki do przetworzenia: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Wykluczone foldery</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Nie masz uprawnień do zapisu w folderze udostępnionym.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Kopie zapasowe plików z następującymi rozszerzeniami nie są tworzone.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nieprawidłowa nazwa użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Nie można zaktualizować aplikacji Tidewell Backup.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Wyszukiwanie serwerów w sieci lokalnej...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Rozpocznij teraz</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Przetwarzanie: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Serwer proxy wymaga uwierzytelniania</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Wybór folderów</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Nie można utworzyć sesji z serwerem.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Aplikacja Tidewell Backup jest gotowa.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Serwer nie obsługuje już tej wersji aplikacji Tidewell Backup. Zaktualizuj aplikację Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Wykluczone typy plików</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Stosowanie ustawień...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizowanie...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Wyszukaj serwery w sieci lokalnej.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Uruchamiaj aplikację Tidewell Backup po zalogowaniu</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Przejrzyj poniższe ustawienia.</translation>
    </message>
</context>
</TS>
