<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
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
        <translation>Ligado:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
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
        <translation>Atribuída</translation>
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
        <translation>Definição de atraso</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Atraso gravado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sem atraso</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Atraso predefinido</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Gravação de macro</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>A gravação está vazia</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Inserir na macro</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserir evento depois</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserir evento antes</translation>
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
        <translation>Rato</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Prima uma tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduza o atraso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedades</translation>
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
        <translation>Rato</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>Capturar teclado e rato requer uma sessão X11</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Gravação de macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Gravação de macro parada</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Selecione primeiro uma posição</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Foi atingido o número máximo de eventos</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Falha ao inserir</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserção concluída</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Falha ao modificar</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificação concluída</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro adicionada</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Falha ao adicionar a macro</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Falha ao eliminar a macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Selecione primeiro uma macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Falha ao limpar a macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro limpa</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>Não é um ficheiro de macro</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>O ficheiro de macro contém eventos inválidos</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Falha ao importar a macro</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro uma pasta</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Falha ao exportar a macro</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>O nome da macro não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Macro renomeada</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Falha ao renomear a macro</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir ficheiro de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Ficheiros de macro(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
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
        <translation>Renomear</translation>
    </message>
</context>
</TS>
