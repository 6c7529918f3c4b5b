<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CrashHandler</name>
    <message>
        <source>Exe Crash</source>
        <translation>Exe Crash</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>I'm very sorroy for this crash !</translation>
    </message>
</context>
</TS>
