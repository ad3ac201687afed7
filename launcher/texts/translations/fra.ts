<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Dernier envoi : %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Sauvegarder les fichiers et dossiers avec le préfixe %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Veuillez saisir votre mot de passe pour confirmer.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>La connexion automatique a échoué, car l'ID du serveur n'est pas valide.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Ce dossier ne peut pas être sauvegardé. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Saisissez l'adresse de votre serveur et les informations de votre compte.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>Le sens de la sauvegarde ne correspond pas à la tâche existante sur le serveur.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Veuillez saisir le code de vérification.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>Le dossier partagé a atteint son quota. Aucun fichier ne peut être envoyé tant que de l'espace n'a pas été libéré.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Le certificat SSL du serveur n'a pas pu être vérifié.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Choisissez les éléments à sauvegarder et leur emplacement de stockage.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>Le serveur a changé depuis la dernière connexion.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>Le dossier local à sauvegarder n'existe plus.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Pour obtenir de l'aide sur ces étapes, consultez l'aide en ligne.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Une erreur de base de données s'est produite.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Vos fichiers en sécurité et toujours à portée de main.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Utiliser une icône noir et blanc dans la zone de notification</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>Le dossier partagé n'est pas monté sur le serveur.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Ouvrir Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Une erreur de protocole s'est produite lors de la communication avec le serveur.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>Le lecteur du dossier local n'est pas monté.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>Le disque de ce dossier est plein. Veuillez libérer de l'espace ou choisir un autre dossier.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>À propos de Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>La sauvegarde a échoué.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Utiliser des paramètres de proxy manuels</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>Un code de vérification est requis pour se connecter.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Voulez-vous vraiment dissocier cet ordinateur du serveur ?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup est en cours d'initialisation...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Veuillez sélectionner un dossier.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Utiliser les paramètres de proxy du système</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Dossier local</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Veuillez saisir le nom d'utilisateur du proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>Le certificat SSL du serveur a changé. Voulez-vous faire confiance au nouveau certificat ?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Dissociation en cours...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Utiliser le chiffrement SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>File d'attente de sauvegarde</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>Le dossier source est en lecture seule. Ses fichiers peuvent être sauvegardés, mais aucun fichier ne peut y être restauré.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Ce dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mettre à niveau</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>La nouvelle langue sera appliquée au prochain redémarrage de Tidewell Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Veuillez saisir un numéro de port compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Envoi en cours...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>Le certificat SSL du serveur a changé.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>Le serveur n'autorise pas les connexions depuis votre adresse IP.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>Le test de connexion a réussi.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>Le certificat SSL du serveur n'est pas approuvé. Voulez-vous continuer quand même ?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Non merci</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Connexion au serveur</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>Le code de vérification est incorrect.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Un dossier partagé portant ce nom existe déjà sur le serveur.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Cet assistant vous aide à sauvegarder les dossiers de cet ordinateur sur votre serveur.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Partage activé</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Vous n'êtes pas autorisé à accéder à ce dossier.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Votre quota de stockage sur le serveur est atteint.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Double-cliquez sur une entrée pour la modifier.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Ignorer les fichiers de plus de %1 Mo</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sauvegarde en cours...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>La destination n'a plus de quota disponible. Veuillez libérer de l'espace ou choisir une autre destination.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Trop de tentatives infructueuses. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Définissez la taille sur 0 pour ne pas appliquer de limite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s'est produite.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Impossible d'initialiser Tidewell Backup.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Ce serveur n'est pas celui sur lequel la tâche de sauvegarde a été créée.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Choisissez un dossier de destination sur le serveur.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>Le test de connexion a échoué. Veuillez vérifier le nom d'utilisateur et le mot de passe.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Valeur par défaut du système</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continuer quand même</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Choisissez le dossier local à sauvegarder et sa destination sur le serveur.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Votre administrateur exige la vérification en deux étapes. Veuillez d'abord l'activer pour votre compte.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Veuillez saisir l'adresse et le port du proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Votre compte est désactivé sur le serveur.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Si un fichier existe déjà dans la destination, le fichier existant est conservé sous forme de copie.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Aucun dossier valide à sauvegarder.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Verrouillage du fichier...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>La version du serveur n'est pas prise en charge. Veuillez mettre à jour le logiciel du serveur.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Dossiers de cet ordinateur</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Les fichiers dépassant cette taille ne sont pas sauvegardés.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Conserver les fichiers sur le serveur lorsqu'ils sont supprimés de cet ordinateur</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Une erreur réseau s'est produite.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Choisir le dossier source</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>Les dossiers en lecture seule sont uniquement sauvegardés de cet ordinateur vers le serveur.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Adresse du proxy</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Avertissement de certificat SSL</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Téléchargement de %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup conserve sur votre serveur une copie toujours à jour de vos fichiers.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nom d'utilisateur du proxy</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Se connecter via FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Une erreur système s'est produite.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>Le dossier partagé de destination n'existe plus sur le serveur.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Récapitulatif</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Préparation en cours...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Vous disposez d'un accès en lecture seule au dossier de destination.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Erreur de sauvegarde</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Une nouvelle version est disponible. Cliquez pour mettre à jour.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>Le serveur n'autorise pas la connexion automatique.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Ce dossier chevauche un dossier déjà sauvegardé.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Fichiers à traiter : %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Dossiers exclus</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Vous n'êtes pas autorisé à écrire dans le dossier partagé.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Les fichiers portant les extensions suivantes ne sont pas sauvegardés.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nom d'utilisateur ou mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Impossible de mettre à niveau Tidewell Backup.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Recherche de serveurs sur le réseau local...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Démarrer maintenant</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Traitement en cours : %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>Le serveur proxy nécessite une authentification</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Sélection des dossiers</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Impossible de créer une session avec le serveur.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup est prêt.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Cette version de Tidewell Backup n'est plus prise en charge par le serveur. Veuillez mettre à jour Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Types de fichiers exclus</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Application des paramètres...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Mise à jour en cours...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Rechercher des serveurs sur le réseau local.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Démarrer Tidewell Backup à l'ouverture de session</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Veuillez vérifier les paramètres suivants.</translation>
    </message>
</context>
</TS>
