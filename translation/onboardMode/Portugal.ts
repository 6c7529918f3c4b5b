<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>Vazio</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>O dispositivo não suporta o modo integrado</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>Não é possível criar os ficheiros de configuração integrada</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Configuração rápida concluída</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Falha na configuração rápida</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Nova configuração criada</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Falha ao criar a configuração</translation>
    </message>
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
        <translation>Exportação concluída</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Falha na exportação</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir ficheiro de configuração</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Ficheiros de configuração(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selecione primeiro o ficheiro a importar</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>O ficheiro não é uma configuração integrada</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Importação concluída</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Falha na importação</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>É necessário manter pelo menos uma configuração</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Configuração eliminada</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>Falha ao eliminar a configuração</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>O nome da configuração não pode estar vazio</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>Já existe uma configuração com este nome</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Nome da configuração alterado</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>Falha ao alterar o nome</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Manter a definição da tecla FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Manter a definição da tecla FN1?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Dica</translation>
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
        <source>Clean layer successful</source>
        <translation>Camada limpa</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Falha ao limpar a camada</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Tecla limpa</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>Falha ao limpar a tecla</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Selecione primeiro uma tecla!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Tecla FN definida</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>Falha ao definir a tecla FN</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Tecla FN1 definida</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>Falha ao definir a tecla FN1</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Repor as definições de fábrica?</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Definições de fábrica repostas</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Falha ao repor as definições de fábrica</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Escrita iniciada</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Transferência integrada [Falhou]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Escrita concluída</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuração transferida</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Falha na transferência, tente novamente</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua lig./desl.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla estiver premida</translation>
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
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Deslocar para cima</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla sniper</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Aumentar volume</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Diminuir volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correio</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>Demasiadas macros (no máximo 10)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>Macro demasiado longa: %1</translation>
    </message>
</context>
</TS>
