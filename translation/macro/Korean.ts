<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>99999 MS</source>
        <translation>99999 MS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>연결:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro01</source>
        <translation>Macro01</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>할당됨</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>매크로 그룹 </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>기록된 지연</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>기본 지연</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>매크로 녹화</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>기록이 비어 있습니다</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>매크로 삽입</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>뒤에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>앞에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 입력하세요</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>지연 시간을 입력하세요</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>키보드와 마우스 입력을 받으려면 X11 세션이 필요합니다</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>매크로 녹화를 시작했습니다</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>매크로 녹화를 중지했습니다</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
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
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>먼저 위치를 선택하세요</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>이벤트 수가 한도에 도달했습니다</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>삽입하지 못했습니다</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>삽입했습니다</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>수정하지 못했습니다</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>수정했습니다</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>매크로를 추가했습니다</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>매크로를 추가하지 못했습니다</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>매크로를 삭제하지 못했습니다</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>매크로를 삭제했습니다</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>먼저 매크로를 선택하세요</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>매크로를 비우지 못했습니다</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>매크로를 비웠습니다</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>매크로 파일이 아닙니다</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>매크로 파일에 잘못된 이벤트가 있습니다</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>매크로를 가져왔습니다</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>매크로를 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장할 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>매크로를 내보냈습니다</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>매크로를 내보내지 못했습니다</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>매크로 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>매크로 이름을 바꿨습니다</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>매크로 이름을 바꾸지 못했습니다</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>매크로 파일 열기</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>매크로 파일(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 바꾸기</translation>
    </message>
</context>
</TS>
