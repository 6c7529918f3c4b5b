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
    <message>
        <source>Reset the current profile successful</source>
        <translation>Perfil atual reposto</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Repor o perfil atual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Falha ao repor o perfil atual</translation>
    </message>
</context>
</TS>
