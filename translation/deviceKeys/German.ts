<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>Bitte zuerst eine Taste wählen!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Vorgang erfolgreich</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>Das Makro ist für die Maus zu lang (höchstens 50 Ereignisse)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
</context>
</TS>
