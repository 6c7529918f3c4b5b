<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>스나이퍼</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>주변 조명</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>휠</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>로고</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI 전환</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>앞으로(왼쪽)</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>뒤로(왼쪽)</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>앞으로(오른쪽)</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>뒤로(오른쪽)</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
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
        <translation>지정 키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>볼륨 높이기</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>볼륨 낮추기</translation>
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
        <translation>마우스 왼쪽</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>위로 스크롤</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>아래로 스크롤</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 키</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
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
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>마우스 속성:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 초기화</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>마우스 속성</translation>
    </message>
    <message>
        <source>No mouse settings program was found for this desktop.</source>
        <translation>이 데스크톱에서 마우스 설정 프로그램을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The mouse settings could not be opened: %1</source>
        <translation>마우스 설정을 열 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>X/Y 사용</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
</TS>
