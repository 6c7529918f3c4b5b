<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>Atribuir perfil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Reatribuir tecla</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Reatribuir à tecla?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Email</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo do rato</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central do rato</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito do rato</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Roda para cima</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Roda para baixo</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Botão lateral do rato - Avançar</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Botão lateral do rato - Retroceder</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Abrir o meu computador</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
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
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
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
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua ligar/desligar</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla está premida</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativado</translation>
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
        <translation>Nenhuma função personalizada adicionada</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Abrir o meu computador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
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
        <translation>Novo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Introduzir teclas?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Desativar tecla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>Caminho da aplicação：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Selecionar programa</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Aplicação(*)</translation>
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
        <translation>Introduzir texto ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Tipo de reprodução</translation>
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
        <translation>Reprodução contínua ligar/desligar</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla está premida</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Atribuir macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de reproduções</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de reproduções 1, 2, 3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Tecla do rato</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo do rato</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central do rato</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito do rato</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Botão lateral do rato - Retroceder</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Botão lateral do rato - Avançar</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Roda para baixo</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Roda para cima</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla sniper</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <source>Volume Down</source>
        <translation>Diminuir volume</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Aumentar volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Sem som</translation>
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
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Predefinição</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Nenhum perfil está aberto.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>O ficheiro de perfil %1 não existe.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>O perfil %1 não existe ou está ilegível em %2.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>Não foi possível gravar a tecla em %1.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>Demasiado longo para guardar: no máximo %1 bytes.</translation>
    </message>
</context>
</TS>
