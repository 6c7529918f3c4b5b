<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>Asignar perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>¿Reasignar a la tecla?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
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
        <source>Mouse Left</source>
        <translation>Botón izquierdo del ratón</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central del ratón</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho del ratón</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rueda arriba</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rueda abajo</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Botón lateral del ratón - Adelante</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Botón lateral del ratón - Atrás</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Abrir mi equipo</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
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
        <translation>Reproducción continua activar/desactivar</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se pulsa la tecla</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>No se han añadido funciones personalizadas</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Accesos directos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Abrir mi equipo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>¿Introducir teclas?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>Desactivar tecla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>Ruta de la aplicación：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Seleccionar programa</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Aplicación(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introducir texto ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Tipo de reproducción</translation>
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
        <translation>Reproducción continua activar/desactivar</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se pulsa la tecla</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Asignar macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de reproducciones</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de reproducciones 1, 2, 3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Tecla de ratón</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo del ratón</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central del ratón</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho del ratón</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Botón lateral del ratón - Atrás</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Botón lateral del ratón - Adelante</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rueda abajo</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rueda arriba</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla francotirador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
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
        <source>Volume Down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
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
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>No hay ningún perfil abierto.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>Falta el archivo de perfil %1.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>El perfil %1 falta o no se puede leer en %2.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>No se pudo escribir la tecla en %1.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>Demasiado largo para guardar: como máximo %1 bytes.</translation>
    </message>
</context>
</TS>
