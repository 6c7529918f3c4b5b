<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>먼저 키를 선택하세요!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>작업 성공</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>마우스에 비해 매크로가 너무 깁니다(최대 50개 이벤트)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>현재 프로필을 초기화했습니다</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 초기화하시겠습니까?</translation>
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
        <source>Reset the current profile failed</source>
        <translation>현재 프로필 초기화 실패</translation>
    </message>
</context>
</TS>
