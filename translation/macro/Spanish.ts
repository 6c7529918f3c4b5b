<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>99999 MS</source>
        <translation>99999 MS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Vinculado:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro01</source>
        <translation>Macro01</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Asignada</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Grupo de macros </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Ajuste de retardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Retardo grabado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sin retardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Retardo predeterminado</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Grabación de macro</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La grabación está vacía</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Insertar en la macro</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insertar evento después</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insertar evento antes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Pulse una tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduzca el retardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>Capturar teclado y ratón requiere una sesión X11</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Grabación de macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Grabación de macro detenida</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
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
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleccione primero una posición</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Se ha alcanzado el número máximo de eventos</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Error al insertar</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserción correcta</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Error al modificar</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificación correcta</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro añadida</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Error al añadir la macro</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Error al eliminar la macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleccione primero una macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Error al vaciar la macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro vaciada</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>No es un archivo de macro</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>El archivo de macro contiene eventos no válidos</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Error al importar la macro</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero una carpeta</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Error al exportar la macro</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>El nombre de la macro no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Macro renombrada</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Error al renombrar la macro</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir archivo de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Archivos de macro(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renombrar</translation>
    </message>
</context>
</TS>
