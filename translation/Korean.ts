<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>CrashHandler</name>
    <message>
        <source>Exe Crash</source>
        <translation>프로그램 충돌</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>프로그램이 충돌하여 대단히 죄송합니다!</translation>
    </message>
</context>
</TS>
