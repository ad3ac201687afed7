<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Последняя выгрузка: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Создавать резервные копии файлов и папок с префиксом %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Для подтверждения введите пароль.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Не удалось выполнить автоматическое подключение: недопустимый идентификатор сервера.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Невозможно создать резервную копию этой папки. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Введите адрес сервера и данные учётной записи.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>Направление резервного копирования не совпадает с существующей задачей на сервере.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Введите код подтверждения.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>Квота общей папки исчерпана. Выгрузка файлов невозможна, пока не будет освобождено место.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Не удалось проверить SSL-сертификат сервера.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Выберите данные для резервного копирования и место их хранения.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Сервер изменился с момента последнего подключения.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>Локальная папка для резервного копирования больше не существует.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Подробнее об этих шагах см. в онлайн-справке.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Произошла ошибка базы данных.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Ваши файлы в безопасности и всегда под рукой.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Использовать чёрно-белый значок в области уведомлений</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Общая папка не смонтирована на сервере.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Открыть Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>При обмене данными с сервером произошла ошибка протокола.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Диск, на котором находится локальная папка, не подключён.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Отвязать</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Диск заполнен.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Актуально</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Диск, на котором находится эта папка, заполнен. Освободите место или выберите другую папку.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>О программе Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>Не удалось выполнить резервное копирование.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Настроить прокси вручную</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Место назначения</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Для входа требуется код подтверждения.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Вы действительно хотите отвязать этот компьютер от сервера?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup выполняет инициализацию...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Выберите папку.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Использовать системные настройки прокси</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Изменить папку</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Локальная папка</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Введите имя пользователя прокси-сервера.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>SSL-сертификат сервера изменился. Доверять новому сертификату?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Отвязка...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Использовать шифрование SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Очередь резервного копирования</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>Исходная папка доступна только для чтения. Из неё можно создавать резервные копии файлов, но восстанавливать в неё файлы нельзя.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Эта папка доступна только для чтения.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>Новый язык будет применён после перезапуска Tidewell Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Введите номер порта от 1 до 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Выгрузка...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>SSL-сертификат сервера изменился.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Сервер не разрешает подключения с вашего IP-адреса.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Проверка подключения прошла успешно.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>SSL-сертификат сервера не является доверенным. Всё равно продолжить?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Нет, спасибо</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Подключение к серверу</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Неверный код подтверждения.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Общая папка с таким именем уже существует на сервере.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Этот мастер поможет вам настроить резервное копирование папок с этого компьютера на ваш сервер.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Общий доступ включён</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>У вас нет прав доступа к этой папке.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Ваша квота хранилища на сервере исчерпана.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Дважды щёлкните запись, чтобы изменить её.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Пропускать файлы размером более %1 МБ</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Резервное копирование...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>Квота в месте назначения исчерпана. Освободите место или выберите другое место назначения.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Слишком много неудачных попыток. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Чтобы снять ограничение, укажите размер 0.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Не удалось инициализировать Tidewell Backup.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Это не тот сервер, на котором была создана задача резервного копирования.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Выберите папку назначения на сервере.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Проверка подключения не пройдена. Проверьте имя пользователя и пароль.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Всё равно продолжить</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Выберите локальную папку для резервного копирования и место назначения на сервере.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Администратор требует двухэтапную проверку. Сначала включите её для своей учётной записи.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Введите адрес и порт прокси-сервера.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Ваша учётная запись на сервере отключена.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Если файл уже существует в месте назначения, существующий файл сохраняется в виде копии.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Нет допустимой папки для резервного копирования.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Блокировка файла...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Не использовать прокси</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>Версия сервера не поддерживается. Обновите программное обеспечение сервера.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Папки на этом компьютере</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Резервные копии файлов, размер которых превышает указанный, не создаются.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Сохранять файлы на сервере при их удалении с этого компьютера</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Произошла сетевая ошибка.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Выбрать исходную папку</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Для папок, доступных только для чтения, выполняется только резервное копирование с этого компьютера на сервер.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Адрес прокси-сервера</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Предупреждение о SSL-сертификате</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Скачивание: %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup хранит на вашем сервере всегда актуальную копию ваших файлов.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Имя пользователя прокси-сервера</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Подключаться через FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Произошла системная ошибка.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>Целевая общая папка больше не существует на сервере.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Подготовка...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>У вас есть доступ к папке назначения только для чтения.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Ошибка резервного копирования</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Доступна новая версия. Нажмите, чтобы обновить.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Сервер не разрешает автоматическое подключение.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Эта папка пересекается с папкой, для которой уже выполняется резервное копирование.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Файлов к обработке: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Исключённые папки</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>У вас нет прав на запись в общую папку.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Резервные копии файлов со следующими расширениями не создаются.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Не удалось обновить Tidewell Backup.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Поиск серверов в локальной сети...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Начать сейчас</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Обработка: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Прокси-сервер требует проверки подлинности</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Выбор папок</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Не удалось создать сеанс связи с сервером.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup готов.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Сервер больше не поддерживает эту версию Tidewell Backup. Обновите Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Исключённые типы файлов</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Применение настроек...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Обновление...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Найти серверы в локальной сети.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Запускать Tidewell Backup при входе в систему</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Проверьте указанные ниже настройки.</translation>
    </message>
</context>
</TS>
