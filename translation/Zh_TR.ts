<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CrashHandler</name>
    <message>
        <source>Exe Crash</source>
        <translation>程式當機</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>非常抱歉，程式當機了！</translation>
    </message>
</context>
</TS>
