<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Son karşıya yükleme: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Öneki %1 olan dosya ve klasörleri yedekle.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Onaylamak için lütfen parolanızı girin.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Sunucu kimliği geçersiz olduğundan otomatik bağlantı kurulamadı.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Bu klasör yedeklenemiyor. Lütfen başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Sunucu adresinizi ve hesap bilgilerinizi girin.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>Yedekleme yönü sunucudaki mevcut görevle eşleşmiyor.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Lütfen doğrulama kodunu girin.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>Paylaşılan klasör kotasına ulaştı. Yer açılana kadar dosyalar karşıya yüklenemez.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Sunucunun SSL sertifikası doğrulanamadı.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Neyin yedekleneceğini ve nerede saklanacağını seçin.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Sunucu son bağlantıdan bu yana değişti.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>Yedeklenecek yerel klasör artık mevcut değil.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Sunucu adresi</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Bu adımlarla ilgili yardım için çevrimiçi yardıma bakın.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Bir veritabanı hatası oluştu.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Dosyalarınız güvende ve her zaman elinizin altında.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Siyah beyaz sistem tepsisi simgesi kullan</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Paylaşılan klasör sunucuda bağlı değil.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Tidewell Backup'ı aç</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Sunucuyla iletişim sırasında bir protokol hatası oluştu.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Yerel klasörün bulunduğu sürücü bağlı değil.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Bağlantıyı kaldır</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Disk dolu.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Güncel</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Bu klasörün bulunduğu disk dolu. Lütfen yer açın veya başka bir klasör seçin.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Tidewell Backup hakkında</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Yedekleme başarısız oldu.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Proxy'yi el ile yapılandır</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Oturum açmak için doğrulama kodu gerekiyor.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Bu bilgisayarın sunucuyla bağlantısını kaldırmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup başlıyor...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Lütfen bir klasör seçin.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Sistem proxy ayarlarını kullan</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Klasörü değiştir</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Yerel klasör</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Lütfen proxy kullanıcı adını girin.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Sunucunun SSL sertifikası değişti. Yeni sertifikaya güvenmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Bağlantı kaldırılıyor...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL şifrelemesi kullan</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Yedekleme kuyruğu</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>Kaynak klasör salt okunur. Bu klasördeki dosyalar yedeklenebilir ancak klasöre geri yüklenemez.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Bu klasör salt okunur.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>Yeni dil, Tidewell Backup yeniden başlatıldıktan sonra etkinleşir.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Lütfen 1 ile 65535 arasında bir port numarası girin.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Karşıya yükleniyor...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Sunucunun SSL sertifikası değişti.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Sunucu, IP adresinizden gelen bağlantılara izin vermiyor.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Bağlantı testi başarılı oldu.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Sunucunun SSL sertifikası güvenilir değil. Yine de devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Hayır, teşekkürler</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Sunucuya bağlan</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Doğrulama kodu yanlış.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Sunucuda bu ada sahip bir paylaşılan klasör zaten var.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Bu sihirbaz, bu bilgisayardaki klasörleri sunucunuza yedeklemenize yardımcı olur.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bağlanıyor...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Paylaşım etkin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Bu klasöre erişim izniniz yok.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Sunucudaki depolama kotanız doldu.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Düzenlemek için bir girdiye çift tıklayın.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam et</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>%1 MB'tan büyük dosyaları atla</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Yedekleniyor...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>Hedefte kota kalmadı. Lütfen yer açın veya başka bir hedef seçin.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Çok fazla başarısız deneme. Lütfen daha sonra tekrar deneyin.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Sınır olmaması için boyutu 0 olarak ayarlayın.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Beklenmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Tidewell Backup başlatılamadı.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Bu sunucu, yedekleme görevinin oluşturulduğu sunucu değil.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Sunucuda bir hedef klasör seçin.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Bağlantı testi başarısız oldu. Lütfen kullanıcı adını ve parolayı kontrol edin.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Yine de devam et</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Yedeklenecek yerel klasörü ve sunucudaki hedefini seçin.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Yöneticiniz 2 adımlı doğrulama gerektiriyor. Lütfen önce hesabınız için etkinleştirin.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Lütfen proxy adresini ve portunu girin.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Hesabınız sunucuda devre dışı bırakılmış.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Hedefte bir dosya zaten varsa mevcut dosya kopya olarak saklanır.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Yedeklenecek geçerli bir klasör yok.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Dosya kilitleniyor...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Proxy kullanma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>Sunucu sürümü desteklenmiyor. Lütfen sunucu yazılımını güncelleyin.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Bu bilgisayardaki klasörler</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Bu boyuttan büyük dosyalar yedeklenmez.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Bu bilgisayardan silinen dosyaları sunucuda tut</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Bir ağ hatası oluştu.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Kaynak klasörü seç</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Salt okunur klasörler yalnızca bu bilgisayardan sunucuya yedeklenir.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Proxy adresi</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL sertifikası uyarısı</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Bekliyor</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>İndiriliyor: %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup, dosyalarınızın her zaman güncel bir kopyasını sunucunuzda tutar.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Proxy kullanıcı adı</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>FarReach üzerinden bağlan</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Bir sistem hatası oluştu.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>Hedef paylaşılan klasör artık sunucuda mevcut değil.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Hazırlanıyor...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Hedef klasöre yalnızca okuma erişiminiz var.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Yedekleme hatası</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Yeni bir sürüm var. Güncellemek için tıklayın.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Salt okunur</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Sunucu otomatik bağlantıya izin vermiyor.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Bu klasör, zaten yedeklenen bir klasörle çakışıyor.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>İşlenecek dosyalar: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Hariç tutulan klasörler</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Paylaşılan klasöre yazma izniniz yok.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Aşağıdaki uzantılara sahip dosyalar yedeklenmez.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Kullanıcı adı veya parola yanlış.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Tidewell Backup güncellenemedi.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Yerel ağda sunucular aranıyor...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Şimdi başlat</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>İşleniyor: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Proxy sunucusu kimlik doğrulaması gerektiriyor</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Klasör seçimi</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Sunucuyla oturum oluşturulamadı.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup hazır.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Tidewell Backup'ın bu sürümü artık sunucu tarafından desteklenmiyor. Lütfen Tidewell Backup'ı güncelleyin.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Hariç tutulan dosya türleri</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Ayarlar uygulanıyor...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Güncelleniyor...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Yerel ağda sunucu ara.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Oturum açtığımda Tidewell Backup'ı başlat</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Lütfen aşağıdaki ayarları gözden geçirin.</translation>
    </message>
</context>
</TS>
