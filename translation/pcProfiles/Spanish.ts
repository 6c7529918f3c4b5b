<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero la carpeta de destino</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Error al exportar el perfil</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Debe quedar al menos un perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Error al eliminar el perfil</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir archivo de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Archivos de perfil(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleccione primero el archivo a importar</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>El archivo no es un archivo de perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Error al importar el perfil</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Perfil añadido</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>Error al añadir el perfil</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Seleccionar programa</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programas(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>El nombre del perfil no puede estar vacío</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>Nombre del perfil o ruta demasiado largos</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Perfil modificado</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Error al modificar el perfil</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>¿Restablecer el perfil actual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Perfil actual restablecido</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>No se pudo restablecer el perfil actual</translation>
    </message>
</context>
</TS>
