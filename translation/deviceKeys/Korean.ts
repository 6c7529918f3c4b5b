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
</context>
</TS>
