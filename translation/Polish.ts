<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CrashHandler</name>
    <message>
        <source>Exe Crash</source>
        <translation>Awaria programu</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Bardzo przepraszamy za tę awarię!</translation>
    </message>
</context>
</TS>
