<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>프로필 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>테스트 키</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>키 사용자 지정</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>조명 설정</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>측면 조명</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>프로필 그룹 </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>프로필 이름</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>프로필 이름</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>프로필을 프로그램에 연결</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>앱 경로：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>응용 프로그램 선택</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>키보드 이름</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>APP 모드</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>온보드 편집기</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN (비활성)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>FN1 설정</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>조명 동기화</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>로그 메시지</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>공장 설정 복원</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>조명 효과</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>사용자 지정 목록</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI 설정</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>화상 키보드</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않음</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>먼저 장치를 연결하세요!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>온보드 모드입니다. 먼저 종료하세요</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>바로 가기</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>응용 프로그램 실행</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>숨쉬기</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>물결</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>반짝임</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>뱀</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>자동 물결</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>줄무늬</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>오로라</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>물결 파동</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>반응형</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>십자</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>불꽃놀이</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>속도 반응</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>음악 리듬</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>장치의 프로필 폴더를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>장치의 프로필 파일을 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>장치의 프로필 파일을 읽을 수 없습니다. 따로 보관하고 새 파일을 만들었습니다</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>장치의 프로필 파일을 만들 수 없습니다</translation>
    </message>
</context>
</TS>
