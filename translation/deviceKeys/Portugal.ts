<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>Selecione primeiro uma tecla!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operação bem-sucedida</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>A operação falhou</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>A macro é demasiado longa para o rato (no máximo 50 eventos)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vazio</translation>
    </message>
</context>
</TS>
