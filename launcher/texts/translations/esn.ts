<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Última subida: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Hacer copia de seguridad de los archivos y carpetas con el prefijo %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Introduzca su contraseña para confirmar.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>No se pudo establecer la conexión automática porque el ID del servidor no es válido.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>No se puede hacer copia de seguridad de esta carpeta. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Introduzca la dirección del servidor y los datos de su cuenta.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>La dirección de la copia de seguridad no coincide con la tarea existente en el servidor.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Introduzca el código de verificación.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>La carpeta compartida ha alcanzado su cuota. No se pueden subir archivos hasta que se libere espacio.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>No se pudo verificar el certificado SSL del servidor.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Elija qué desea incluir en la copia de seguridad y dónde guardarla.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>El servidor ha cambiado desde la última conexión.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>La carpeta local de la copia de seguridad ya no existe.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Para obtener ayuda con estos pasos, consulte la ayuda en línea.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Se ha producido un error en la base de datos.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Sus archivos, seguros y siempre a mano.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Usar un icono en blanco y negro en el área de notificación</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>La carpeta compartida no está montada en el servidor.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Abrir Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Se ha producido un error de protocolo al comunicarse con el servidor.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>La unidad de la carpeta local no está montada.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>El disco de esta carpeta está lleno. Libere espacio o elija otra carpeta.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Acerca de Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>No se pudo completar la copia de seguridad.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Usar una configuración de proxy manual</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Se necesita un código de verificación para iniciar sesión.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>¿Seguro que desea desvincular este ordenador del servidor?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup se está inicializando...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Seleccione una carpeta.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usar la configuración de proxy del sistema</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Cambiar carpeta</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Carpeta local</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Introduzca el nombre de usuario del proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>El certificado SSL del servidor ha cambiado. ¿Desea confiar en el nuevo certificado?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Usar cifrado SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Cola de copia de seguridad</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>La carpeta de origen es de solo lectura. Se puede hacer copia de seguridad de sus archivos, pero no restaurar archivos en ella.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Esta carpeta es de solo lectura.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>El nuevo idioma se aplicará cuando se reinicie Tidewell Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Introduzca un número de puerto entre 1 y 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Subiendo...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>El certificado SSL del servidor ha cambiado.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>El servidor no permite conexiones desde su dirección IP.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>La prueba de conexión se ha realizado correctamente.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>El certificado SSL del servidor no es de confianza. ¿Desea continuar de todos modos?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>No, gracias</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Conectar con el servidor</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>El código de verificación no es correcto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Ya existe una carpeta compartida con este nombre en el servidor.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Este asistente le ayuda a hacer copias de seguridad de las carpetas de este ordenador en su servidor.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Uso compartido habilitado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>No tiene permiso para acceder a esta carpeta.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Ha agotado su cuota de almacenamiento en el servidor.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Haga doble clic en una entrada para editarla.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Omitir los archivos de más de %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Copia de seguridad en curso...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>El destino no tiene cuota disponible. Libere espacio o elija otro destino.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Demasiados intentos fallidos. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Establezca el tamaño en 0 para no aplicar ningún límite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>No se pudo inicializar Tidewell Backup.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Este no es el servidor en el que se creó la tarea de copia de seguridad.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Elija una carpeta de destino en el servidor.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>La prueba de conexión ha fallado. Compruebe el nombre de usuario y la contraseña.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continuar de todos modos</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Elija la carpeta local de la que desea hacer copia de seguridad y su destino en el servidor.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Su administrador exige la verificación en dos pasos. Actívela primero para su cuenta.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Introduzca la dirección y el puerto del proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Su cuenta está deshabilitada en el servidor.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Si ya existe un archivo en el destino, el archivo existente se conserva como copia.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>No hay ninguna carpeta válida para hacer copia de seguridad.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Bloqueando archivo...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>La versión del servidor no es compatible. Actualice el software del servidor.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Carpetas de este ordenador</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>No se hace copia de seguridad de los archivos que superen este tamaño.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Conservar los archivos en el servidor cuando se eliminen de este ordenador</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Se ha producido un error de red.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Elegir carpeta de origen</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Las carpetas de solo lectura solo se copian de este ordenador al servidor.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Dirección del proxy</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Advertencia de certificado SSL</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup mantiene en su servidor una copia siempre actualizada de sus archivos.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nombre de usuario del proxy</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Conectar mediante FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Se ha producido un error del sistema.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>La carpeta compartida de destino ya no existe en el servidor.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Solo tiene acceso de lectura a la carpeta de destino.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Error de copia de seguridad</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Hay una nueva versión disponible. Haga clic para actualizar.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>El servidor no permite la conexión automática.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Esta carpeta se solapa con una carpeta que ya se incluye en una copia de seguridad.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Archivos por procesar: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Carpetas excluidas</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>No tiene permiso de escritura en la carpeta compartida.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>No se hace copia de seguridad de los archivos con las siguientes extensiones.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nombre de usuario o contraseña incorrectos.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>No se pudo actualizar Tidewell Backup.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Buscando servidores en la red local...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Iniciar ahora</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Procesando: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>El servidor proxy requiere autenticación</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Seleccionar carpetas</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>No se pudo crear una sesión con el servidor.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup está lista.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>El servidor ya no admite esta versión de Tidewell Backup. Actualice Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Tipos de archivo excluidos</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando configuración...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Buscar servidores en la red local.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Iniciar Tidewell Backup al iniciar sesión</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Revise la configuración siguiente.</translation>
    </message>
</context>
</TS>
