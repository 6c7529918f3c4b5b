<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro a pasta de destino</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Falha ao exportar o perfil</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Tem de manter pelo menos um perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Falha ao eliminar o perfil</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir ficheiro de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Ficheiros de perfil(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selecione primeiro o ficheiro a importar</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>O ficheiro não é um ficheiro de perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Falha ao importar o perfil</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Perfil adicionado</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>Falha ao adicionar o perfil</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Selecionar programa</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programas(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>O nome do perfil não pode estar vazio</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>Nome do perfil ou caminho demasiado longo</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Perfil alterado</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Falha ao alterar o perfil</translation>
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
        <source>Reset the current profile successful</source>
        <translation>Perfil atual reposto</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Falha ao repor o perfil atual</translation>
    </message>
</context>
</TS>
