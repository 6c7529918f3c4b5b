<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>Perfil 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Tecla de prueba</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Ajustes de iluminación</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Luz lateral</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Grupo de perfiles </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nombre del perfil</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Vincular el perfil a un programa</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>Ruta de la aplicación：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Nombre del teclado</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Modo APP</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Editor integrado</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa predeterminada</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Capa FN1</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN (inactivo)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Asignar FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Sincronizar iluminación</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Mensaje de registro</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Restaurar valores de fábrica</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Efecto de iluminación</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Lista personalizada</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Configuración DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>¡Conecte primero el dispositivo!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Modo integrado activo, salga primero</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Accesos directos</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Abrir aplicación</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Ola</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Centelleo</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Onda automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrías</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactivo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuegos artificiales</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Respuesta a la velocidad</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisión</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>No se pudo crear la carpeta de perfil del dispositivo</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>No se pudo leer el archivo de perfil del dispositivo</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>No se pudo leer el archivo de perfil del dispositivo; se ha apartado y se ha creado uno nuevo</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>No se pudo crear el archivo de perfil del dispositivo</translation>
    </message>
</context>
</TS>
