<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>El dispositivo no admite el modo integrado</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>No se pueden crear los archivos de configuración integrada</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Configuración rápida correcta</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Error en la configuración rápida</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Nueva configuración creada</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Error al crear la configuración</translation>
    </message>
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
        <translation>Exportación correcta</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Error en la exportación</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir archivo de configuración</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Archivos de configuración(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleccione primero el archivo que desea importar</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>El archivo no es una configuración integrada</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Importación correcta</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Error en la importación</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Debe quedar al menos una configuración</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Configuración eliminada</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>Error al eliminar la configuración</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>El nombre de la configuración no puede estar vacío</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>Ya existe una configuración con ese nombre</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Nombre de la configuración cambiado</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>Error al cambiar el nombre</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>¿Conservar la configuración de la tecla FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>¿Conservar la configuración de la tecla FN1?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
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
        <source>Clean layer successful</source>
        <translation>Capa vaciada</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Error al vaciar la capa</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Tecla vaciada</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>Error al vaciar la tecla</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>¡Seleccione primero una tecla!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Tecla FN asignada</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>Error al asignar la tecla FN</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Tecla FN1 asignada</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>Error al asignar la tecla FN1</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>¿Restaurar la configuración de fábrica?</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Configuración de fábrica restaurada</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Error al restaurar la configuración de fábrica</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Escritura iniciada</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Descarga integrada [Error]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Escritura completada</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuración descargada</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Error en la descarga, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua sí/no</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se pulsa la tecla</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla de francotirador</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>Demasiadas macros (10 como máximo)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>Macro demasiado larga: %1</translation>
    </message>
</context>
</TS>
