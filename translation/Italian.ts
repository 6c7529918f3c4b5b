<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CrashHandler</name>
    <message>
        <source>Exe Crash</source>
        <translation>Arresto anomalo</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Ci scusiamo molto per questo arresto anomalo!</translation>
    </message>
</context>
</TS>
