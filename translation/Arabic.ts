<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CrashHandler</name>
    <message>
        <source>Exe Crash</source>
        <translation>تعطل البرنامج</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>نأسف جدًا لهذا التعطل!</translation>
    </message>
</context>
</TS>
