<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
</context>
<context>
    <name>DHomePage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
    <message>
        <source>https://www.example.com/</source>
        <translation>https://www.example.com/</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>MACRO</source>
        <translation>매크로</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>PARDEX</source>
        <translation>PARDEX</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>연동</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>최소화(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>최대화(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>복원(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>종료(&amp;Q)</translation>
    </message>
</context>
</TS>
