<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>Cecchino</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>Luce perimetrale</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Rotella</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Ciclo DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Avanti (S)</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Indietro (S)</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Avanti (D)</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Indietro (D)</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto è premuto</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume su</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume giù</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Apri computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>Proprietà del mouse:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Ripristina il profilo corrente</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Proprietà del mouse</translation>
    </message>
    <message>
        <source>No mouse settings program was found for this desktop.</source>
        <translation>Nessun programma di impostazioni del mouse trovato per questo desktop.</translation>
    </message>
    <message>
        <source>The mouse settings could not be opened: %1</source>
        <translation>Impossibile aprire le impostazioni del mouse: %1</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>Abilita X/Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
</TS>
