<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Custom Light Item</source>
        <translation>Illuminazione personalizzata</translation>
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
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>Salvare la modalità di illuminazione corrente sul dispositivo?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
</context>
</TS>
