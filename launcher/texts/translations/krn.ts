<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>global</name>
    <message>
        <source>Last upload: %1</source>
        <translation>마지막 업로드: %1</translation>
    </message>
    <message>
        <source>Back up files and folders with the prefix %1.</source>
        <translation>이름이 %1(으)로 시작하는 파일과 폴더를 백업합니다.</translation>
    </message>
    <message>
        <source>Please enter your password to confirm.</source>
        <translation>확인을 위해 비밀번호를 입력하세요.</translation>
    </message>
    <message>
        <source>Tidewell Backup</source>
        <translation>Tidewell Backup</translation>
    </message>
    <message>
        <source>Automatic connection failed because the server ID is invalid.</source>
        <translation>서버 ID가 잘못되어 자동 연결에 실패했습니다.</translation>
    </message>
    <message>
        <source>This folder cannot be backed up. Please choose another folder.</source>
        <translation>이 폴더는 백업할 수 없습니다. 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Enter your server address and account information.</source>
        <translation>서버 주소와 계정 정보를 입력하세요.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>The backup direction does not match the existing task on the server.</source>
        <translation>백업 방향이 서버의 기존 작업과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>Please enter the verification code.</source>
        <translation>인증 코드를 입력하세요.</translation>
    </message>
    <message>
        <source>The shared folder has reached its quota. Files cannot be uploaded until space is freed.</source>
        <translation>공유 폴더가 할당량에 도달했습니다. 공간을 확보할 때까지 파일을 업로드할 수 없습니다.</translation>
    </message>
    <message>
        <source>The server's SSL certificate could not be verified.</source>
        <translation>서버의 SSL 인증서를 확인할 수 없습니다.</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>연결</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>프록시</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Choose what to back up and where to store it.</source>
        <translation>백업할 항목과 저장할 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료됨</translation>
    </message>
    <message>
        <source>The server has changed since the last connection.</source>
        <translation>마지막 연결 이후 서버가 변경되었습니다.</translation>
    </message>
    <message>
        <source>The local folder to back up no longer exists.</source>
        <translation>백업할 로컬 폴더가 더 이상 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>서버 주소</translation>
    </message>
    <message>
        <source>For help with these steps, see the online help.</source>
        <translation>이 단계에 대한 도움말은 온라인 도움말을 참조하세요.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>A database error occurred.</source>
        <translation>데이터베이스 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Keep your files safe and within reach.</source>
        <translation>파일을 안전하게, 언제나 가까이에.</translation>
    </message>
    <message>
        <source>Use a black-and-white tray icon</source>
        <translation>흑백 트레이 아이콘 사용</translation>
    </message>
    <message>
        <source>The shared folder is not mounted on the server.</source>
        <translation>공유 폴더가 서버에 마운트되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Open Tidewell Backup</source>
        <translation>Tidewell Backup 열기</translation>
    </message>
    <message>
        <source>A protocol error occurred while communicating with the server.</source>
        <translation>서버와 통신하는 중 프로토콜 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>The drive of the local folder is not mounted.</source>
        <translation>로컬 폴더가 있는 드라이브가 마운트되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>디스크가 가득 찼습니다.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신 상태</translation>
    </message>
    <message>
        <source>The disk of this folder is full. Please free up space or choose another folder.</source>
        <translation>이 폴더가 있는 디스크가 가득 찼습니다. 공간을 확보하거나 다른 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>About Tidewell Backup</source>
        <translation>Tidewell Backup 정보</translation>
    </message>
    <message>
        <source>The backup failed.</source>
        <translation>백업에 실패했습니다.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Use manual proxy settings</source>
        <translation>수동 프록시 설정 사용</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>대상 위치</translation>
    </message>
    <message>
        <source>A verification code is required to sign in.</source>
        <translation>로그인하려면 인증 코드가 필요합니다.</translation>
    </message>
    <message>
        <source>Are you sure you want to unlink this computer from the server?</source>
        <translation>이 컴퓨터와 서버의 연결을 해제하시겠습니까?</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Tidewell Backup is initializing...</source>
        <translation>Tidewell Backup 초기화 중...</translation>
    </message>
    <message>
        <source>Please select a folder.</source>
        <translation>폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>시스템 프록시 설정 사용</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>폴더 변경</translation>
    </message>
    <message>
        <source>Local Folder</source>
        <translation>로컬 폴더</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Please enter the proxy user name.</source>
        <translation>프록시 사용자 이름을 입력하세요.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed. Do you want to trust the new certificate?</source>
        <translation>서버의 SSL 인증서가 변경되었습니다. 새 인증서를 신뢰하시겠습니까?</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>연결 해제 중...</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL 암호화 사용</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Backup Queue</source>
        <translation>백업 대기열</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 중지</translation>
    </message>
    <message>
        <source>The source folder is read-only. Files can be backed up from it but not restored to it.</source>
        <translation>원본 폴더가 읽기 전용입니다. 이 폴더의 파일을 백업할 수는 있지만 이 폴더로 복원할 수는 없습니다.</translation>
    </message>
    <message>
        <source>This folder is read-only.</source>
        <translation>이 폴더는 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 중지됨</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>The new language takes effect after Tidewell Backup restarts.</source>
        <translation>새 언어는 Tidewell Backup을 다시 시작한 후에 적용됩니다.</translation>
    </message>
    <message>
        <source>Please enter a port number between 1 and 65535.</source>
        <translation>1에서 65535 사이의 포트 번호를 입력하세요.</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>업로드 중...</translation>
    </message>
    <message>
        <source>The server's SSL certificate has changed.</source>
        <translation>서버의 SSL 인증서가 변경되었습니다.</translation>
    </message>
    <message>
        <source>The server does not allow connections from your IP address.</source>
        <translation>서버가 현재 IP 주소에서의 연결을 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>The connection test was successful.</source>
        <translation>연결 테스트에 성공했습니다.</translation>
    </message>
    <message>
        <source>The server's SSL certificate is not trusted. Do you want to continue anyway?</source>
        <translation>서버의 SSL 인증서를 신뢰할 수 없습니다. 그래도 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>No, Thanks</source>
        <translation>아니요, 괜찮습니다</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Connect to Server</source>
        <translation>서버에 연결</translation>
    </message>
    <message>
        <source>The verification code is incorrect.</source>
        <translation>인증 코드가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists on the server.</source>
        <translation>이 이름의 공유 폴더가 서버에 이미 있습니다.</translation>
    </message>
    <message>
        <source>This wizard helps you back up the folders on this computer to your server.</source>
        <translation>이 마법사를 사용하면 이 컴퓨터의 폴더를 서버에 백업할 수 있습니다.</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>연결 중...</translation>
    </message>
    <message>
        <source>Sharing enabled</source>
        <translation>공유 활성화됨</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>이 폴더에 액세스할 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Your storage quota on the server is full.</source>
        <translation>서버의 저장 공간 할당량이 가득 찼습니다.</translation>
    </message>
    <message>
        <source>Double-click an entry to edit it.</source>
        <translation>편집하려면 항목을 두 번 클릭하세요.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Skip files larger than %1 MB</source>
        <translation>%1MB보다 큰 파일 건너뛰기</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>백업 중...</translation>
    </message>
    <message>
        <source>The destination has no quota left. Please free up space or choose another destination.</source>
        <translation>대상 위치의 할당량이 남아 있지 않습니다. 공간을 확보하거나 다른 대상 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>Too many failed attempts. Please try again later.</source>
        <translation>실패한 시도가 너무 많습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Set the size to 0 for no limit.</source>
        <translation>크기를 0으로 설정하면 제한이 없습니다.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>예기치 않은 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be initialized.</source>
        <translation>Tidewell Backup을 초기화할 수 없습니다.</translation>
    </message>
    <message>
        <source>This server is not the one the backup task was created on.</source>
        <translation>이 서버는 백업 작업을 생성한 서버가 아닙니다.</translation>
    </message>
    <message>
        <source>Choose a destination folder on the server.</source>
        <translation>서버에서 대상 폴더를 선택하세요.</translation>
    </message>
    <message>
        <source>The connection test failed. Please check the user name and password.</source>
        <translation>연결 테스트에 실패했습니다. 사용자 이름과 비밀번호를 확인하세요.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>Continue Anyway</source>
        <translation>그래도 계속</translation>
    </message>
    <message>
        <source>Choose the local folder to back up and its destination on the server.</source>
        <translation>백업할 로컬 폴더와 서버의 대상 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification. Please enable it for your account first.</source>
        <translation>관리자가 2단계 인증을 요구합니다. 먼저 계정에서 2단계 인증을 활성화하세요.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Please enter the proxy address and port.</source>
        <translation>프록시 주소와 포트를 입력하세요.</translation>
    </message>
    <message>
        <source>Your account is disabled on the server.</source>
        <translation>서버에서 계정이 비활성화되어 있습니다.</translation>
    </message>
    <message>
        <source>If a file already exists in the destination, the existing file is kept as a copy.</source>
        <translation>대상 위치에 파일이 이미 있으면 기존 파일은 사본으로 보존됩니다.</translation>
    </message>
    <message>
        <source>There is no valid folder to back up.</source>
        <translation>백업할 유효한 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>Locking file...</source>
        <translation>파일 잠금 중...</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>프록시 사용 안 함</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>The server version is not supported. Please update the server software.</source>
        <translation>지원되지 않는 서버 버전입니다. 서버 소프트웨어를 업데이트하세요.</translation>
    </message>
    <message>
        <source>Folders on This Computer</source>
        <translation>이 컴퓨터의 폴더</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>이 크기보다 큰 파일은 백업되지 않습니다.</translation>
    </message>
    <message>
        <source>Keep files on the server when they are deleted from this computer</source>
        <translation>이 컴퓨터에서 파일을 삭제해도 서버의 파일 유지</translation>
    </message>
    <message>
        <source>A network error occurred.</source>
        <translation>네트워크 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Choose Source Folder</source>
        <translation>원본 폴더 선택</translation>
    </message>
    <message>
        <source>Read-only folders are backed up from this computer to the server only.</source>
        <translation>읽기 전용 폴더는 이 컴퓨터에서 서버로만 백업됩니다.</translation>
    </message>
    <message>
        <source>Proxy address</source>
        <translation>프록시 주소</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL 인증서 경고</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>대기 중</translation>
    </message>
    <message>
        <source>Downloading %1...</source>
        <translation>%1 다운로드 중...</translation>
    </message>
    <message>
        <source>Tidewell Backup keeps a copy of your files on your server, always up to date.</source>
        <translation>Tidewell Backup은 파일의 사본을 서버에 항상 최신 상태로 보관합니다.</translation>
    </message>
    <message>
        <source>Proxy user name</source>
        <translation>프록시 사용자 이름</translation>
    </message>
    <message>
        <source>Connect via FarReach</source>
        <translation>FarReach를 통해 연결</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>A system error occurred.</source>
        <translation>시스템 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>The destination shared folder no longer exists on the server.</source>
        <translation>대상 공유 폴더가 서버에 더 이상 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Preparing...</source>
        <translation>준비 중...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>You have read-only access to the destination folder.</source>
        <translation>대상 폴더에 대한 읽기 전용 권한만 있습니다.</translation>
    </message>
    <message>
        <source>Backup error</source>
        <translation>백업 오류</translation>
    </message>
    <message>
        <source>A new version is available. Click to update.</source>
        <translation>새 버전을 사용할 수 있습니다. 클릭하여 업데이트하세요.</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>읽기 전용</translation>
    </message>
    <message>
        <source>Automatic connection is not allowed by the server.</source>
        <translation>서버에서 자동 연결을 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>This folder overlaps with a folder that is already backed up.</source>
        <translation>이 폴더는 이미 백업 중인 폴더와 겹칩니다.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>고급</translation>
    </message>
    <message>
        <source>Files to process: %1</source>
        <translation>처리할 파일: %1</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>제외된 폴더</translation>
    </message>
    <message>
        <source>You do not have permission to write to the shared folder.</source>
        <translation>공유 폴더에 쓸 권한이 없습니다.</translation>
    </message>
    <message>
        <source>Files with the following extensions are not backed up.</source>
        <translation>다음 확장자를 가진 파일은 백업되지 않습니다.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>사용자 이름 또는 비밀번호가 올바르지 않습니다.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Tidewell Backup could not be upgraded.</source>
        <translation>Tidewell Backup을 업그레이드할 수 없습니다.</translation>
    </message>
    <message>
        <source>Searching for servers on the local network...</source>
        <translation>로컬 네트워크에서 서버를 검색하는 중...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>이전</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>지금 시작</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>처리 중: %1</translation>
    </message>
    <message>
        <source>Proxy server requires authentication</source>
        <translation>프록시 서버 인증 필요</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>서버</translation>
    </message>
    <message>
        <source>Select Folders</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>A session with the server could not be created.</source>
        <translation>서버와의 세션을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Tidewell Backup is ready.</source>
        <translation>Tidewell Backup 사용 준비가 되었습니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>This version of Tidewell Backup is no longer supported by the server. Please update Tidewell Backup.</source>
        <translation>이 버전의 Tidewell Backup은 서버에서 더 이상 지원되지 않습니다. Tidewell Backup을 업데이트하세요.</translation>
    </message>
    <message>
        <source>Excluded File Types</source>
        <translation>제외된 파일 형식</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>설정 적용 중...</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>업데이트 중...</translation>
    </message>
    <message>
        <source>Search the local network for servers.</source>
        <translation>로컬 네트워크에서 서버를 검색합니다.</translation>
    </message>
    <message>
        <source>Start Tidewell Backup when I sign in</source>
        <translation>로그인할 때 Tidewell Backup 시작</translation>
    </message>
    <message>
        <source>Please review the following settings.</source>
        <translation>다음 설정을 검토하세요.</translation>
    </message>
</context>
</TS>
