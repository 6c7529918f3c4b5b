<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie nie jest podłączone</translation>
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
        <translation>Urządzenie nie jest podłączone</translation>
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
        <translation>MAKRO</translation>
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
        <translation>START</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>URZĄDZENIE</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>MAKRO</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>POWIĄZANIE</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimalizuj(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maksymalizuj(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Przywróć(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Zakończ(&amp;Q)</translation>
    </message>
</context>
</TS>
