<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>Perfil 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Tecla de teste</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Definições de iluminação</translation>
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
        <translation>Grupo de perfis </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nome do perfil</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Associar o perfil a um programa</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>Caminho da aplicação：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Nome do teclado</translation>
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
        <translation>Camada padrão</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Camada FN1</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN (inativo)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Definir FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Sincronizar iluminação</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Mensagem de registo</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Repor definições de fábrica</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Efeito de iluminação</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Lista personalizada</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Configuração DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não ligado</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Ligue primeiro o dispositivo!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Modo integrado ativo, saia primeiro</translation>
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
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Reatribuir tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Mudar de perfil</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Abrir aplicação</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiração</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Cintilar</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulação automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrias</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reativo</translation>
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
        <translation>Fogo de artifício</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Resposta à velocidade</translation>
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
        <translation>Colisão</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>Não foi possível criar a pasta de perfil do dispositivo</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>Não foi possível ler o ficheiro de perfil do dispositivo</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>Não foi possível ler o ficheiro de perfil do dispositivo; foi posto de parte e foi criado um novo</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>Não foi possível criar o ficheiro de perfil do dispositivo</translation>
    </message>
</context>
</TS>
