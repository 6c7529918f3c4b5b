<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Custom Light Item</source>
        <translation>Iluminación personalizada</translation>
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
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>¿Desea guardar el modo de iluminación actual en el dispositivo?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
</context>
</TS>
