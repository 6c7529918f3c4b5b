<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>비우기</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>이 장치는 온보드 모드를 지원하지 않습니다</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>온보드 설정 파일을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>빠른 설정 성공</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>빠른 설정 실패</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>새 설정을 만들었습니다</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>새 설정을 만들지 못했습니다</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>내보내기 성공</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>내보내기 실패</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>설정 파일 열기</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>설정 파일(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>먼저 가져올 파일을 선택하세요</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>이 파일은 온보드 설정 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>가져오기 성공</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>가져오기 실패</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>설정을 하나 이상 남겨야 합니다</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>설정을 삭제했습니다</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>설정을 삭제하지 못했습니다</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>설정 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>이미 있는 설정 이름입니다</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>설정 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>설정 이름을 변경하지 못했습니다</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>FN 키 설정을 유지하시겠습니까?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>FN1 키 설정을 유지하시겠습니까?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>레이어를 비웠습니다</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>레이어를 비우지 못했습니다</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>키를 비웠습니다</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>키를 비우지 못했습니다</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>먼저 키를 선택하세요!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>FN 키를 설정했습니다</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>FN 키를 설정하지 못했습니다</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>FN1 키를 설정했습니다</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>FN1 키를 설정하지 못했습니다</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>공장 설정으로 복원하시겠습니까?</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>공장 설정으로 복원했습니다</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>공장 설정으로 복원하지 못했습니다</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>쓰기 시작</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>온보드 다운로드 [실패]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>쓰기 완료</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>설정을 다운로드했습니다</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>설정 다운로드에 실패했습니다. 다시 시도하세요</translation>
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
        <translation>키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
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
        <translation>재생/일시정지</translation>
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
        <source>Too many macros (at most 10)</source>
        <translation>매크로가 너무 많습니다(최대 10개)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>매크로가 너무 깁니다: %1</translation>
    </message>
</context>
</TS>
