<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>Último envio: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>Fazer backup de arquivos e pastas com o prefixo %1.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>Digite sua senha para confirmar.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>Falha na conexão automática porque o ID do servidor é inválido.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>Não é possível fazer backup desta pasta. Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>Digite o endereço do servidor e as informações da sua conta.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>A direção do backup não corresponde à tarefa existente no servidor.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>Digite o código de verificação.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>A pasta compartilhada atingiu sua cota. Não é possível enviar arquivos até que haja espaço livre.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>Não foi possível verificar o certificado SSL do servidor.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>Escolha o que incluir no backup e onde armazená-lo.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>O servidor foi alterado desde a última conexão.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>A pasta local do backup não existe mais.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>Para obter ajuda com estas etapas, consulte a ajuda online.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>Ocorreu um erro no banco de dados.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>Seus arquivos seguros e sempre ao seu alcance.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>Usar um ícone em preto e branco na área de notificação</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>A pasta compartilhada não está montada no servidor.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Abrir o Tidewell Backup</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>Ocorreu um erro de protocolo durante a comunicação com o servidor.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>A unidade da pasta local não está montada.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>O disco desta pasta está cheio. Libere espaço ou escolha outra pasta.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Sobre o Tidewell Backup</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>O backup falhou.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>Usar configurações de proxy manuais</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>É necessário um código de verificação para fazer login.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>Tem certeza de que deseja desvincular este computador do servidor?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>O Tidewell Backup está sendo inicializado...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>Selecione uma pasta.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Usar as configurações de proxy do sistema</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Alterar pasta</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>Pasta local</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>Digite o nome de usuário do proxy.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>O certificado SSL do servidor foi alterado. Deseja confiar no novo certificado?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Usar criptografia SSL</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>Fila de backup</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>A pasta de origem é somente leitura. É possível fazer backup dos arquivos dela, mas não restaurá-los nela.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>Esta pasta é somente leitura.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>O novo idioma entrará em vigor após a reinicialização do Tidewell Backup.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>Digite um número de porta entre 1 e 65535.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Enviando...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>O certificado SSL do servidor foi alterado.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>O servidor não permite conexões do seu endereço IP.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>O teste de conexão foi bem-sucedido.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>O certificado SSL do servidor não é confiável. Deseja continuar mesmo assim?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>Não, obrigado</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>Conectar ao servidor</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>O código de verificação está incorreto.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>Já existe uma pasta compartilhada com este nome no servidor.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>Este assistente ajuda você a fazer backup das pastas deste computador no seu servidor.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>Compartilhamento ativado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Você não tem permissão para acessar esta pasta.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>Sua cota de armazenamento no servidor está esgotada.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>Clique duas vezes em uma entrada para editá-la.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>Ignorar arquivos maiores que %1 MB</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Fazendo backup...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>O destino não tem mais cota disponível. Libere espaço ou escolha outro destino.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>Muitas tentativas malsucedidas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>Defina o tamanho como 0 para não aplicar limite.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Não foi possível inicializar o Tidewell Backup.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>Este não é o servidor em que a tarefa de backup foi criada.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>Escolha uma pasta de destino no servidor.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>O teste de conexão falhou. Verifique o nome de usuário e a senha.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>Continuar mesmo assim</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>Escolha a pasta local para backup e seu destino no servidor.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>Seu administrador exige a verificação em duas etapas. Ative-a primeiro para sua conta.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>Digite o endereço e a porta do proxy.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>Sua conta está desativada no servidor.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>Se já existir um arquivo no destino, o arquivo existente será mantido como cópia.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>Não há nenhuma pasta válida para backup.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>Bloqueando arquivo...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>A versão do servidor não é compatível. Atualize o software do servidor.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>Pastas neste computador</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Arquivos maiores que este tamanho não são incluídos no backup.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>Manter os arquivos no servidor quando forem excluídos deste computador</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>Ocorreu um erro de rede.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>Escolher pasta de origem</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>As pastas somente leitura são copiadas apenas deste computador para o servidor.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>Endereço do proxy</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Aviso de certificado SSL</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>Baixando %1...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>O Tidewell Backup mantém no seu servidor uma cópia sempre atualizada dos seus arquivos.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>Nome de usuário do proxy</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>Conectar via FarReach</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>Ocorreu um erro de sistema.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>A pasta compartilhada de destino não existe mais no servidor.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>Preparando...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>Você tem acesso somente leitura à pasta de destino.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>Erro de backup</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>Uma nova versão está disponível. Clique para atualizar.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Somente leitura</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>O servidor não permite a conexão automática.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>Esta pasta se sobrepõe a uma pasta que já está incluída no backup.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>Arquivos a processar: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Pastas excluídas</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>Você não tem permissão para gravar na pasta compartilhada.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>Arquivos com as seguintes extensões não são incluídos no backup.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nome de usuário ou senha incorretos.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Não foi possível atualizar o Tidewell Backup.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>Procurando servidores na rede local...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Processando: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>O servidor proxy requer autenticação</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>Selecionar pastas</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>Não foi possível criar uma sessão com o servidor.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>O Tidewell Backup está pronto.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>Esta versão do Tidewell Backup não é mais compatível com o servidor. Atualize o Tidewell Backup.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>Tipos de arquivo excluídos</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando configurações...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Atualizando...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>Procurar servidores na rede local.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>Iniciar o Tidewell Backup ao fazer login</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>Revise as configurações a seguir.</translation>
    </message>
</context>
</TS>
