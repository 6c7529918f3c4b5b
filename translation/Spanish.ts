<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CrashHandler</name>
    <message>
        <source>Exe Crash</source>
        <translation>Error del programa</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>¡Lamentamos mucho este fallo!</translation>
    </message>
</context>
</TS>
