<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>¡Seleccione primero una tecla!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operación correcta</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>La operación ha fallado</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>La macro es demasiado larga para el ratón (50 eventos como máximo)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
</context>
</TS>
