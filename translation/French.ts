<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CrashHandler</name>
    <message>
        <source>Exe Crash</source>
        <translation>Plantage du programme</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>Nous sommes vraiment désolés pour ce plantage !</translation>
    </message>
</context>
</TS>
