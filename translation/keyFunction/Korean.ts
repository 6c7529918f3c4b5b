<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>프로필 지정</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>재지정할 키？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Volume Up</source>
        <translation>볼륨 크게</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>볼륨 작게</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데 버튼</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽 버튼</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>휠 위로</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>휠 아래로</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>마우스 측면 버튼 - 앞으로</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>마우스 측면 버튼 - 뒤로</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>내 컴퓨터 열기</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>지정한 키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>매크로:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>프로필:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>추가된 사용자 지정 기능이 없습니다</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>바로 가기</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>내 컴퓨터 열기</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>키 입력？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>키 사용 안 함</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>앱 경로：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>응용 프로그램 선택</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>프로그램 선택</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>앱(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>재생 방식</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>지정한 키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>매크로 지정</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1, 2, 3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>마우스 키</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데 버튼</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>마우스 측면 버튼 - 뒤로</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>마우스 측면 버튼 - 앞으로</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>휠 아래로</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>휠 위로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>볼륨 작게</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>볼륨 크게</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>열린 프로필이 없습니다.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>프로필 파일 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>%2에 프로필 %1이(가) 없거나 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>%1에 키를 기록할 수 없습니다.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>너무 길어 저장할 수 없습니다. 최대 %1바이트입니다.</translation>
    </message>
</context>
</TS>
