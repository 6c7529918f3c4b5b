<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Custom Light Item</source>
        <translation>Własne podświetlenie</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>DTipInfoDia</source>
        <translation>DTipInfoDia</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>Czy zapisać bieżący tryb podświetlenia w urządzeniu?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
</context>
</TS>
